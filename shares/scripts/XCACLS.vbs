' XCACLS.vbs - adds an access right for one account to a folder, and optionally to
' everything below it, keeping the entries that are already there.
'
' Usage:
'   cscript.exe XCACLS.vbs "<folder>" [/T] /G <account>:R|F /E
'
'   <folder>        an existing folder
'   /T              also everything below the folder
'   /G account:R    read rights for the account (account:F for full control)
'   /E              edit the access list instead of replacing it (required)
'
' The work is done by the system's cacls.exe, which both Windows XP and Vista have.
' cacls treats its file argument as a name pattern when it recurses, so the folder
' itself and its contents ("<folder>\*" with /T) are granted in two separate runs.
'
' The script runs with administrator rights on folders that other users can change:
' - cacls is started through WScript.Shell, which replaces %NAME% in the command by
'   the environment variable NAME, so a folder or account with a percent sign is
'   refused (as is a folder with a double quote, which would end its quoted form);
' - rights granted on a junction or symbolic link land on the folder it leads to, so
'   a folder that is, or lies inside, such a reparse point is refused, and when there
'   are any below the folder, the folders above them are granted without /T, leaving
'   the links and everything reached through them alone;
' - FAT and exFAT drives keep no access lists: nothing can be granted there.
'
' Exit codes: 0 done; 87 bad usage (a percent sign or quote included); 3 the folder
' does not exist; 4 the folder is or lies inside a junction, symbolic link or mounted
' drive; 50 the drive's file system keeps no access lists; 2 cacls.exe is missing;
' 1 cacls.exe could not be started, or the script itself failed; any other value is
' cacls.exe's own failure code.

Option Explicit

Const EXIT_OK = 0
Const EXIT_CANNOT_START = 1
Const EXIT_SCRIPT_ERROR = 1
Const EXIT_NO_CACLS = 2
Const EXIT_NO_FOLDER = 3
Const EXIT_REPARSE_POINT = 4
Const EXIT_NO_ACCESS_LISTS = 50
Const EXIT_BAD_USAGE = 87

Const USAGE = "Usage: cscript XCACLS.vbs ""<folder>"" [/T] /G <account>:R|F /E"

' Characters that Windows does not allow in account names.
Const FORBIDDEN_IN_ACCOUNT = """/[]:;|=,+*?<>%"

Const ATTRIBUTE_REPARSE_POINT = 1024
' This script's own question to itself, through cmd.exe: is this a reparse point?
Const REPARSE_QUERY = "/ReparsePointQuery"

Dim g_folder, g_recurse, g_account, g_right, g_edit

' A runtime error would otherwise end the script with code 0, as if it had worked.
On Error Resume Next
Main
If Err.Number <> 0 Then
    Dim scriptError
    scriptError = "Unexpected error " & Err.Number & " (" & Err.Source & "): " & Err.Description
    On Error GoTo 0
    Fail EXIT_SCRIPT_ERROR, scriptError
End If

Sub Main()
    Dim args, problem
    If WScript.Arguments.Count = 2 Then
        If WScript.Arguments(0) = REPARSE_QUERY Then WScript.Quit ReparseQueryAnswer(WScript.Arguments(1))
    End If
    Set args = CollectArguments()
    problem = ParseArguments(args)
    If problem <> "" Then
        Fail EXIT_BAD_USAGE, problem & vbCrLf & USAGE
    End If

    If InStr(g_folder, "%") > 0 Or InStr(g_folder, """") > 0 Then
        Fail EXIT_BAD_USAGE, "A folder with a percent sign or a double quote in its path cannot be passed on safely: " & g_folder
    End If

    Dim fso
    Set fso = CreateObject("Scripting.FileSystemObject")
    If Not fso.FolderExists(g_folder) Then
        If fso.FileExists(g_folder) Then
            Fail EXIT_NO_FOLDER, "Not a folder: " & g_folder
        End If
        Fail EXIT_NO_FOLDER, "The folder does not exist: " & g_folder
    End If
    g_folder = fso.GetAbsolutePathName(g_folder)

    Dim link
    link = ReparsePointOnPath(fso, g_folder)
    If link <> "" Then
        Fail EXIT_REPARSE_POINT, "The folder is, or lies inside, a junction, symbolic link or mounted drive (" & link & "): rights granted there would land on the folder it leads to."
    End If

    Dim fileSystem
    fileSystem = DriveFileSystem(fso, g_folder)
    If fileSystem = "FAT" Or fileSystem = "exFAT" Then
        Fail EXIT_NO_ACCESS_LISTS, "The " & fileSystem & " file system keeps no access rights for files and folders: nothing can be granted on " & g_folder
    End If

    Dim cacls
    cacls = fso.BuildPath(fso.GetSpecialFolder(1).Path, "cacls.exe")
    If Not fso.FileExists(cacls) Then
        Fail EXIT_NO_CACLS, "cacls.exe was not found in the system folder: " & cacls
    End If

    Dim grant
    grant = g_account & ":" & g_right
    If InStr(grant, " ") > 0 Then grant = """" & grant & """"

    RunCacls cacls, Quote(g_folder) & " /E /G " & grant
    If g_recurse Then
        GrantContents fso, cacls, fso.GetFolder(g_folder), grant
    End If
    WScript.Quit EXIT_OK
