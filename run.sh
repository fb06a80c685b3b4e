#!/usr/bin/env bash
# Sets everything up (tools, build) and runs Plinvo.exe under Wine in the project's own 32-bit
# prefix (.wine/, ignored by git). With a display, Plinvo opens on it and this script returns when
# Plinvo is closed. Without one, Plinvo runs under Xvfb, a screenshot of the screen is written to
# out/plinvo.png (or $PLINVO_SCREENSHOT) after a few seconds, and Plinvo is ended.
#   PLINVO_WINVER=winxp|vista  the Windows version the prefix reports (default winxp)
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)

./build.sh

export WINEARCH=win32
export WINEPREFIX="$root/.wine"
export WINEDEBUG=-all
winver=${PLINVO_WINVER:-winxp}

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Creating the Wine prefix in $WINEPREFIX (once)..."
  # No display during the boot: the Mono/Gecko offers would wait for an answer forever.
  WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY= wineboot -i >/dev/null 2>&1 || true
  wineserver -w
fi
wine reg add 'HKCU\Software\Wine' /v Version /d "$winver" /f >/dev/null 2>&1

xvfb_pid=""
cleanup() {
  wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

# Under Xvfb there is no window manager: Wine then draws the title bars itself.
x11_key='HKCU\Software\Wine\X11 Driver'
if [ -n "${DISPLAY:-}" ]; then
  wine reg delete "$x11_key" /v Managed /f >/dev/null 2>&1 || true
  wine "$root/dist/Plinvo/Plinvo.exe"
  exit 0
fi
wine reg add "$x11_key" /v Managed /d N /f >/dev/null 2>&1

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
sleep 1
wine "$root/dist/Plinvo/Plinvo.exe" &
shot=${PLINVO_SCREENSHOT:-$root/out/plinvo.png}
mkdir -p "$(dirname "$shot")"
sleep "${PLINVO_SCREENSHOT_DELAY:-15}"
xwd -root -display "$display" | convert xwd:- "$shot"
echo "No display: Plinvo ran under Xvfb; screenshot written to $shot"
