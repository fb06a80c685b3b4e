#!/bin/bash
# Runs XCACLS.vbs under Wine's cscript in a throwaway 32-bit prefix.
#
# First with a recording stand-in (grantitems_standin.c) in place of grantitems.exe: the
# command lines the script gives the tool, its own refusals, and the tool's exit codes passed
# on with their messages. Then with the real grantitems.exe (built by ./build.sh into
# dist/Plinvo): the round trip through the script, which under Wine shows the links and hard
# links left out. Wine keeps no real access lists; it turns what is set into the Unix mode of
# the file, so a changed mode shows that an item was granted, an unchanged one that it was not.
#
# Wine's script host has no WScript.StdErr; the script then falls back to Echo, so a
# message is looked for on either stream, and when stderr has text it must be the message.
#
# Needs: wine (32-bit), i686-w64-mingw32-gcc. Usage: tests/scripts/xcacls_test.sh
set -u

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
script=$repo/shares/scripts/XCACLS.vbs
tool=${GRANTITEMS_EXE:-$repo/dist/Plinvo/grantitems.exe}
[ -f "$tool" ] || { echo "FAIL: no $tool (./build.sh makes it)"; exit 1; }

work=$(mktemp -d /tmp/xcacls-test.XXXXXX)
. "$here/wine_prefix.sh"
make_prefix

i686-w64-mingw32-gcc -O2 -o "$work/standin.exe" "$here/grantitems_standin.c" ||
    { echo "FAIL: cannot build the grantitems stand-in"; exit 1; }
program="$drive_c/Program Files/Plinvo"
export GRANT_STANDIN_LOG='C:\standin.log'

# The prefix's own links into the tester's home folder become plain folders: the drive holds
# only the links that a test makes.
find "$drive_c" -type l | while read -r link; do rm "$link" && mkdir "$link"; done
mkdir -p "$program" "$drive_c/My Data/sub" "$drive_c/Empty"
cp "$script" "$program/XCACLS.vbs"
cp "$work/standin.exe" "$program/grantitems.exe"
echo hello >"$drive_c/My Data/sub/a.txt"
echo hello >"$drive_c/a file.txt"

failures=0
fail() {
    echo "FAIL: $case_name: $*"
    failures=$((failures + 1))
}

# run NAME ARGS...: runs the script through a batch file so that the command line reaches
# the script host exactly as written (ARGS are pasted in as Windows command-line text).
run() {
    case_name=$1
    shift
    rm -f "$drive_c/standin.log"
    printf '@cscript.exe //Nologo "C:\\Program Files\\Plinvo\\XCACLS.vbs" %s\r\n@exit %%ERRORLEVEL%%\r\n' \
        "$*" >"$drive_c/case.bat"
    wine cmd /c 'C:\case.bat' >"$work/out" 2>"$work/err"
    code=$?
    out=$(tr -d '\r' <"$work/out")
    err=$(tr -d '\r' <"$work/err")
    calls=""
    [ -f "$drive_c/standin.log" ] && calls=$(tr -d '\r' <"$drive_c/standin.log")
}

expect_code() {
    [ "$code" = "$1" ] || fail "exit code $code, expected $1 (stdout: $out; stderr: $err)"
}

# The message must name the problem; when the host has an error stream, it is there.
expect_message() {
    printf '%s\n%s\n' "$out" "$err" | grep -qF -- "$1" || fail "no message '$1' (stdout: $out; stderr: $err)"
    if [ -n "$err" ]; then
        printf '%s\n' "$err" | grep -qF -- "$1" || fail "stderr has other text: $err"
    fi
}

expect_calls() {
    local want
    want=$(printf '%s\n' "$@")
    [ "$calls" = "$want" ] || fail "grantitems calls were:
$calls
expected:
$want"
}

expect_no_calls() {
    [ -z "$calls" ] || fail "grantitems was run: $calls"
}

