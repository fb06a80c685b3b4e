#!/usr/bin/env bash
# Runs every test of Plinvo on a fresh machine: installs and builds what is missing, runs the
# native unit tests, then the end-to-end tests of the real Plinvo.exe under Wine and Xvfb.
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)

./build.sh

echo "== Unit tests (native)"
(cd build/native && ctest --output-on-failure -j"$(nproc 2>/dev/null || echo 2)")

echo "== Unit tests under valgrind (memory errors and leaks)"
valgrind --error-exitcode=9 --leak-check=full -q build/native/plinvo_unit_tests --gtest_brief=1

echo "== Companion file tests (Wine)"
companion_failures=0
for script in tests/scripts/*_test.sh; do
  log="build/$(basename "$script" .sh).log"
  if bash "$script" >"$log" 2>&1; then
    tail -n 1 "$log"
  else
    cat "$log"
    echo "FAILED: $script"
    companion_failures=$((companion_failures + 1))
  fi
done

echo "== End-to-end tests (Wine)"
e2e_status=0
tests/e2e/run_e2e.sh "$root/dist/Plinvo" "$root/build/win" || e2e_status=$?

if [ "$companion_failures" -ne 0 ]; then
  echo "$companion_failures companion file test script(s) failed"
  exit 1
fi
exit "$e2e_status"
