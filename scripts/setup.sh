#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, skipping what is there.
# Usage: scripts/setup.sh [tool|fuzz]   ("tool": only what building tivrel-cpuid needs; "fuzz":
# that and clang with libFuzzer and the symbolizer, for scripts/fuzz.sh)
set -euo pipefail

need=()
bare=()
have_cmd() { command -v "$1" >/dev/null 2>&1; }
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

have_cmd cmake || need+=(cmake)
have_cmd g++ || need+=(g++)
if [ "${1:-}" = fuzz ]; then
    have_cmd clang++ || need+=(clang)
    have_pkg libclang-rt-14-dev || need+=(libclang-rt-14-dev)
    have_cmd llvm-symbolizer-14 || need+=(llvm-14)
elif [ "${1:-}" != tool ]; then
    [ -f /usr/include/gtest/gtest.h ] && [ -d /usr/lib/x86_64-linux-gnu/cmake/GTest ] || need+=(libgtest-dev googletest)
    have_cmd i686-w64-mingw32-g++-win32 || need+=(g++-mingw-w64-i686-win32 binutils-mingw-w64-i686)
    have_cmd wine || need+=(wine)
    have_pkg wine32:i386 || need+=(wine32:i386)
    have_cmd Xvfb || need+=(xvfb)
    have_cmd import || need+=(imagemagick)
    # The peers whose readings of this machine tivrel-cpuid must equal.
    have_cmd cpuid || need+=(cpuid)
    have_cmd cpuid_tool || need+=(cpuidtool)
    # Debian's checks of the tool's package; not what they recommend (keyrings, upload tools).
    have_cmd lintian || bare+=(lintian)
    have_cmd hardening-check || bare+=(devscripts)
    have_cmd man || bare+=(man-db)
fi

if [ ${#need[@]} -eq 0 ] && [ ${#bare[@]} -eq 0 ]; then
    exit 0
fi
echo "setup: installing ${need[*]} ${bare[*]}"
export DEBIAN_FRONTEND=noninteractive
if [[ " ${need[*]} " == *":i386"* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
fi
apt-get update -q
[ ${#need[@]} -eq 0 ] || apt-get install -y -q "${need[@]}"
[ ${#bare[@]} -eq 0 ] || apt-get install -y -q --no-install-recommends "${bare[@]}"
