# 32-bit Windows (the mingw-x86 preset).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(mingw_triple i686-w64-mingw32)
# The models compute in single precision, each operation rounded to float as on
# every other target. The x87 unit keeps intermediates in 80 bits (a*b*c is
# rounded once, not twice), so the arithmetic goes to SSE instead.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
