; Plinvo's setup program. Built by packages.cmake, which passes:
;   VERSION  the four-part version (3.2.0.100)
;   FILES    an include that lists the program folder's files (FileList.cmake writes it)
;   ICON     the program icon
;   OUTFILE  the setup file to write
; It installs into <Program Files>\Plinvo for every user of the computer: a folder only
; administrators may change, since the program runs elevated and loads files from its folder.
;
; Written for NSIS 3.08 as Debian 12 packages it (nsis 3.08-3+deb12u1; makensis -VERSION).
; It calls no plug-in: NSIS unpacks plug-ins into the user's temporary folder and runs them
; from there, a folder the user's own unelevated programs can change, while the setup runs
; with administrator rights.
!if ${NSIS_PACKEDVERSION} < 0x03008000
  !error "Plinvo's setup is written for NSIS 3.08 or later"
!endif
Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestSupportedOS all

!define PRODUCT "Plinvo"
!define PUBLISHER "Trelbane Software"
!define WEBSITE "http://www.trelbane.example"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; Written and removed again at the start: only an administrator may write it. Not under
; Software, where XP's power users may write too: they may read the system's own hive only.
!define RIGHTS_CHECK_KEY "SYSTEM\${PRODUCT} Setup Rights Check"
; The event log's source: Event Viewer reads the events' words from the program's message table.
!define EVENT_SOURCE_KEY "SYSTEM\CurrentControlSet\Services\Eventlog\Application\${PRODUCT}"

!include "${FILES}"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$PROGRAMFILES\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 ${PUBLISHER}. All rights reserved."

Page directory
Page instfiles
UninstPage uninstConfirm "" "" un.RestoreWindowsSettings
UninstPage instfiles

; Set when the uninstaller has put the Windows settings back.
Var SettingsRestored

Function .onInit
  SetShellVarContext all
  ; Files under Program Files and the entry in Add or Remove Programs need an administrator;
  ; on XP nothing asks for the rights (nor on Vista when the setup is started so that it does
  ; not ask), so say it instead of failing half-way. Whether the computer's settings may be
  ; written is the check, with no plug-in: a key of its own, written and removed at once.
  ClearErrors
  WriteRegStr HKLM "${RIGHTS_CHECK_KEY}" "" "${VERSION}"
  IfErrors 0 mayInstall
    MessageBox MB_OK|MB_ICONSTOP "Only an administrator can install ${PRODUCT}. Log on as an administrator and run the setup again." /SD IDOK
    Abort
mayInstall:
  DeleteRegKey HKLM "${RIGHTS_CHECK_KEY}"
FunctionEnd

Section "${PRODUCT}" SecProgram
  SetOutPath "$INSTDIR"
  !insertmacro PLINVO_INSTALL_FILES
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  ; Plinvo keeps the settings it saves under the data folder of all users, in a folder only the
  ; administrators and the system may change; any user could create it first. NSIS sets no
  ; access lists, and a system tool could not make the folder and its list in one step (nor take
  ; over one a user made), so Plinvo makes it itself, as it would at its first "Apply".
  ClearErrors
  ExecWait '"$INSTDIR\Plinvo.exe" /CreateSettingsFolder' $0
  IfErrors 0 +2
    StrCpy $0 "not started"
  StrCmp $0 0 +2
    DetailPrint "Plinvo's folder for saved settings was not made now ($0); Plinvo makes it when it first needs it."

  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\Plinvo.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT} Help.lnk" "$INSTDIR\help.chm"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\${UNINSTALLER}"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "URLInfoAbout" "${WEBSITE}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Plinvo.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegExpandStr HKLM "${EVENT_SOURCE_KEY}" "EventMessageFile" "$INSTDIR\Plinvo.exe"
  WriteRegDWORD HKLM "${EVENT_SOURCE_KEY}" "TypesSupported" 7
  SectionGetSize ${SecProgram} $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
  SetShellVarContext all
  StrCpy $SettingsRestored 0
FunctionEnd

; Once the user has confirmed the uninstall on its page, and before anything is removed, an
; uninstall that someone watches offers to put back the Windows settings that the share modes
; changed, through Plinvo's own restore: Cancel on that page leaves Plinvo and the settings as
; they are. A silent uninstall (many computers, a script) shows no page and leaves the settings:
; nobody is there to be asked.
Function un.RestoreWindowsSettings
  MessageBox MB_YESNO|MB_ICONQUESTION "Put back the Windows settings that ${PRODUCT} changed (sharing, firewall, guest account) before removing it?" IDNO done
  ClearErrors
  ExecWait '"$INSTDIR\Plinvo.exe" /RestoreWindowsSettings' $0
  IfErrors notStarted
  StrCmp $0 0 0 failed
  StrCpy $SettingsRestored 1
  Goto done
notStarted:
  MessageBox MB_YESNO|MB_ICONEXCLAMATION "${PRODUCT} could not be started to put back the Windows settings: $INSTDIR\Plinvo.exe is missing, or Windows refused to start it. The settings stay as ${PRODUCT} left them.$\r$\n$\r$\nRemove ${PRODUCT} anyway?" IDYES done
  Quit
failed:
  ; Plinvo's restore ends with 1 when Windows refused a setting or its saved copy of the
  ; settings could not be read or trusted; anything else means it stopped on the way.
  StrCmp $0 1 0 stopped
  MessageBox MB_YESNO|MB_ICONEXCLAMATION "${PRODUCT} could not put back all the Windows settings it changed: Windows refused some of them, or ${PRODUCT}'s saved copy of the settings could not be read.$\r$\n$\r$\nTo see which settings stay changed, choose No, start ${PRODUCT} and choose $\"Restore Windows Settings...$\" in its File menu.$\r$\n$\r$\nRemove ${PRODUCT} anyway?" IDYES done
  Quit
stopped:
  MessageBox MB_YESNO|MB_ICONEXCLAMATION "${PRODUCT} stopped before it had put back the Windows settings (exit code $0): some of them may still be as ${PRODUCT} set them.$\r$\n$\r$\nTo try again, choose No, start ${PRODUCT} and choose $\"Restore Windows Settings...$\" in its File menu.$\r$\n$\r$\nRemove ${PRODUCT} anyway?" IDYES done
  Quit
done:
FunctionEnd

Section "Uninstall"
  !insertmacro PLINVO_REMOVE_FILES
  Delete "$INSTDIR\${UNINSTALLER}"
  ; config.ini records the applied mode. Once the settings are back it records nothing true;
  ; otherwise it stays, with anything else Plinvo wrote, beside where the program was.
  StrCmp $SettingsRestored 1 0 +2
    Delete "$INSTDIR\config.ini"
  ; The uninstaller must not stand in the folder it removes.
  SetOutPath "$TEMP"
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT} Help.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "${EVENT_SOURCE_KEY}"
SectionEnd
