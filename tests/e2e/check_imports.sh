#!/usr/bin/env bash
# Fails when a program file would not start on Windows XP: it asks for a newer subsystem
# version, imports a DLL that XP does not have, or imports a function that XP's system DLLs
# lack (such calls must be loaded with GetProcAddress instead).
# With --known-dlls-only it also fails on any DLL imported by name that is not a known system
# library on both XP and Vista: the system looks for any other one in the program's own folder
# first, so an elevated program must load it by full path at run time.
# Usage: check_imports.sh [--known-dlls-only] FILE.exe [FILE.exe ...]
set -u
OBJDUMP=${OBJDUMP:-i686-w64-mingw32-objdump}

# The KnownDLLs entries that XP and Vista share (lower case). msvcrt.dll, the C runtime of every
# program this tool chain builds, is on Vista's list; on XP the libraries of the list import it,
# and the system maps the libraries they import as known ones too.
KNOWN_DLLS='advapi32.dll comdlg32.dll gdi32.dll imagehlp.dll kernel32.dll ole32.dll oleaut32.dll
rpcrt4.dll shell32.dll urlmon.dll user32.dll wininet.dll wldap32.dll msvcrt.dll'
known_only=0
if [ "${1:-}" = "--known-dlls-only" ]; then
  known_only=1
  shift
fi

# DLLs that XP does not ship (lower case; * matches any text).
MISSING_DLLS='api-ms-win-* ext-ms-* dwmapi.dll bcrypt.dll ncrypt.dll ucrtbase.dll vcruntime*.dll
msvcp1[4-9]*.dll propsys.dll shcore.dll wevtapi.dll ktmw32.dll tdh.dll wer.dll dwrite.dll d2d1.dll
dxgi.dll mfplat.dll'

# Functions of the system DLLs that came with Vista or later, as "dll:pattern".
MISSING_FUNCTIONS='
kernel32.dll:GetTickCount64
kernel32.dll:*SRWLock*
kernel32.dll:*ConditionVariable*
kernel32.dll:InitOnce*
kernel32.dll:Fls*
kernel32.dll:*Threadpool*
kernel32.dll:CreateSymbolicLink*
kernel32.dll:GetFinalPathNameByHandle*
kernel32.dll:CancelIoEx
kernel32.dll:CancelSynchronousIo
kernel32.dll:CreateEventEx*
kernel32.dll:CreateMutexEx*
kernel32.dll:CreateSemaphoreEx*
kernel32.dll:CreateWaitableTimerEx*
kernel32.dll:GetFileInformationByHandleEx
kernel32.dll:SetFileInformationByHandle
kernel32.dll:InitializeCriticalSectionEx
kernel32.dll:*LocaleName*
kernel32.dll:GetLocaleInfoEx
kernel32.dll:LCMapStringEx
kernel32.dll:CompareStringEx
kernel32.dll:EnumSystemLocalesEx
kernel32.dll:ResolveLocaleName
kernel32.dll:QueryFullProcessImageName*
kernel32.dll:GetProductInfo
kernel32.dll:GetErrorMode
kernel32.dll:GetThreadErrorMode
kernel32.dll:SetThreadErrorMode
kernel32.dll:Wow64DisableWow64FsRedirection
kernel32.dll:Wow64RevertWow64FsRedirection
kernel32.dll:GetThreadId
kernel32.dll:GetProcessIdOfThread
kernel32.dll:GetCurrentProcessorNumber*
kernel32.dll:FlushProcessWriteBuffers
kernel32.dll:RegisterApplicationRe*
kernel32.dll:ApplicationRecovery*
kernel32.dll:SetFileCompletionNotificationModes
kernel32.dll:GetQueuedCompletionStatusEx
kernel32.dll:AddDllDirectory
kernel32.dll:RemoveDllDirectory
kernel32.dll:SetDefaultDllDirectories
kernel32.dll:GetSystemTimePreciseAsFileTime
kernel32.dll:K32*
kernel32.dll:*Transacted*
kernel32.dll:CopyFile2
kernel32.dll:CreateFile2
kernel32.dll:GetDynamicTimeZoneInformation
kernel32.dll:GetTimeZoneInformationForYear
kernel32.dll:IdnTo*
kernel32.dll:InterlockedCompareExchange64
kernel32.dll:GetOverlappedResultEx
kernel32.dll:WaitOnAddress
kernel32.dll:WakeByAddress*
kernel32.dll:SetWaitableTimerEx
kernel32.dll:CreateRemoteThreadEx
kernel32.dll:GetActiveProcessorCount
kernel32.dll:GetMaximumProcessorCount
kernel32.dll:ReOpenFile
kernel32.dll:*ProcThreadAttribute*
kernel32.dll:FindFirstFileNameW
kernel32.dll:FindFirstStreamW
kernel32.dll:GetVolumeInformationByHandleW
kernel32.dll:QueryThreadCycleTime
kernel32.dll:QueryProcessCycleTime
kernel32.dll:*ConsoleScreenBufferInfoEx
kernel32.dll:*CurrentConsoleFontEx
kernel32.dll:GetConsoleOriginalTitle*
kernel32.dll:SetThreadStackGuarantee
advapi32.dll:RegGetValue*
advapi32.dll:RegDeleteTree*
advapi32.dll:RegCopyTree*
advapi32.dll:RegDeleteKeyEx*
advapi32.dll:RegSetKeyValue*
advapi32.dll:RegDeleteKeyValue*
advapi32.dll:RegLoadMUIString*
advapi32.dll:Reg*Transacted*
advapi32.dll:Event*
advapi32.dll:AddMandatoryAce
advapi32.dll:TreeSetNamedSecurityInfo*
advapi32.dll:TreeResetNamedSecurityInfo*
advapi32.dll:LsaLookupSids2
advapi32.dll:CreateProcessWithTokenW
advapi32.dll:CheckTokenMembershipEx
user32.dll:ChangeWindowMessageFilter*
user32.dll:SetProcessDPIAware
user32.dll:IsProcessDPIAware
user32.dll:*ClipboardFormatListener
user32.dll:ShutdownBlockReason*
user32.dll:*PowerSettingNotification
user32.dll:LogicalToPhysicalPoint
user32.dll:PhysicalToLogicalPoint
user32.dll:*DisplayAffinity
user32.dll:*Touch*
user32.dll:*Gesture*
user32.dll:GetDpiFor*
user32.dll:CalculatePopupWindowPosition
shell32.dll:SHGetKnownFolder*
shell32.dll:SHCreateItemFrom*
shell32.dll:SHGetStockIconInfo
shell32.dll:SHOpenWithDialog
shell32.dll:SHGetPropertyStoreForWindow
shell32.dll:SetCurrentProcessExplicitAppUserModelID
comctl32.dll:TaskDialog*
comctl32.dll:LoadIconMetric
comctl32.dll:LoadIconWithScaleDown
ws2_32.dll:inet_pton
ws2_32.dll:inet_ntop
ws2_32.dll:InetPton*
ws2_32.dll:InetNtop*
ws2_32.dll:WSAPoll
ws2_32.dll:GetAddrInfoEx*
ws2_32.dll:FreeAddrInfoEx*
ws2_32.dll:WSASendMsg
ws2_32.dll:WSAConnectByName*
msvcrt.dll:*_s
msvcrt.dll:*_l
msvcrt.dll:_fseeki64
msvcrt.dll:_ftelli64
msvcrt.dll:_get_errno
msvcrt.dll:_set_errno
msvcrt.dll:_*_invalid_parameter_handler
msvcrt.dll:_time32
msvcrt.dll:_ctime32
msvcrt.dll:_difftime32
msvcrt.dll:_gmtime32
msvcrt.dll:_localtime32
msvcrt.dll:_mktime32
'

