#!/usr/bin/env bash
# Runs the end-to-end tests on Wine. Builds nothing: give it the program folder and the folder
# of the built driver (e2e_driver.exe, e2e_probe.dll, e2e_fixture.exe).
#
#   run_e2e.sh --dist dist/Plinvo --driver-dir build-win/e2e [--out out] [--jobs 2] [-k TEXT]
#
# The same can come from PLINVO_DIST, PLINVO_E2E_DRIVER_DIR, PLINVO_E2E_OUT and PLINVO_E2E_JOBS.
# Screenshots go to <out>/screenshots/<test>-<winver>.png. The last line says "N passed,
# M failed"; the exit status is non-zero when a test failed. E2E_KEEP=1 keeps the prefixes.
set -u
here=$(cd "$(dirname "$0")" && pwd)
for tool in wine wineboot wineserver Xvfb python3; do
  if ! command -v "$tool" >/dev/null; then
    echo "missing $tool: run $here/setup.sh first" >&2
    echo "0 passed, 1 failed"
    exit 1
  fi
done
exec python3 "$here/lib/runner.py" --tests "$here" "$@"
