# What the Windows toolchains share (cmake/mingw-w64-i686.cmake and
# cmake/mingw-w64-x86_64.cmake set QRV_MINGW_TRIPLET and the processor).
# The -posix variants of Debian's MinGW-w64 compilers have a C++ runtime
# with std::thread and std::mutex, which GoogleTest and the thread tests
# need.  Programs run under Wine (scripts/wine.sh picks 32- or 64-bit Wine).
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${QRV_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QRV_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${QRV_MINGW_TRIPLET}-windres)
set(CMAKE_OBJDUMP ${QRV_MINGW_TRIPLET}-objdump CACHE FILEPATH "objdump for PE files")

set(CMAKE_FIND_ROOT_PATH /usr/${QRV_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Double arithmetic in SSE2 as in the other builds, so every value comes out
# bit for bit the same (x87 keeps extra precision).  printf and friends are
# MinGW's own, which print exact digits, not the system runtime's.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse -D__USE_MINGW_ANSI_STDIO=1")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse -D__USE_MINGW_ANSI_STDIO=1")
# Every module carries its own C++ and thread runtime: the DLLs need nothing
# beside them but the system's (and each other), and export nothing of
# those runtimes.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -Wl,--exclude-libs,ALL")

get_filename_component(_qrv_source_dir ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${_qrv_source_dir}/scripts/wine.sh)