End Sub

' Whether a file or folder is a reparse point. Where folders do not give their
' attributes (Wine's script host), cmd.exe is asked: its "~a" text of a path, such as
' "d-------l", ends in "l" for a reparse point. The text is handed to this script again
' (REPARSE_QUERY), whose exit code answers; anything unexpected counts as a link.
Function IsReparsePoint(item)
    Dim attributes
    On Error Resume Next
    attributes = item.Attributes
    If Err.Number = 0 Then
        On Error GoTo 0
        IsReparsePoint = ((attributes And ATTRIBUTE_REPARSE_POINT) <> 0)
        Exit Function
    End If
    Err.Clear
    On Error GoTo 0
    IsReparsePoint = (AskCmdIfReparsePoint(item.Path) <> 0)
End Function

' The command has exactly two percent signs, and the "==" between them keeps that text
' from naming an environment variable, which WScript.Shell would put in. AutoRun
' commands and delayed expansion are off, command extensions (for "~a") on.
Function AskCmdIfReparsePoint(path)
    Dim fso, system, commandLine
    Set fso = CreateObject("Scripting.FileSystemObject")
    system = fso.GetSpecialFolder(1).Path
    commandLine = Quote(fso.BuildPath(system, "cmd.exe")) & " /d /e:on /v:off /c for %I in (" & _
        Quote(path) & ") do @if 1==1 " & Quote(fso.BuildPath(system, "cscript.exe")) & _
        " //Nologo //B " & Quote(WScript.ScriptFullName) & " " & REPARSE_QUERY & " %~aI"
    If Len(commandLine) - Len(Replace(commandLine, "%", "")) <> 2 Then
        AskCmdIfReparsePoint = EXIT_SCRIPT_ERROR
        Exit Function
    End If
    On Error Resume Next
    AskCmdIfReparsePoint = CreateObject("WScript.Shell").Run(commandLine, 0, True)
    If Err.Number <> 0 Then AskCmdIfReparsePoint = EXIT_SCRIPT_ERROR
    On Error GoTo 0
End Function

' The answer to REPARSE_QUERY: 0 for the attribute text of a plain file or folder, 1
' for a reparse point or a text that is not an attribute text.
Function ReparseQueryAnswer(attributeText)
    ReparseQueryAnswer = 1
    If Len(attributeText) = 9 And Right(attributeText, 1) = "-" Then ReparseQueryAnswer = 0
End Function

' The first of the folder and the folders above it (below the drive's root) that is a
' reparse point; "" when there is none.
Function ReparsePointOnPath(fso, folder)
    Dim path
    ReparsePointOnPath = ""
    path = folder
    Do While path <> "" And fso.GetParentFolderName(path) <> ""
        If IsReparsePoint(fso.GetFolder(path)) Then
            ReparsePointOnPath = path
            Exit Function
        End If
        path = fso.GetParentFolderName(path)
    Loop
End Function

' The drive's file-system name ("NTFS", "FAT32", ...); "" when it cannot be read.
Function DriveFileSystem(fso, folder)
    DriveFileSystem = ""
    On Error Resume Next
    DriveFileSystem = fso.GetDrive(fso.GetDriveName(folder)).FileSystem
    Err.Clear
    On Error GoTo 0
End Function

