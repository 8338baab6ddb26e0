# Cross build for 64-bit Windows with Debian's MinGW-w64 compilers (packages
# g++-mingw-w64-x86-64-posix, gcc-mingw-w64-x86-64-posix); the rest is
# cmake/mingw-w64.cmake.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(QRV_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
