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
' Exit codes: 0 done; 87 bad usage; 3 the folder does not exist; 2 cacls.exe is
' missing; 1 cacls.exe could not be started, or the script itself failed; any other
' value is cacls.exe's own failure code.

Option Explicit

Const EXIT_OK = 0
Const EXIT_CANNOT_START = 1
Const EXIT_SCRIPT_ERROR = 1
Const EXIT_NO_CACLS = 2
Const EXIT_NO_FOLDER = 3
Const EXIT_BAD_USAGE = 87

Const USAGE = "Usage: cscript XCACLS.vbs ""<folder>"" [/T] /G <account>:R|F /E"

' Characters that Windows does not allow in account names.
Const FORBIDDEN_IN_ACCOUNT = """/[]:;|=,+*?<>"

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

    Dim fso
    Set fso = CreateObject("Scripting.FileSystemObject")
    If Not fso.FolderExists(g_folder) Then
        If fso.FileExists(g_folder) Then
            Fail EXIT_NO_FOLDER, "Not a folder: " & g_folder
        End If
        Fail EXIT_NO_FOLDER, "The folder does not exist: " & g_folder
    End If
    g_folder = fso.GetAbsolutePathName(g_folder)

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
        If HasContents(fso, g_folder) Then
            RunCacls cacls, Quote(ContentsPattern(g_folder)) & " /T /E /G " & grant
        End If
    End If
    WScript.Quit EXIT_OK
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
' with cacls's own code when it fails.
Sub RunCacls(cacls, arguments)
    Dim shell, code, commandLine
    commandLine = Quote(cacls) & " " & arguments
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
