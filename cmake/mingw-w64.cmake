# Shared part of the MinGW-w64 toolchain files: the target architecture comes from the
# file that includes this one (STOWLET_MINGW_TRIPLET).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_VERSION 6.1)

# The -posix compilers carry std::thread and friends on winpthreads, which the
# -win32 ones lack.
set(CMAKE_C_COMPILER ${STOWLET_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${STOWLET_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${STOWLET_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${STOWLET_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# A static runtime (libgcc, libstdc++, winpthreads): every program and DLL stands alone,
# with nothing to copy beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")

# Programs built here that run during the build or the tests go through Wine.
if(NOT DEFINED CMAKE_CROSSCOMPILING_EMULATOR)
    find_program(STOWLET_WINE NAMES wine)
    if(STOWLET_WINE)
        set(CMAKE_CROSSCOMPILING_EMULATOR ${STOWLET_WINE})
    endif()
endif()