shopt -s nocasematch
status=0
if [ $# -eq 0 ]; then
  echo "usage: $0 FILE.exe [FILE.exe ...]" >&2
  exit 2
fi
for file in "$@"; do
  if ! dump=$("$OBJDUMP" -p "$file" 2>&1); then
    echo "FAIL $file: cannot read its headers: $dump"
    status=1
    continue
  fi
  problems=()
  major=$(awk '$1 == "MajorSubsystemVersion" {print $2}' <<<"$dump")
  minor=$(awk '$1 == "MinorSubsystemVersion" {print $2}' <<<"$dump")
  if [ -n "$major" ] && { [ "$major" -gt 5 ] || { [ "$major" -eq 5 ] && [ "$minor" -gt 1 ]; }; }; then
    problems+=("subsystem version $major.$minor (XP runs 5.1 at most)")
  fi
  # "dll function" per imported function.
  imports=$(awk '
    /^[ \t]*DLL Name:/ { dll = tolower($3); next }
    /^[ \t]*$/ { next }
    dll != "" && /^[ \t]+[0-9a-f]+[ \t]+[0-9]+[ \t]+[A-Za-z_?@$]/ { print dll, $NF; next }
    /^[ \t]*vma:/ { next }
  ' <<<"$dump")
  dlls=$(grep -o 'DLL Name: .*' <<<"$dump" | sed 's/DLL Name: //')
  for dll in $dlls; do
    if [ $known_only -eq 1 ] && ! grep -qiw -- "$dll" <<<"$KNOWN_DLLS"; then
      problems+=("imports $dll by name, not a known system library on both XP and Vista")
    fi
    for pattern in $MISSING_DLLS; do
      # shellcheck disable=SC2053  # the pattern is meant to match as a glob
      [[ $dll == $pattern ]] && problems+=("imports $dll")
    done
  done
  while read -r dll function; do
    [ -z "$dll" ] && continue
    while IFS=: read -r rule_dll rule_pattern; do
      [ -z "$rule_dll" ] && continue
      # shellcheck disable=SC2053
      if [[ $dll == "$rule_dll" && $function == $rule_pattern ]]; then
        problems+=("imports $function from $dll")
      fi
    done <<<"$MISSING_FUNCTIONS"
  done <<<"$imports"
  if [ "$(wc -l <<<"$imports")" -lt 1 ] || [ -z "$imports" ]; then
    problems+=("no imports found (not a PE program?)")
  fi
  if [ ${#problems[@]} -eq 0 ]; then
    echo "PASS $file: runs on XP as far as its imports tell"
  else
    status=1
    for p in "${problems[@]}"; do echo "FAIL $file: $p"; done
  fi
done
exit $status
