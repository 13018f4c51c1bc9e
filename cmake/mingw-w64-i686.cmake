# Cross-builds Stowlet as 32-bit Windows programs with MinGW-w64 (Debian: g++-mingw-w64-i686).
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake -DSTOWLET_BUILD_UI=OFF
set(CMAKE_SYSTEM_PROCESSOR x86)
set(STOWLET_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
