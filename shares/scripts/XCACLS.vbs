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
' The work is done by grantitems.exe, which lies beside this script in the program folder
' and is started by its full path there. Rights set through a path land wherever the path
' leads, so the tool works through handles instead: it opens the folder one name at a time
' from the drive's root, and everything below it relative to its already-open folder,
' never following a junction, symbolic link or mounted drive; it checks on each open
' handle that it holds the item the folder listed, and adds the entry through that handle.
' Links, and files with more than one name (hard links, whose other names may lie outside
' the folder), are left out; so is anything replaced meanwhile or that cannot be changed.
'
' The script runs with administrator rights on folders that other users can change. The
' tool is started through WScript.Shell, which replaces %NAME% in the command by the
' environment variable NAME, so a folder or account with a percent sign is refused (as is
' a folder with a double quote, which would end its quoted form). FAT and exFAT drives
' keep no access lists: nothing can be granted there.
'
' Exit codes: 0 done; 87 bad usage (a percent sign or quote included); 3 the folder does
' not exist; 4 the folder is or lies inside a junction, symbolic link or mounted drive, or
' was replaced while it was opened; 50 the drive's file system keeps no access lists; 2
' grantitems.exe is missing; 1 it could not be started, or the script itself failed; 65 to
' 79 the folder was granted but items below it were left out: 64 plus 1 for links, 2 for
' files with more than one name, 4 for items replaced meanwhile, 8 for items that could not
' be changed; any other value is grantitems.exe's own failure code (5 the folder's rights
' could not be changed, 6 the account was not found).

Option Explicit

Const EXIT_OK = 0
Const EXIT_CANNOT_START = 1
Const EXIT_SCRIPT_ERROR = 1
Const EXIT_NO_TOOL = 2
Const EXIT_NO_FOLDER = 3
Const EXIT_REPARSE_POINT = 4
Const EXIT_NO_ACCESS_LISTS = 50
Const EXIT_BAD_USAGE = 87
Const EXIT_LEFT_OUT_FIRST = 65
Const EXIT_LEFT_OUT_LAST = 79

Const USAGE = "Usage: cscript XCACLS.vbs ""<folder>"" [/T] /G <account>:R|F /E"
Const TOOL = "grantitems.exe"

' Characters that Windows does not allow in account names.
Const FORBIDDEN_IN_ACCOUNT = """/[]:;|=,+*?<>%"

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

    Dim fileSystem
    fileSystem = DriveFileSystem(fso, g_folder)
    If fileSystem = "FAT" Or fileSystem = "exFAT" Then
        Fail EXIT_NO_ACCESS_LISTS, "The " & fileSystem & " file system keeps no access rights for files and folders: nothing can be granted on " & g_folder
    End If

    Dim grantTool
    grantTool = fso.BuildPath(fso.GetParentFolderName(WScript.ScriptFullName), TOOL)
    If Not fso.FileExists(grantTool) Then
        Fail EXIT_NO_TOOL, TOOL & " was not found beside the script: " & grantTool
    End If

    Dim grant, arguments
    grant = g_account & ":" & g_right
    If InStr(grant, " ") > 0 Then grant = """" & grant & """"
    arguments = " /G " & grant
    If g_recurse Then arguments = arguments & " /T"
    RunTool grantTool, arguments & " " & Quote(g_folder)
End Sub

' The drive's file-system name ("NTFS", "FAT32", ...); "" when it cannot be read.
Function DriveFileSystem(fso, folder)
    DriveFileSystem = ""
    On Error Resume Next
    DriveFileSystem = fso.GetDrive(fso.GetDriveName(folder)).FileSystem
    Err.Clear
    On Error GoTo 0
End Function

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

' Quotes an argument for the tool, which splits its command line like the C runtime: a
' trailing backslash (a drive root such as C:\) is doubled so that it does not escape
' the closing quote.
Function Quote(text)
    If Right(text, 1) = "\" Then
        Quote = """" & text & "\"""
    Else
        Quote = """" & text & """"
    End If
End Function

' Runs the tool hidden, waits for it and ends the script with its exit code, saying what
' the code means. WScript.Shell's Run replaces %NAME% in the command text; the folder and
' account were checked to hold no percent sign, and the command is checked once more.
Sub RunTool(grantTool, arguments)
    Dim shell, code, commandLine
    commandLine = Quote(grantTool) & arguments
    If InStr(commandLine, "%") > 0 Then
        Fail EXIT_BAD_USAGE, "A percent sign would be replaced before " & TOOL & " sees it: " & commandLine
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
    Select Case code
        Case EXIT_OK
            WScript.Quit EXIT_OK
        Case EXIT_NO_FOLDER
            Fail code, "The folder does not exist or is not a folder: " & g_folder
        Case EXIT_REPARSE_POINT
            Fail code, "The folder is, or lies inside, a junction, symbolic link or mounted drive, or was replaced while it was opened: rights granted there would land on the folder it leads to. Nothing was granted on " & g_folder
        Case EXIT_NO_ACCESS_LISTS
            Fail code, "The drive keeps no access rights for files and folders: nothing can be granted on " & g_folder
    End Select
    If code >= EXIT_LEFT_OUT_FIRST And code <= EXIT_LEFT_OUT_LAST Then
        Fail code, "The rights were granted on " & g_folder & ", but links, files with more than one name, or items that were replaced or could not be changed below it were left out (code " & code & ")."
    End If
    Fail code, TOOL & " failed with exit code " & code & ": " & commandLine
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