' Whether any file or folder below the folder is a reparse point. Folders reached
' through one are not looked into.
Function HasReparsePointBelow(fso, folder)
    Dim item
    HasReparsePointBelow = True
    For Each item In fso.GetFolder(folder).Files
        If IsReparsePoint(item) Then Exit Function
    Next
    For Each item In fso.GetFolder(folder).SubFolders
        If IsReparsePoint(item) Then Exit Function
        If HasReparsePointBelow(fso, item.Path) Then Exit Function
    Next
    HasReparsePointBelow = False
End Function

' Grants everything below the folder. Where no link lies below, cacls does it with /T
' in one run; elsewhere /T would follow the links, so the folder's own entries are
' granted without it (in one run of its pattern, or one by one, links left out, when
' some are links) and each folder that is not a link is treated the same way.
Sub GrantContents(fso, cacls, folder, grant)
    Dim item, links
    If Not HasReparsePointBelow(fso, folder.Path) Then
        If HasContents(fso, folder.Path) Then
            RunCacls cacls, Quote(ContentsPattern(folder.Path)) & " /T /E /G " & grant
        End If
        Exit Sub
    End If
    links = False
    For Each item In folder.Files
        If IsReparsePoint(item) Then links = True
    Next
    For Each item In folder.SubFolders
        If IsReparsePoint(item) Then links = True
    Next
    If Not links Then
        RunCacls cacls, Quote(ContentsPattern(folder.Path)) & " /E /G " & grant
    Else
        For Each item In folder.Files
            If Not IsReparsePoint(item) Then RunCacls cacls, Quote(item.Path) & " /E /G " & grant
        Next
        For Each item In folder.SubFolders
            If Not IsReparsePoint(item) Then RunCacls cacls, Quote(item.Path) & " /E /G " & grant
        Next
    End If
    For Each item In folder.SubFolders
        If Not IsReparsePoint(item) Then GrantContents fso, cacls, item, grant
    Next
End Sub

