# Cross build for Windows with Debian's mingw-w64, for the processor in MINGW_PROCESSADOR
# (i686 or x86_64); the toolchain files beside this one set it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${MINGW_PROCESSADOR})

set(prefixo ${MINGW_PROCESSADOR}-w64-mingw32)
set(CMAKE_C_COMPILER ${prefixo}-gcc)
set(CMAKE_CXX_COMPILER ${prefixo}-g++)
set(CMAKE_RC_COMPILER ${prefixo}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${prefixo})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
