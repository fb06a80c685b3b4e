#!/usr/bin/env bash
# Builds Plinvo and runs nothing: the native library and unit tests in build/native, and the
# Windows program folder dist/Plinvo/ (Plinvo.exe and every file it expects beside it) from
# build/win. Installs missing build tools first.
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

echo "Program folder: $root/dist/Plinvo"
ls -1 dist/Plinvo
