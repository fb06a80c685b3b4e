#!/bin/bash
# Compiles help/chm with chmcmd (or takes a built help.chm as $1) and checks the result:
# every page of the project is in the file and reachable from the table of contents, the
# links between pages lead to pages that exist, and Windows' help control (Wine's
# hhctrl.ocx, called like "Help Content" calls it) opens the topic Overview.htm.
#
# Needs: chmcmd, chmls, wine (32-bit), i686-w64-mingw32-gcc.
# Usage: tests/scripts/help_test.sh [path/to/help.chm]
set -u

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
sources=$repo/help/chm

work=$(mktemp -d /tmp/help-test.XXXXXX)
. "$here/wine_prefix.sh"

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

if [ $# -ge 1 ]; then
    chm=$1
else
    cp -r "$sources" "$work/chm"
    (cd "$work/chm" && chmcmd help.hhp >/dev/null) || fail "chmcmd failed"
    chm=$work/chm/help.chm
fi
[ -f "$chm" ] || { echo "FAIL: no help.chm"; exit 1; }

# The pages the project lists, in its [FILES] section.
pages=$(sed -n '/^\[FILES\]/,/^\[/p' "$sources/help.hhp" | tr -d '\r' | grep -i '\.htm$')
[ -n "$pages" ] || fail "help.hhp lists no pages"
echo "$pages" | grep -qx 'Overview.htm' || fail "help.hhp does not list Overview.htm"
grep -q '^Default topic=Overview.htm' <(tr -d '\r' <"$sources/help.hhp") || fail "default topic is not Overview.htm"

listing=$(chmls -n list "$chm" 2>/dev/null | tr -d '\r')
for page in $pages toc.hhc index.hhk plinvo.css; do
    echo "$listing" | grep -qx "/$page" || fail "$page is not in help.chm"
    grep -qF "value=\"$page\"" "$sources/toc.hhc" || [ "${page##*.}" != htm ] ||
        fail "$page is not in the table of contents"
done

# What the viewer shows is what was written.
chmls extract "$chm" /Overview.htm "$work/Overview.htm" >/dev/null 2>&1
cmp -s "$work/Overview.htm" "$sources/Overview.htm" || fail "Overview.htm in help.chm differs from its source"

# Links between pages and to the style sheet point to files of the project.
for page in $pages; do
    for target in $(grep -o 'href="[^"#]*' "$sources/$page" | sed 's/^href="//' | grep -v ':'); do
        echo "$pages plinvo.css" | tr ' ' '\n' | grep -qx "$target" || fail "$page links to missing $target"
    done
    grep -q '<title>[^<]' "$sources/$page" || fail "$page has no title"
done
for target in $(grep -o 'value="[^"]*\.htm"' "$sources/toc.hhc" "$sources/index.hhk" | sed 's/.*value="//; s/"$//'); do
    echo "$pages" | grep -qx "$target" || fail "contents or index point to missing $target"
done

grep -qF 'http://www.trelbane.example' "$sources/Overview.htm" || fail "Overview.htm lacks the web site"
grep -qF 'mailto:support@trelbane.example' "$sources/Overview.htm" || fail "Overview.htm lacks the support address"

# "Messages you may see" quotes the program's own texts: the share service's results, the
# share modes' results and the boxes of the dialogs, as the code spells them.
messages=$(sed 's/&quot;/"/g; s/&amp;/\&/g' "$sources/Messages.htm")
{
    grep -ho '{[0-9]*, "[^"]*"}' "$repo/shares/ResultTexts.cpp" | sed 's/^{[0-9]*, "//; s/"}$//'
    grep -ho '"Share mode changed OK![^"\\]*' "$repo/sharemode/ShareModeRecipes.cpp" | sed 's/^"//'
    grep -ho 'ShowMessage(Handle(), "[^"]*"' "$repo"/*/*.cpp | sed 's/^[^"]*"//; s/"$//'
} | sort -u | while IFS= read -r message; do
    [ -n "$message" ] || continue
    printf '%s' "$messages" | grep -qF -- "$message" || echo "$message"
done >"$work/unlisted"
[ -s "$work/unlisted" ] && fail "Messages.htm does not list: $(tr '\n' '|' <"$work/unlisted")"

# Open it the way the program does.
make_prefix null
i686-w64-mingw32-gcc -O2 -o "$work/help_probe.exe" "$here/help_probe.c" ||
    { echo "FAIL: cannot build help_probe"; exit 1; }
mkdir -p "$drive_c/Plinvo"
cp "$chm" "$drive_c/Plinvo/help.chm"
timeout 60 wine "$work/help_probe.exe" 'C:\Plinvo\help.chm::/Overview.htm' >"$work/viewer" 2>/dev/null
code=$?
viewer=$(tr -d '\r' <"$work/viewer")
[ "$code" = 0 ] || fail "the help control opened no viewer (probe code $code)"
[ "$viewer" = "HH Parent|Plinvo Help" ] || fail "viewer window is '$viewer', expected the 'Plinvo Help' viewer"
timeout 60 wine "$work/help_probe.exe" 'C:\Plinvo\missing.chm::/Overview.htm' >/dev/null 2>&1
[ $? = 3 ] || fail "the probe reports a viewer for a missing file"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "help_test: all checks passed"
