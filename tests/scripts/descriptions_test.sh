#!/bin/bash
# Loads each share-mode description into a RichEdit control under Wine (rtf_probe.c) and
# checks what a user would read there: the file is taken as rich text, no RTF markup
# shows through, the heading is the mode's caption, and the text tells the same story
# as the mode's recipe (switch values, ports, guest account, restart).
#
# Needs: wine (32-bit), i686-w64-mingw32-gcc. Usage: tests/scripts/descriptions_test.sh
set -u

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
descriptions=$repo/sharemode/descriptions

work=$(mktemp -d /tmp/descriptions-test.XXXXXX)
. "$here/wine_prefix.sh"
make_prefix null

i686-w64-mingw32-gcc -O2 -o "$work/rtf_probe.exe" "$here/rtf_probe.c" ||
    { echo "FAIL: cannot build rtf_probe"; exit 1; }

failures=0
fail() {
    echo "FAIL: $name: $*"
    failures=$((failures + 1))
}
has() {
    printf '%s' "$text" | grep -qF -- "$1" || fail "does not say: $1"
}
lacks() {
    printf '%s' "$text" | grep -qF -- "$1" && fail "should not say: $1"
}

# load NAME: the plain text that the control shows for sharemode/descriptions/NAME.
load() {
    name=$1
    local file=$descriptions/$name
    text=""
    [ -f "$file" ] || { fail "missing"; return; }
    head -c 11 "$file" | grep -qF '{\rtf1\ansi' || fail "does not start with {\\rtf1\\ansi"
    LC_ALL=C grep -q '[^[:print:][:space:]]' "$file" && fail "holds bytes outside printable ASCII"
    grep -qF '{\fonttbl{\f0\fswiss\fcharset0 MS Sans Serif;}}' "$file" || fail "font is not MS Sans Serif"
    cp "$file" "$drive_c/description.rtf"
    wine "$work/rtf_probe.exe" 'C:\description.rtf' >"$work/text" 2>/dev/null
    local code=$?
    [ "$code" = 0 ] || fail "the rich-edit control did not load it as RTF (probe code $code)"
    text=$(tr -d '\r' <"$work/text")
    printf '%s' "$text" | grep -q '[\\{}]' && fail "RTF markup shows through: $(printf '%s' "$text" | grep '[\\{}]' | head -1)"
    [ "$(printf '%s\n' "$text" | head -1)" = "$2" ] || fail "heading is not '$2'"
    has 'TCP 139 and 445, UDP 137 and 138'
    has 'Press "Apply" to use this mode.'
}

load stop_share_help.rtf "Stop Share"
has 'are closed for your local network'
has '"restrictanonymous" set to 1'
has '"limitblankpassworduse" set to 1'
has 'The guest account and its right to log on from the network are left as they are.'
lacks 'forceguest'
lacks 'You need to restart'
has 'which Vista does not use'
has 'If Zendry Share switched the guest account on, it stays on.'
lacks 'Nothing: visitors cannot open'

load zendry_share_help.rtf "Zendry Share"
has 'opened for your local network only'
has '"restrictanonymous" set to 0'
has '"limitblankpassworduse" set to 0'
has '"forceguest" set to 1'
has 'The guest account "Guest" is switched on, gets the right to log on from the network'
has '"Only Read"'
has '"Full Control"'
has 'You need to restart this computer before this mode takes effect.'
has 'These two choices decide what guest visitors may do, nothing else.'
has 'It stays switched on when you later choose another mode.'
has 'On Windows XP Home Edition every visitor comes in as the guest account'
has 'network location is Private'

load normal_share_help.rtf "Normal Share"
has 'opened for your local network only'
has '"restrictanonymous" set to 0'
has '"limitblankpassworduse" set to 1'
has '"forceguest" set to 0'
has 'The guest account "Guest" loses its right to log on from the network and is denied that logon.'
has 'The account itself is not switched off.'
has 'On Windows Vista they let in the guest account only, so in Normal Share no one can open them.'
has 'Normal Share cannot work on Windows XP Home Edition'
has 'network location is Private'
has 'You need to restart this computer before this mode takes effect.'

# The probe itself must tell rich text from plain text, or the checks above prove nothing.
name="plain text probe"
printf 'Stop Share\r\n' >"$drive_c/description.rtf"
wine "$work/rtf_probe.exe" 'C:\description.rtf' >/dev/null 2>&1
[ $? = 3 ] || fail "plain text was taken as RTF"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "descriptions_test: all checks passed"
