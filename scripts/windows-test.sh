#!/usr/bin/env bash
# Cross-builds, as 32-bit Windows programs (MinGW-w64, i686), every library below the
# windows with its tests and the Windows desktop services with theirs, and runs them all
# under Wine through ctest. Installs the Debian packages it needs, only those missing.
#
#   scripts/windows-test.sh                 set up, build into build-windows/<arch>/ and test
#   WINDOWS_BUILD_DIR=dir JOBS=4 scripts/windows-test.sh
#
# Wine runs 32-bit Windows code in a 32-bit Linux process, so the machine's kernel must
# run 32-bit programs. Where it cannot (some virtual machines offer no 32-bit mode), the
# same code is built and tested as 64-bit Windows programs under 64-bit Wine instead; the
# script says which it chose.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build_dir=${WINDOWS_BUILD_DIR:-build-windows}
mkdir -p "$build_dir"
build_dir=$(cd "$build_dir" && pwd)
jobs=${JOBS:-2}

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

install_missing() {
    local missing=()
    for package in "$@"; do
        installed "$package" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Runs a minimal 32-bit Linux program (exit(0) through int 0x80, 93 bytes): true when
# this kernel runs 32-bit code at all.
runs_32bit_code() {
    local probe
    probe=$(mktemp)
    printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' >"$probe"
    chmod +x "$probe"
    local result=1
    "$probe" 2>/dev/null && result=0
    rm -f "$probe"
    return $result
}

# Builds GoogleTest from Debian's sources for the target and installs it in the build folder.
build_googletest() {
    local toolchain=$1 dir=$2
    [ -f "$dir/install/lib/cmake/GTest/GTestConfig.cmake" ] && return 0
    cmake -S /usr/src/googletest -B "$dir/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON -DCMAKE_INSTALL_PREFIX="$dir/install" >/dev/null
    cmake --build "$dir/build" -j "$jobs" >/dev/null
    cmake --install "$dir/build" >/dev/null
}

# Configures (preset windows-<arch>) and builds the logic and its tests for one target; Wine
# runs the test programs. The tests are listed when ctest runs them, not by the build.
build_project() {
    local arch=$1 dir=$build_dir/$1
    build_googletest "$root/cmake/mingw-w64-$arch.cmake" "$dir/googletest"
    cmake -S "$root" --preset "windows-$arch" -B "$dir" -DCMAKE_CROSSCOMPILING_EMULATOR="$wine_loader" \
        -DGTest_DIR="$dir/googletest/install/lib/cmake/GTest" >/dev/null
    cmake --build "$dir" -j "$jobs" >/dev/null
}

started=$SECONDS
if runs_32bit_code; then
    arch=i686
    wine_loader=/usr/lib/wine/wine
    echo "Windows tests as 32-bit programs (i686): this machine's kernel runs 32-bit code."
    install_missing cmake make g++-mingw-w64-i686-posix wine
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        as_root dpkg --add-architecture i386
        as_root apt-get update -qq
    fi
    install_missing wine32:i386
else
    arch=x86_64
    wine_loader=/usr/lib/wine/wine64
    echo "Windows tests as 64-bit programs (x86_64): this machine's kernel runs no 32-bit code,"
    echo "so neither can Wine; the same code is built for 64-bit Windows instead."
    install_missing cmake make g++-mingw-w64-x86-64-posix wine wine64
fi
echo "Packages ready after $((SECONDS - started)) s."

# Compiles go through ccache where it is installed, which makes a second run quick.
if command -v ccache >/dev/null; then
    export CMAKE_C_COMPILER_LAUNCHER=${CMAKE_C_COMPILER_LAUNCHER:-ccache}
    export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}
fi

# A Wine prefix of the build's own; one persistent server for the whole run keeps each
# start of a test program under a second.
export WINEPREFIX=$build_dir/wine-prefix
export WINELOADER=$wine_loader
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
wineserver -p 2>/dev/null || true # "already running" is as good
trap 'wineserver -k 2>/dev/null || true' EXIT
"$wine_loader" wineboot --init >/dev/null 2>&1 || true
echo "Wine prefix ready after $((SECONDS - started)) s."

build_project "$arch"
echo "Built after $((SECONDS - started)) s."

ctest --test-dir "$build_dir/$arch" --output-on-failure -j "$jobs" --timeout 120
echo "Windows tests ($arch under Wine) passed after $((SECONDS - started)) s."