# --- Bad usage: code 87, a message naming the problem, and the tool never runs. ---------
bad_usage() {
    local name=$1 message=$2
    shift 2
    run "$name" "$@"
    expect_code 87
    expect_message "$message"
    expect_message "Usage: cscript XCACLS.vbs"
    expect_no_calls
}
bad_usage "no arguments" "No arguments given."
bad_usage "folder only" "/G account:R or /G account:F is required." '"C:\My Data"'
bad_usage "no /E" "/E is required" '"C:\My Data" /T /G Guest:R'
bad_usage "no /G" "/G account:R or /G account:F is required." '"C:\My Data" /T /E'
bad_usage "no folder" "No folder given." '/T /G Guest:R /E'
bad_usage "/G last" "/G needs an account and a right" '"C:\My Data" /T /E /G'
bad_usage "/G followed by a switch" "The right after /G must be written as account:R" '"C:\My Data" /T /G /E'
bad_usage "right W" "Unknown right 'W'" '"C:\My Data" /T /G Guest:W /E'
bad_usage "right RF" "Unknown right 'RF'" '"C:\My Data" /T /G Guest:RF /E'
bad_usage "no right" "must be written as account:R or account:F, not Guest" '"C:\My Data" /T /G Guest /E'
bad_usage "empty account" "Not a valid account name: ''" '"C:\My Data" /T /G :R /E'
bad_usage "account with *" "Not a valid account name: 'Gu*est'" '"C:\My Data" /T /G Gu*est:R /E'
bad_usage "account with two backslashes" 'Not a valid account name: '"'"'A\B\C'"'" '"C:\My Data" /T /G A\B\C:R /E'
bad_usage "unknown switch" "Unknown switch: /P" '"C:\My Data" /T /G Guest:R /E /P'
bad_usage "dash switch taken as second folder" "Only one folder can be given; unexpected: -E" '"C:\My Data" /G Guest:R -E'
bad_usage "two folders" "Only one folder can be given; unexpected: C:\Empty" '"C:\My Data" "C:\Empty" /G Guest:R /E'
bad_usage "/T twice" "/T is given twice." '"C:\My Data" /T /t /G Guest:R /E'
bad_usage "/E twice" "/E is given twice." '"C:\My Data" /E /G Guest:R /E'
bad_usage "/G twice" "/G is given twice." '"C:\My Data" /G Guest:R /G Guest:F /E'
bad_usage "empty folder name" "The folder name is empty." '"" /G Guest:R /E'

# --- The folder must exist. -------------------------------------------------------------
run "missing folder" '"C:\No Such Folder" /T /G Guest:R /E'
expect_code 3
expect_message "The folder does not exist: C:\No Such Folder"
expect_no_calls

run "a file, not a folder" '"C:\a file.txt" /T /G Guest:R /E'
expect_code 3
expect_message 'Not a folder: C:\a file.txt'
expect_no_calls

# --- The command lines Plinvo runs. -----------------------------------------------------
run "read rights, whole tree" '"C:\My Data" /T /G Guest:R /E'
expect_code 0
expect_calls '/G|Guest:R|/T|C:\My Data'
[ -z "$out$err" ] || fail "a successful run printed: $out $err"

run "full control, switches reordered" '/E "C:\My Data" /G Guest:F /T'
expect_code 0
expect_calls '/G|Guest:F|/T|C:\My Data'

run "switches in lower case" '"C:\My Data" /t /g guest:f /e'
expect_code 0
expect_calls '/G|guest:F|/T|C:\My Data'

run "without /T only the folder" '"C:\My Data" /G Guest:R /E'
expect_code 0
expect_calls '/G|Guest:R|C:\My Data'

run "an empty folder" '"C:\Empty" /T /G Guest:R /E'
expect_code 0
expect_calls '/G|Guest:R|/T|C:\Empty'

run "domain account" '"C:\Empty" /G WORKGROUP\Visitor:R /E'
expect_code 0
expect_calls '/G|WORKGROUP\Visitor:R|C:\Empty'

run "account with a blank" '"C:\Empty" /G "Power Users:R" /E'
expect_code 0
expect_calls '/G|Power Users:R|C:\Empty'

# Plinvo quotes a drive root as "C:\", whose backslash escapes the closing quote for
# hosts that split like the C runtime.
run "drive root" '"C:\"  /T /G Guest:R /E'
expect_code 0
expect_calls '/G|Guest:R|/T|C:\'

