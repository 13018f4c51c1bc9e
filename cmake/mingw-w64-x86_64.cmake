# The same build as 64-bit Windows programs (Debian: g++-mingw-w64-x86-64), for machines
# that cannot run 32-bit code, where Wine runs the 64-bit build instead.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(STOWLET_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
