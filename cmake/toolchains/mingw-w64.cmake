# Cross-build for Windows with Debian's MinGW-w64 compilers. Included by the
# toolchain file of each target, which sets mingw_triple first.
#
# The -posix compilers: the win32 thread model of the others has no std::mutex
# or std::thread, which the libraries and GoogleTest need.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C++ runtime, libgcc and winpthreads are linked in, so that every DLL and
# EXE needs only system DLLs (KERNEL32, USER32, GDI32, COMCTL32) and the C
# runtime, and a host can load the plug-in from any folder.
# A DLL that exports all its symbols must not export those of the runtime
# linked into it as well.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -Wl,--exclude-libs,ALL")

# ctest and the test discovery run the target's programs through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
