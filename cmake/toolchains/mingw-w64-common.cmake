# What both mingw-w64 toolchain files share; they set OMBRELK_MINGW_TRIPLET.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${OMBRELK_MINGW_TRIPLET})

set(CMAKE_C_COMPILER ${OMBRELK_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${OMBRELK_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${OMBRELK_MINGW_TRIPLET}-windres)

# Libraries and headers of the target only; programs of the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${OMBRELK_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One .exe that needs no DLL beyond the system's: the compiler's runtime and
# winpthread go into it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs run under Wine where it is installed (ctest, test discovery).
find_program(OMBRELK_WINE wine)
if(OMBRELK_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${OMBRELK_WINE})
endif()
