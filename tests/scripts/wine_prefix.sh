# Sourced by the tests of this folder: a throwaway 32-bit Wine prefix under $work, which
# the caller has created with mktemp -d. Ends the prefix's wineserver and removes $work
# when the test exits.
export WINEARCH=win32 WINEPREFIX=$work/prefix WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

cleanup_prefix() {
    wineserver -k >/dev/null 2>&1
    rm -rf "$work"
}
trap cleanup_prefix EXIT

# make_prefix [null]: boots the prefix; with "null", windows are made without a display.
make_prefix() {
    wineboot -i >/dev/null 2>&1 || { echo "FAIL: cannot create a wine prefix"; exit 1; }
    if [ "${1:-}" = null ]; then
        wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
        wineserver -w
    fi
    drive_c=$WINEPREFIX/drive_c
    sys32=$drive_c/windows/system32
}
