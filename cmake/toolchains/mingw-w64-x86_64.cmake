# Cross build for 64-bit Windows (Debian's g++-mingw-w64-x86-64).
set(MINGW_PROCESSADOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
