# Cross build for 32-bit Windows with Debian's MinGW-w64 compilers (packages
# g++-mingw-w64-i686-posix, gcc-mingw-w64-i686-posix); the rest is
# cmake/mingw-w64.cmake.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(QRV_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
