# Cross build for 64-bit Windows with the MinGW-w64 compilers of the posix thread model.
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# The programs are linked statically against the compiler's runtime (see CMakeLists.txt), so
# that they run on a Windows system, or under Wine, without any DLL of the compiler.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(FOLWYN_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${FOLWYN_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${FOLWYN_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${FOLWYN_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${FOLWYN_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test programs are run at build time to list their tests: under Wine when it is installed.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  find_program(FOLWYN_WINE_PROGRAM NAMES wine64 wine PATHS /usr/lib/wine)
  if(FOLWYN_WINE_PROGRAM)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${FOLWYN_WINE_PROGRAM})
  endif()
endif()
