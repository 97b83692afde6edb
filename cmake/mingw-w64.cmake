# Cross build for 64-bit Windows with Debian's mingw-w64 (posix threads): the toolkit-free
# libraries, the Windows adapters and their unit tests, run under Wine.
#   cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PRESSLANE_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PRESSLANE_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PRESSLANE_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${PRESSLANE_MINGW_TRIPLET}-windres)

# Libraries and headers come from the target's folder only, never from the build machine's.
set(CMAKE_FIND_ROOT_PATH /usr/${PRESSLANE_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(ENV{PKG_CONFIG_LIBDIR} /usr/${PRESSLANE_MINGW_TRIPLET}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")

# The executables carry their runtime: they start under Wine (or on a bare Windows) without
# libgcc, libstdc++ or winpthread DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")

# ctest and GoogleTest run the test executables through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
