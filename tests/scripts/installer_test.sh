#!/bin/bash
# Checks installer/Plinvo.nsi as makensis builds it: it compiles, and neither the setup nor its
# uninstaller calls a plug-in. NSIS unpacks a plug-in into the user's temporary folder and runs
# it from there, a folder that the user's unelevated programs can change while the setup runs
# with administrator rights (UserInfo.dll used to run that way before the setup's rights check).
#
# Needs: makensis. Usage: tests/scripts/installer_test.sh
set -u

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
work=$(mktemp -d /tmp/installer-test.XXXXXX)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The packaging step writes the file list; one small file stands in for the program folder.
echo "stand-in" >"$work/Plinvo.exe"
cat >"$work/files.nsh" <<NSH
!macro PLINVO_INSTALL_FILES
  File "$work/Plinvo.exe"
!macroend
!macro PLINVO_REMOVE_FILES
  Delete "\$INSTDIR\\Plinvo.exe"
!macroend
NSH

# At -V4 makensis lists every instruction it compiles, plug-in calls and the files they unpack
# included.
if ! makensis -V4 -DVERSION=3.2.0.100 -DFILES="$work/files.nsh" -DICON="$repo/app/win32/Plinvo.ico" \
    -DOUTFILE="$work/setup.exe" "$repo/installer/Plinvo.nsi" >"$work/listing.txt" 2>&1; then
    tail -n 5 "$work/listing.txt"
    fail "makensis could not build the setup"
fi
grep -q '^Function: "\.onInit"' "$work/listing.txt" || fail "no listing of the setup's start"
calls=$(grep -E '^Plugin command:|\$PLUGINSDIR' "$work/listing.txt")
[ -z "$calls" ] || fail "plug-ins called or unpacked: $calls"

if [ "$failures" -ne 0 ]; then
    echo "installer: $failures failure(s)"
    exit 1
fi
echo "installer: setup script builds and calls no plug-in"
