#!/usr/bin/env bash
# Runs every test of Plinvo on a fresh machine: installs and builds what is missing, runs the
# native unit tests, then the end-to-end tests of the real Plinvo.exe under Wine and Xvfb.
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)

./build.sh

echo "== Unit tests (native)"
(cd build/native && ctest --output-on-failure -j"$(nproc 2>/dev/null || echo 2)")

echo "== End-to-end tests (Wine)"
tests/e2e/run_e2e.sh "$root/dist/Plinvo" "$root/build/win"