# What Plinvo gives now: the root's backslash doubled inside the quotes.
run "drive root, backslash doubled" '"C:\\"  /T /G Guest:R /E'
expect_code 0
expect_calls '/G|Guest:R|/T|C:\'

# --- Nothing in the folder text is replaced. ------------------------------------------------
# Windows' script host replaces %X% in the command it runs by the user's variable X (Wine's
# does not), so such a folder must never reach it. In the batch file %% stands for %.
mkdir -p "$drive_c/share/%X%"

X='..\..\windows' run "percent sign in the folder" '"C:\share\%%X%%" /T /G Guest:R /E'
expect_code 87
expect_message 'percent sign or a double quote in its path cannot be passed on safely: C:\share\%X%'
expect_no_calls

bad_usage "percent sign in the account" "Not a valid account name: 'Gu%X%est'" '"C:\My Data" /G Gu%%X%%est:R /E'

# --- The tool's exit codes are the script's, with a message. --------------------------------
tool_code() {
    GRANT_STANDIN_EXIT=$1 run "tool exit code $1" '"C:\My Data" /T /G Guest:R /E'
    expect_code "$1"
    expect_message "$2"
    expect_calls '/G|Guest:R|/T|C:\My Data'
}
tool_code 5 "grantitems.exe failed with exit code 5"
tool_code 4 "lies inside, a junction, symbolic link or mounted drive, or was replaced"
tool_code 67 "but links, files with more than one name, or items that were replaced or could not be changed below it were left out (code 67)"

rm -f "$program/grantitems.exe"
run "no tool" '"C:\My Data" /T /G Guest:R /E'
expect_code 2
expect_message "grantitems.exe was not found beside the script: C:\Program Files\Plinvo\grantitems.exe"

# --- The real tool, started by the script: links and hard links are left out. ----------------
cp "$tool" "$program/grantitems.exe"
mkdir -p "$drive_c/Tree/a" "$drive_c/Secret/inner"
echo x >"$drive_c/Tree/a/f.txt"
echo x >"$drive_c/Tree/t.txt"
echo x >"$drive_c/Secret/system-file.dll"
echo x >"$drive_c/Secret/inner/s.txt"
# Symbolic links stand in for junctions: Wine reports them as reparse points. Wine counts a
# file's names as Unix does, so a hard link made here has two.
ln -s ../Secret "$drive_c/Tree/link"
ln "$drive_c/Secret/system-file.dll" "$drive_c/Tree/a/innocent.dll"
ln -s Secret "$drive_c/Junction"
modes() { (cd "$drive_c" && stat -c '%n %a' "$@"); }
secret_before=$(modes Secret Secret/inner Secret/inner/s.txt Secret/system-file.dll)
tree_before=$(modes Tree Tree/t.txt Tree/a Tree/a/f.txt)

run "round trip: links and hard links below" '"C:\Tree" /T /G Guest:R /E'
expect_code 67
expect_message "were left out (code 67)"
[ "$(modes Secret Secret/inner Secret/inner/s.txt Secret/system-file.dll)" = "$secret_before" ] ||
    fail "the rights reached through a link: $(modes Secret Secret/inner Secret/inner/s.txt Secret/system-file.dll)"
changed=$(diff <(echo "$tree_before") <(modes Tree Tree/t.txt Tree/a Tree/a/f.txt) | grep -c '^>')
[ "$changed" = 4 ] || fail "only $changed of the 4 items in the tree were granted"

run "round trip: a tree without links" '"C:\My Data" /T /G Guest:F /E'
expect_code 0

for folder in 'C:\Junction' 'C:\Junction\inner'; do
    run "round trip, link: $folder" "\"$folder\" /T /G Guest:R /E"
    expect_code 4
    expect_message "lies inside, a junction, symbolic link or mounted drive"
done
[ "$(modes Secret Secret/inner Secret/inner/s.txt Secret/system-file.dll)" = "$secret_before" ] ||
    fail "the rights reached through a link above the folder"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "xcacls_test: all checks passed"
