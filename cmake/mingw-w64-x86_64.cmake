# Cross-building the Windows game (x86-64) with Debian's mingw-w64 compilers. The posix thread
# flavour is the one whose C++ library has std::thread. Test programs run under Wine.
#
# TEVRA_WINDOWS_PREFIX names the folder holding the static third-party libraries (SDL2, FreeType,
# libjpeg-turbo, libpng, zlib, googletest) built by scripts/lib/windows.sh.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TEVRA_MINGW_TRIPLET x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${TEVRA_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TEVRA_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TEVRA_MINGW_TRIPLET}-windres)
set(CMAKE_AR ${TEVRA_MINGW_TRIPLET}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${TEVRA_MINGW_TRIPLET}-gcc-ranlib-posix CACHE FILEPATH "")

# Try-compiles re-read this file in a fresh project: hand the prefix on to them.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TEVRA_WINDOWS_PREFIX)
if(NOT TEVRA_WINDOWS_PREFIX AND DEFINED ENV{TEVRA_WINDOWS_PREFIX})
  set(TEVRA_WINDOWS_PREFIX $ENV{TEVRA_WINDOWS_PREFIX})
endif()

# Strict find mode: without it the build machine's own Linux libraries (libpng, zlib) are found and
# fail only at the link.
set(CMAKE_FIND_ROOT_PATH /usr/${TEVRA_MINGW_TRIPLET} ${TEVRA_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained .exe: the compiler's own runtime (libgcc, libstdc++, winpthread) linked in, so
# that it imports Windows' DLLs only and runs from any folder.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/lib/wine-run)
