#!/usr/bin/env bash
# Times "Refresh" on the shared-folder and session lists of the real Plinvo.exe under Wine
# against an owner-data list filled from the same share service, and its sharing check against
# a bare dialog filling the same rows (bench/wine_lists.py says how). Builds nothing:
#
#   bench/wine_lists.sh [DIST_DIR [WINDOWS_BUILD_DIR]] [--runs N] [--sizes 10000,100000]
#                       [--sessions N] [--check-runs N] [--check-shares N]
#
# Defaults: dist/Plinvo and build/win, 9 paired runs, 10,000 and 100,000 shares, 10,000
# sessions, 9 checks with 20 shares (--sizes "" --sessions 0 times the check alone). Prints each
# run's milliseconds, then the table of medians, spreads and ratios, and the memory.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dist=$root/dist/Plinvo
build=$root/build/win
if [ $# -gt 0 ] && [[ $1 != -* ]]; then dist=$1; shift; fi
if [ $# -gt 0 ] && [[ $1 != -* ]]; then build=$1; shift; fi
for needed in "$dist/Plinvo.exe" "$build/e2e/e2e_driver.exe" "$build/bench/bare_list.exe" \
  "$build/bench/bare_check.exe"; do
  [ -f "$needed" ] || { echo "missing $needed: run ./build.sh first" >&2; exit 1; }
done
export PYTHONDONTWRITEBYTECODE=1
exec python3 "$root/bench/wine_lists.py" "$dist" "$build" "$@"
