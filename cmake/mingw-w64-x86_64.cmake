# Cross compiling for 64-bit Windows with Debian's mingw-w64 tool chain.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MENETKALK_MINGW_PREFIX x86_64-w64-mingw32)
# The posix thread model: GoogleTest needs std::mutex, which the win32 one of
# GCC 12 lacks. -static links its runtime into each .exe.
set(CMAKE_C_COMPILER ${MENETKALK_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MENETKALK_MINGW_PREFIX}-g++-posix)
# llvm-rc writes resources as the Windows resource compiler does (GNU windres
# upper-cases class names and drops the size of icon controls). It is driven
# under its other name, llvm-windres, installed beside it: that front end
# takes windres' command line (CMake's windres rule), preprocesses with clang
# for the mingw target, so <winresrc.h> is found, and writes a COFF object.
# Plain llvm-rc writes a .res, which GNU ld does not link.
find_program(MENETKALK_LLVM_RC NAMES llvm-rc llvm-rc-14 REQUIRED)
file(REAL_PATH ${MENETKALK_LLVM_RC} _menetkalk_llvm_rc)
get_filename_component(_menetkalk_llvm_bin ${_menetkalk_llvm_rc} DIRECTORY)
find_program(CMAKE_RC_COMPILER NAMES llvm-windres PATHS ${_menetkalk_llvm_bin} NO_DEFAULT_PATH REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${MENETKALK_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
