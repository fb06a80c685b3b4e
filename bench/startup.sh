#!/usr/bin/env bash
# Start-up benchmark of the real Plinvo.exe under Wine, beside a program with the same controls
# (bench/wine/SameControls.cpp, built by the Windows build), in one prefix and one run, the
# starts paired. Builds nothing: give it the program folder and the Windows build folder.
#
#   bench/startup.sh [DIST_DIR [WINDOWS_BUILD_DIR]] [--runs N] [--winver winxp|vista]
#
# Defaults: dist/Plinvo and build/win. Prints the medians, their spread and the ratios; see
# docs/performance.md.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dist=$root/dist/Plinvo
build=$root/build/win
if [ $# -gt 0 ] && [[ $1 != -* ]]; then dist=$1; shift; fi
if [ $# -gt 0 ] && [[ $1 != -* ]]; then build=$1; shift; fi
for needed in "$dist/Plinvo.exe" "$build/e2e/e2e_driver.exe" "$build/bench/same_controls.exe"; do
  [ -f "$needed" ] || { echo "missing $needed: run ./build.sh first" >&2; exit 1; }
done
export PYTHONDONTWRITEBYTECODE=1
exec python3 "$root/bench/startup.py" --dist "$dist" --build "$build" "$@"
