#!/bin/bash
# Runs XCACLS.vbs under Wine's cscript in a throwaway 32-bit prefix.
#
# Wine's own cacls.exe changes nothing, so a recording stand-in (cacls_standin.c) takes
# its place in the prefix's system folder: the tests check the cacls command lines that
# the script runs, its exit codes and its messages. Whether cacls itself then sets the
# access list is Windows' business and is not tested here.
#
# Wine's script host has no WScript.StdErr; the script then falls back to Echo, so a
# message is looked for on either stream, and when stderr has text it must be the message.
#
# Needs: wine (32-bit), i686-w64-mingw32-gcc. Usage: tests/scripts/xcacls_test.sh
set -u

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
script=$repo/shares/scripts/XCACLS.vbs

work=$(mktemp -d /tmp/xcacls-test.XXXXXX)
. "$here/wine_prefix.sh"
make_prefix

i686-w64-mingw32-gcc -O2 -o "$work/cacls.exe" "$here/cacls_standin.c" ||
    { echo "FAIL: cannot build the cacls stand-in"; exit 1; }
cp "$work/cacls.exe" "$sys32/cacls.exe"
export WINEDLLOVERRIDES="mscoree,mshtml=;cacls.exe=n"
export CACLS_STANDIN_LOG='C:\standin.log'

# The prefix's own links into the tester's home folder become plain folders: the drive holds
# only the links that a test makes.
find "$drive_c" -type l | while read -r link; do rm "$link" && mkdir "$link"; done
mkdir -p "$drive_c/Program Files/Plinvo" "$drive_c/My Data/sub" "$drive_c/Empty"
cp "$script" "$drive_c/Program Files/Plinvo/XCACLS.vbs"
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
    [ "$calls" = "$want" ] || fail "cacls calls were:
$calls
expected:
$want"
}

expect_no_calls() {
    [ -z "$calls" ] || fail "cacls was run: $calls"
}

# --- Bad usage: code 87, a message naming the problem, and cacls never runs. ---------
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
expect_calls 'C:\My Data|/E|/G|Guest:R' 'C:\My Data\*|/T|/E|/G|Guest:R'
[ -z "$out$err" ] || fail "a successful run printed: $out $err"

run "full control, switches reordered" '/E "C:\My Data" /G Guest:F /T'
expect_code 0
expect_calls 'C:\My Data|/E|/G|Guest:F' 'C:\My Data\*|/T|/E|/G|Guest:F'

run "switches in lower case" '"C:\My Data" /t /g guest:f /e'
expect_code 0
expect_calls 'C:\My Data|/E|/G|guest:F' 'C:\My Data\*|/T|/E|/G|guest:F'

run "without /T only the folder" '"C:\My Data" /G Guest:R /E'
expect_code 0
expect_calls 'C:\My Data|/E|/G|Guest:R'

run "empty folder has nothing below it" '"C:\Empty" /T /G Guest:R /E'
expect_code 0
expect_calls 'C:\Empty|/E|/G|Guest:R'

run "domain account" '"C:\Empty" /G WORKGROUP\Visitor:R /E'
expect_code 0
expect_calls 'C:\Empty|/E|/G|WORKGROUP\Visitor:R'

run "account with a blank" '"C:\Empty" /G "Power Users:R" /E'
expect_code 0
expect_calls 'C:\Empty|/E|/G|Power Users:R'

# Plinvo quotes a drive root as "C:\", whose backslash escapes the closing quote for
# hosts that split like the C runtime.
run "drive root" '"C:\"  /T /G Guest:R /E'
expect_code 0
expect_calls 'C:\|/E|/G|Guest:R' 'C:\*|/T|/E|/G|Guest:R'

# What Plinvo gives now: the root's backslash doubled inside the quotes.
run "drive root, backslash doubled" '"C:\\"  /T /G Guest:R /E'
expect_code 0
expect_calls 'C:\|/E|/G|Guest:R' 'C:\*|/T|/E|/G|Guest:R'

# --- Nothing in the folder text is replaced, and no link is followed. ---------------------
# Windows' script host replaces %X% in the command it runs by the user's variable X (Wine's
# does not), so such a folder must never reach it. In the batch file %% stands for %.
mkdir -p "$drive_c/share/%X%" "$drive_c/Target/sub" "$drive_c/Tree/a"
echo x >"$drive_c/Tree/a/f.txt"
echo x >"$drive_c/Tree/t.txt"
# Symbolic links stand in for junctions: Wine reports them as reparse points.
ln -s ../Target "$drive_c/Tree/link"
ln -s Target "$drive_c/Junction"

X='..\..\windows' run "percent sign in the folder" '"C:\share\%%X%%" /T /G Guest:R /E'
expect_code 87
expect_message 'percent sign or a double quote in its path cannot be passed on safely: C:\share\%X%'
expect_no_calls

bad_usage "percent sign in the account" "Not a valid account name: 'Gu%X%est'" '"C:\My Data" /G Gu%%X%%est:R /E'

for folder in 'C:\Junction' 'C:\Junction\sub'; do
    run "link: $folder" "\"$folder\" /T /G Guest:R /E"
    expect_code 4
    expect_message "lies inside, a junction, symbolic link or mounted drive (C:\Junction)"
    expect_no_calls
done

run "a link below the folder" '"C:\Tree" /T /G Guest:R /E'
expect_code 0
expect_calls 'C:\Tree|/E|/G|Guest:R' 'C:\Tree\t.txt|/E|/G|Guest:R' 'C:\Tree\a|/E|/G|Guest:R' \
    'C:\Tree\a\*|/T|/E|/G|Guest:R'
rm "$drive_c/Tree/link" "$drive_c/Junction"

# --- cacls failures end the script with cacls's code. ----------------------------------
CACLS_STANDIN_EXIT=5 run "cacls refuses" '"C:\My Data" /T /G Guest:R /E'
expect_code 5
expect_message "cacls.exe failed with exit code 5"
expect_calls 'C:\My Data|/E|/G|Guest:R'

rm -f "$sys32/cacls.exe"
run "no cacls" '"C:\My Data" /T /G Guest:R /E'
expect_code 2
expect_message "cacls.exe was not found in the system folder"
expect_no_calls

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "xcacls_test: all checks passed"
