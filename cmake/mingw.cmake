# Cross-compiles for Windows with MinGW-w64. VELAMO_ARCH: i686 (the product) or x86_64 (tests
# on a machine that cannot run 32-bit code). VELAMO_THREADS: win32 for the program, which makes
# its one extra thread with CreateThread and links no winpthread; posix where GoogleTest is built.
set(VELAMO_ARCH i686 CACHE STRING "i686 or x86_64")
set(VELAMO_THREADS posix CACHE STRING "posix or win32")
# Checks that compile test projects use the same compiler.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VELAMO_ARCH VELAMO_THREADS)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${VELAMO_ARCH})
set(triple ${VELAMO_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-${VELAMO_THREADS})
set(CMAKE_CXX_COMPILER ${triple}-g++-${VELAMO_THREADS})
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
