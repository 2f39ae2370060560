# Cross-compiling for 64-bit Windows from Debian with MinGW-w64 GCC. Used for the static Qt the
# Windows build links (scripts/lib/windows-qt.sh), GoogleTest, other libraries built from Debian's
# sources, and the programs themselves (through Qt's qt.toolchain.cmake, which loads this file).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The posix flavour of the compiler (Debian's g++-mingw-w64-x86-64-posix): the win32 one has no
# std::thread or std::mutex, which Qt 6 needs.
set(ombrel_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ombrel_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ombrel_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${ombrel_mingw}-windres)

# Headers, libraries and CMake packages only from the MinGW-w64 sysroot (and the prefixes Qt's
# toolchain file adds), so that the host's ICU or GoogleTest is never taken by mistake; programs
# from the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${ombrel_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libgcc, libstdc++ and winpthread linked in, as Qt's own -static-runtime does for Qt: an .exe
# then needs no MinGW DLL beside it, only Windows' own.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
