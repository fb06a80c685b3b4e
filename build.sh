#!/usr/bin/env bash
# Builds Plinvo and runs nothing: the native library and unit tests in build/native, and the
# Windows program folder dist/Plinvo/ (Plinvo.exe and every file it expects beside it) from
# build/win, then the setup program and the portable zip beside it in dist/. Installs missing
# build tools first.
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)

scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S "$root" -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/native -j"$jobs"

cmake -S "$root" -B build/win -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build build/win -j"$jobs"
# The setup program and the portable zip, once the program folder is complete.
cmake --build build/win --target plinvo_packages

echo "Program folder: $root/dist/Plinvo"
ls -1 dist/Plinvo
echo "Setup program and portable zip:"
ls -1 dist/Plinvo-*-setup.exe dist/Plinvo-*-portable.zip
