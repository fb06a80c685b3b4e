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
; Written and removed again at the start: only an administrator may write it.
!define RIGHTS_CHECK_KEY "Software\${PRODUCT} Setup Rights Check"

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
UninstPage uninstConfirm
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
  SectionGetSize ${SecProgram} $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Before anything is removed, an uninstall that someone watches offers to put back the Windows
; settings that the share modes changed, through Plinvo's own restore. A silent uninstall (many
; computers, a script) leaves them as they are: nobody is there to be asked.
Function un.onInit
  SetShellVarContext all
  StrCpy $SettingsRestored 0
  IfSilent done
  MessageBox MB_YESNO|MB_ICONQUESTION "Put back the Windows settings that ${PRODUCT} changed (sharing, firewall, guest account) before removing it?" IDNO done
  ClearErrors
  ExecWait '"$INSTDIR\Plinvo.exe" /RestoreWindowsSettings' $0
  IfErrors notStarted
  StrCmp $0 0 0 failed
  StrCpy $SettingsRestored 1
  Goto done
notStarted:
  MessageBox MB_YESNO|MB_ICONEXCLAMATION "${PRODUCT} could not be started to put back the Windows settings. Remove ${PRODUCT} anyway?" IDYES done
  Abort
failed:
  MessageBox MB_YESNO|MB_ICONEXCLAMATION "${PRODUCT} could not put back all the Windows settings (exit code $0). Remove ${PRODUCT} anyway?" IDYES done
  Abort
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
SectionEnd
