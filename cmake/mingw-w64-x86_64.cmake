# Cross build for 64-bit Windows with Debian's MinGW-w64 compilers (the POSIX thread model, for
# std::thread and std::mutex): cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake ...
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TC_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TC_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TC_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TC_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TC_MINGW_TRIPLET})
# Libraries built for Windows here (wxWidgets and libpng: scripts/build-windows-libs).
if(TC_WINDOWS_LIBS)
    list(APPEND CMAKE_FIND_ROOT_PATH "${TC_WINDOWS_LIBS}")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The programs run on a Windows machine with nothing else installed: the C++ runtime, libgcc and
# the thread library are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Programs built here run under Wine on the build machine (tests).
find_program(TC_WINE NAMES wine wine64)
if(TC_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR "${TC_WINE}")
endif()
