# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (the POSIX-thread
# flavour, which std::thread and std::mutex need):
#   cmake -S . -B build-win64 --toolchain cmake/toolchains/mingw-w64-x86_64.cmake
set(OMBRELK_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
