# Cross build for 32-bit Windows on x86 (Debian's g++-mingw-w64-i686).
set(MINGW_PROCESSADOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
# SSE2 floating point: no value may sit in an 80-bit x87 register and round differently.
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
