# Cross compiling for 64-bit Windows with Debian's mingw-w64 tool chain.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MENETKALK_MINGW_PREFIX x86_64-w64-mingw32)
# The posix thread model: GoogleTest needs std::mutex, which the win32 one of
# GCC 12 lacks. -static links its runtime into each .exe.
set(CMAKE_C_COMPILER ${MENETKALK_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MENETKALK_MINGW_PREFIX}-g++-posix)
# llvm-rc writes resources as the Windows resource compiler does (GNU windres
# upper-cases class names and drops the size of icon controls).
find_program(CMAKE_RC_COMPILER NAMES llvm-rc llvm-rc-14 REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${MENETKALK_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
