# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 compiler (posix threads, so
# std::thread and std::mutex work). Used alone for the build without Qt, or chain-loaded by the
# Qt kit's own toolchain file for the game.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
list(APPEND CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Each .exe carries its C++ runtime and winpthreads, so it runs on a machine with nothing else
# installed.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# -O2: at -O3 GCC 12 reports overlapping copies inside std::string concatenation that cannot
# happen (-Wrestrict), which -Werror turns into failures. The engine asks for -O3 itself.
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Flags of Release builds")
