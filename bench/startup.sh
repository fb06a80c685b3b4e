#!/usr/bin/env bash
# Start-up benchmark of the real Plinvo.exe under Wine, beside a minimal window program
# (bench/MinimalWindow.c), in one prefix and one run, the starts paired. Builds nothing but the
# baseline: give it the program folder and the Windows build folder (or the driver's folder).
#
#   bench/startup.sh [DIST_DIR [BUILD_OR_DRIVER_DIR]] [--runs N] [--winver winxp|vista]
#                    [--compare OTHER_DIST_DIR]
#
# Defaults: dist/Plinvo and build/win. Prints the median times and the ratio; see
# docs/performance.md.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dist=$root/dist/Plinvo
driver=$root/build/win
if [ $# -gt 0 ] && [[ $1 != -* ]]; then dist=$1; shift; fi
if [ $# -gt 0 ] && [[ $1 != -* ]]; then driver=$1; shift; fi
if [ ! -f "$driver/e2e_driver.exe" ] && [ -f "$driver/e2e/e2e_driver.exe" ]; then
  driver=$driver/e2e
fi
export PYTHONDONTWRITEBYTECODE=1
exec python3 "$root/bench/startup.py" --dist "$dist" --driver-dir "$driver" "$@"