' The script host of some systems splits its command line like the C runtime does, where
' a backslash before a double quote escapes it: "C:\" /T ... then arrives as the single
' argument C:" /T ... . Such an argument is split back into the folder (with its
' backslash) and the words that followed it. Returns a Dictionary of index -> argument.
Function CollectArguments()
    Dim list, i, arg, pos, word
    Set list = CreateObject("Scripting.Dictionary")
    For i = 0 To WScript.Arguments.Count - 1
        arg = WScript.Arguments(i)
        pos = InStr(arg, """")
        If pos > 0 And InStr(pos + 1, arg, """") = 0 Then
            list.Add list.Count, Left(arg, pos - 1) & "\"
            For Each word In Split(Mid(arg, pos + 1), " ")
                If word <> "" Then list.Add list.Count, word
            Next
        Else
            list.Add list.Count, arg
        End If
    Next
    Set CollectArguments = list
End Function

' Fills the g_ values; returns the problem found, or "" when the arguments are good.
Function ParseArguments(args)
    Dim i, arg, seenG, n, problem
    n = args.Count
    g_folder = ""
    g_recurse = False
    g_edit = False
    seenG = False
    If n = 0 Then
        ParseArguments = "No arguments given."
        Exit Function
    End If
    i = 0
    Do While i < n
        arg = args(i)
        If Left(arg, 1) = "/" Then
            Select Case UCase(arg)
                Case "/T"
                    If g_recurse Then ParseArguments = "/T is given twice." : Exit Function
                    g_recurse = True
                Case "/E"
                    If g_edit Then ParseArguments = "/E is given twice." : Exit Function
                    g_edit = True
                Case "/G"
                    If seenG Then ParseArguments = "/G is given twice." : Exit Function
                    seenG = True
                    If i + 1 >= n Then
                        ParseArguments = "/G needs an account and a right, such as Guest:R."
                        Exit Function
                    End If
                    i = i + 1
                    problem = ParseGrant(args(i))
                    If problem <> "" Then ParseArguments = problem : Exit Function
                Case Else
                    ParseArguments = "Unknown switch: " & arg
                    Exit Function
            End Select
        ElseIf g_folder <> "" Then
            ParseArguments = "Only one folder can be given; unexpected: " & arg
            Exit Function
        ElseIf Trim(arg) = "" Then
            ParseArguments = "The folder name is empty."
            Exit Function
        Else
            g_folder = arg
        End If
        i = i + 1
    Loop
    If g_folder = "" Then
        ParseArguments = "No folder given."
    ElseIf Not seenG Then
        ParseArguments = "/G account:R or /G account:F is required."
    ElseIf Not g_edit Then
        ParseArguments = "/E is required: this script only adds to the existing access list."
    Else
        ParseArguments = ""
    End If
End Function

' ACCOUNT:R or ACCOUNT:F, where ACCOUNT may be DOMAIN\name.
Function ParseGrant(text)
    Dim pos, account, access, parts, part
    pos = InStrRev(text, ":")
    If pos = 0 Then
        ParseGrant = "The right after /G must be written as account:R or account:F, not " & text
        Exit Function
    End If
    account = Left(text, pos - 1)
    access = UCase(Mid(text, pos + 1))
    If access <> "R" And access <> "F" Then
        ParseGrant = "Unknown right '" & Mid(text, pos + 1) & "': use R (read) or F (full control)."
        Exit Function
    End If
    parts = Split(account, "\")
    If UBound(parts) > 1 Or UBound(parts) < 0 Then
        ParseGrant = "Not a valid account name: '" & account & "'"
        Exit Function
    End If
    For Each part In parts
        If Trim(part) = "" Or Not IsAccountText(part) Then
            ParseGrant = "Not a valid account name: '" & account & "'"
            Exit Function
        End If
    Next
    g_account = account
    g_right = access
    ParseGrant = ""
End Function

Function IsAccountText(text)
    Dim i
    IsAccountText = False
    For i = 1 To Len(text)
        If InStr(FORBIDDEN_IN_ACCOUNT, Mid(text, i, 1)) > 0 Then Exit Function
        If Asc(Mid(text, i, 1)) < 32 Then Exit Function
    Next
    IsAccountText = True
End Function

' Quotes an argument for cacls, which splits its command line like the C runtime: a
' trailing backslash (a drive root such as C:\) is doubled so that it does not escape
' the closing quote.
Function Quote(text)
    If Right(text, 1) = "\" Then
        Quote = """" & text & "\"""
    Else
        Quote = """" & text & """"
    End If
End Function

Function ContentsPattern(folder)
    If Right(folder, 1) = "\" Then
        ContentsPattern = folder & "*"
    Else
        ContentsPattern = folder & "\*"
    End If
End Function

' cacls fails on a pattern that matches nothing, so an empty folder is left out of the
' recursive run. When the folder cannot be listed, cacls is asked anyway and reports.
Function HasContents(fso, folder)
    Dim f
    HasContents = True
    On Error Resume Next
    Set f = fso.GetFolder(folder)
    If Err.Number = 0 Then
        If f.Files.Count + f.SubFolders.Count = 0 Then
            If Err.Number = 0 Then HasContents = False
        End If
    End If
    Err.Clear
    On Error GoTo 0
End Function

' Runs cacls hidden and waits for it; with /E it asks no question. Ends the script
' with cacls's own code when it fails. WScript.Shell's Run replaces %NAME% in the
' command text; the folder and account were checked to hold no percent sign, and the
' system folder's path holds none either.
Sub RunCacls(cacls, arguments)
    Dim shell, code, commandLine
    commandLine = Quote(cacls) & " " & arguments
    If InStr(commandLine, "%") > 0 Then
        Fail EXIT_BAD_USAGE, "A percent sign would be replaced before cacls.exe sees it: " & commandLine
    End If
    On Error Resume Next
    Set shell = CreateObject("WScript.Shell")
    code = shell.Run(commandLine, 0, True)
    If Err.Number <> 0 Then
        Dim description
        description = Err.Description
        On Error GoTo 0
        Fail EXIT_CANNOT_START, "Could not start " & commandLine & ": " & description
    End If
    On Error GoTo 0
    If code <> 0 Then
        Fail code, "cacls.exe failed with exit code " & code & ": " & commandLine
    End If
End Sub

' Prints the message on the error stream and ends the script. Script hosts without an
' error stream (the windowed host, or hosts that do not offer one) show it with Echo.
Sub Fail(code, message)
    Dim written
    On Error Resume Next
    WScript.StdErr.WriteLine "XCACLS.vbs: " & message
    written = (Err.Number = 0)
    Err.Clear
    On Error GoTo 0
    If Not written Then WScript.Echo "XCACLS.vbs: " & message
    WScript.Quit code
End Sub
