# Every outside library the project links, found once here. scripts/install-deps installs them;
# for Windows, scripts/windows-deps builds the game's and its tests' share of them.
find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)
find_package(GTest REQUIRED)
find_package(PNG REQUIRED)
find_package(ZLIB REQUIRED)
find_package(CURL REQUIRED)
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
pkg_check_modules(SDL2_TTF REQUIRED IMPORTED_TARGET SDL2_ttf)
pkg_check_modules(OPENMPT REQUIRED IMPORTED_TARGET libopenmpt)
if(WIN32)
  # Every program here has its own main(): SDL's replacement entry point stays out, and the
  # game alone is made a windowed (no console) program.
  foreach(property INTERFACE_LINK_LIBRARIES INTERFACE_LINK_OPTIONS)
    get_target_property(items PkgConfig::SDL2 ${property})
    if(items)
      list(REMOVE_ITEM items SDL2main -lSDL2main -mwindows)
      set_target_properties(PkgConfig::SDL2 PROPERTIES ${property} "${items}")
    endif()
  endforeach()
  # M_PI and its kin, which MinGW's math.h declares only when asked.
  target_compile_definitions(bk_options INTERFACE SDL_MAIN_HANDLED _USE_MATH_DEFINES)
  return()
endif()
# The tools, the score server and the benchmarks are built on Linux only.
find_package(benchmark REQUIRED)
find_package(SQLite3 REQUIRED)
pkg_check_modules(FONTCONFIG REQUIRED IMPORTED_TARGET fontconfig)
pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo)
pkg_check_modules(PANGOCAIRO REQUIRED IMPORTED_TARGET pangocairo)
pkg_check_modules(HTTPLIB REQUIRED IMPORTED_TARGET cpp-httplib)
pkg_check_modules(LIBPQ REQUIRED IMPORTED_TARGET libpq)
