#!/usr/bin/env bash
# Installs what building and testing Plinvo needs, when it is missing: the i686 mingw-w64 cross
# compiler, 32-bit Wine, Xvfb and the screenshot tools, the native compiler and test libraries,
# Free Pascal's chmcmd for the help file, NSIS's makensis for the setup program and wixl for the
# Windows Installer package. Safe to run again; does nothing when all is there.
set -euo pipefail

need=()
have_cmd() { command -v "$1" >/dev/null 2>&1; }
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

have_cmd i686-w64-mingw32-g++ || need+=(g++-mingw-w64-i686)
have_cmd i686-w64-mingw32-objdump || need+=(binutils-mingw-w64-i686)
have_cmd wine || need+=(wine)
have_pkg wine32:i386 || need+=(wine32:i386)
have_cmd Xvfb || need+=(xvfb)
have_cmd xwd || need+=(x11-apps)
[ -x /usr/bin/convert ] || need+=(imagemagick)
have_cmd cmake || need+=(cmake)
have_cmd g++ || need+=(g++)
have_cmd valgrind || need+=(valgrind)
have_pkg libgtest-dev || need+=(libgtest-dev)
have_pkg libgmock-dev || need+=(libgmock-dev)
have_pkg libbenchmark-dev || need+=(libbenchmark-dev)
have_cmd chmcmd || need+=(fp-utils)
have_cmd makensis || need+=(nsis)
have_cmd wixl || need+=(wixl)

if [ ${#need[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${need[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
if [[ " ${need[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -q i386; then
  $SUDO dpkg --add-architecture i386
fi
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${need[@]}"
