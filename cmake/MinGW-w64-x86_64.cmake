# Cross-builds for Windows x86-64 with Debian's MinGW-w64 (the posix thread model, which
# std::thread and std::mutex need). BK_WINDOWS_DEPS names the folder scripts/windows-deps
# filled with the Windows builds of the libraries; they are searched there only.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(BK_MINGW_TRIPLET x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${BK_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BK_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${BK_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${BK_MINGW_TRIPLET})
if(DEFINED ENV{BK_WINDOWS_DEPS} AND NOT BK_WINDOWS_DEPS)
  set(BK_WINDOWS_DEPS $ENV{BK_WINDOWS_DEPS})
endif()
if(BK_WINDOWS_DEPS)
  list(PREPEND CMAKE_FIND_ROOT_PATH ${BK_WINDOWS_DEPS})
  # pkg-config reads the libraries' .pc files and nothing of the build machine's.
  set(ENV{PKG_CONFIG_LIBDIR} ${BK_WINDOWS_DEPS}/lib/pkgconfig)
  set(ENV{PKG_CONFIG_PATH} "")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test executables are run through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
