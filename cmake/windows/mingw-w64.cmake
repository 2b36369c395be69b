# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the posix thread model, which
# std::thread and Qt need). Used for Qt itself and, through Qt's qt-cmake, for the program.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TOVIRA_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TOVIRA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOVIRA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TOVIRA_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TOVIRA_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
