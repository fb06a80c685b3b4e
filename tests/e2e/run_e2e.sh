#!/usr/bin/env bash
# Runs the end-to-end tests on Wine. Builds nothing: give it the program folder and the folder
# of the built driver (e2e_driver.exe, e2e_probe.dll, e2e_fixture.exe, e2e_vista_only.exe) or
# the Windows build folder that holds it in e2e/.
#
#   run_e2e.sh DIST_DIR DRIVER_OR_BUILD_DIR [--out DIR] [--jobs N] [-k TEXT]
#   run_e2e.sh --dist DIST_DIR --driver-dir DRIVER_DIR [...]
#
# The folders can also come from PLINVO_DIST and PLINVO_E2E_DRIVER_DIR, the rest from
# PLINVO_E2E_OUT (default: out) and PLINVO_E2E_JOBS (default: 2). Screenshots go to
# <out>/screenshots/<label>-<winver>.png. The last line says "N passed, M failed"; the exit
# status is non-zero when a test failed. E2E_KEEP=1 keeps the prefixes for a look afterwards.
set -u
here=$(cd "$(dirname "$0")" && pwd)
for tool in wine wineboot wineserver Xvfb python3; do
  if ! command -v "$tool" >/dev/null; then
    echo "missing $tool: scripts/install-deps.sh installs it" >&2
    echo "0 passed, 1 failed"
    exit 1
  fi
done

args=()
if [ $# -gt 0 ] && [[ $1 != -* ]]; then
  args+=(--dist "$1")
  shift
fi
if [ $# -gt 0 ] && [[ $1 != -* ]]; then
  driver_dir=$1
  if [ ! -f "$driver_dir/e2e_driver.exe" ] && [ -f "$driver_dir/e2e/e2e_driver.exe" ]; then
    driver_dir=$driver_dir/e2e
  fi
  args+=(--driver-dir "$driver_dir")
  shift
fi
# No compiled copies of the test modules in the source tree.
export PYTHONDONTWRITEBYTECODE=1
exec python3 "$here/lib/runner.py" --tests "$here" "${args[@]}" "$@"
