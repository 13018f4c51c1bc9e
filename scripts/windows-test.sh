#!/usr/bin/env bash
# Cross-builds, as 32-bit Windows programs (MinGW-w64, i686), every library below the
# windows with its tests and the Windows desktop services with theirs, and runs them all
# under Wine through ctest. Installs the Debian packages it needs, only those missing.
#
#   scripts/windows-test.sh                 set up, build into build-windows/ and test
#   WINDOWS_BUILD_DIR=dir scripts/windows-test.sh
#
# Wine runs 32-bit Windows code in a 32-bit Linux process, so the machine's kernel must
# run 32-bit programs. Where it cannot (some virtual machines offer no 32-bit mode), the
# 32-bit build is still made, to prove it compiles and links, and the tests run on the
# same code built as 64-bit Windows programs under 64-bit Wine; the script says so.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build_dir=${WINDOWS_BUILD_DIR:-build-windows}
mkdir -p "$build_dir"
build_dir=$(cd "$build_dir" && pwd)
jobs=$(nproc)

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

# Configures and builds the project for one target into the given folder; the emulator
# (Wine) runs its programs, or nothing where it cannot. The tests are listed when ctest
# runs them, not by the build, so a build whose programs cannot run here still builds.
build_project() {
    local toolchain=$1 dir=$2 emulator=$3
    build_googletest "$toolchain" "$dir/googletest"
    cmake -S "$root" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Debug \
        -DSTOWLET_BUILD_UI=OFF -DCMAKE_CROSSCOMPILING_EMULATOR="$emulator" \
        -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST \
        -DGTest_DIR="$dir/googletest/install/lib/cmake/GTest" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

started=$SECONDS
install_missing cmake make g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine64
if runs_32bit_code; then
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        as_root dpkg --add-architecture i386
        as_root apt-get update -qq
    fi
    install_missing wine32:i386
    run_arch=i686
    wine_loader=/usr/lib/wine/wine
else
    run_arch=x86_64
    wine_loader=/usr/lib/wine/wine64
    echo "This machine's kernel runs no 32-bit code, so neither can Wine: the 32-bit build is"
    echo "built here, and its tests run as the same code built for 64-bit Windows."
fi
echo "Packages ready after $((SECONDS - started)) s."

# A Wine prefix of the build's own, made before the build, since test discovery runs the
# test programs; one persistent server for the whole run keeps each start under a second.
export WINEPREFIX=$build_dir/wine-prefix
export WINELOADER=$wine_loader
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
wineserver -p 2>/dev/null || true # "already running" is as good
trap 'wineserver -k 2>/dev/null || true' EXIT
"$wine_loader" wineboot --init >/dev/null 2>&1 || true
echo "Wine prefix ready after $((SECONDS - started)) s."

if [ "$run_arch" = i686 ]; then
    build_project "$root/cmake/mingw-w64-i686.cmake" "$build_dir/i686" "$wine_loader"
else
    build_project "$root/cmake/mingw-w64-i686.cmake" "$build_dir/i686" ""
    build_project "$root/cmake/mingw-w64-x86_64.cmake" "$build_dir/x86_64" "$wine_loader"
fi
echo "Built after $((SECONDS - started)) s."

ctest --test-dir "$build_dir/$run_arch" --output-on-failure -j "$jobs" --timeout 120
echo "Windows tests ($run_arch under Wine) passed after $((SECONDS - started)) s."
