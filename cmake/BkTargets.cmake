include(GoogleTest)

# bk_library(NAME DIR [DEPS ...]): a static library of every .cpp directly in DIR.
# Globbing keeps a new source file from needing a build-file edit.
function(bk_library name dir)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC bk_options ${ARGN})
  else()
    # A layer with no code yet still takes part in the dependency graph.
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE bk_options ${ARGN})
  endif()
endfunction()

# bk_test(NAME DIR [LABEL label] DEPS ...): one GoogleTest executable of every .cpp in DIR,
# each test registered with CTest and run from the game folder, so relative data paths work.
# Label "display" marks tests that need an X display (make test starts Xvfb for them).
function(bk_test name dir)
  cmake_parse_arguments(T "" "LABEL" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  if(NOT T_LABEL)
    set(T_LABEL unit)
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE bk_options ${T_DEPS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE BK_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    BK_GAME_DIR="${BK_GAME_DIR}" BK_TOOLS_DIR="${BK_TOOLS_DIR}")
  gtest_discover_tests(${name} WORKING_DIRECTORY ${BK_GAME_DIR} DISCOVERY_TIMEOUT 60
    PROPERTIES LABELS ${T_LABEL} ENVIRONMENT "SDL_AUDIODRIVER=dummy")
endfunction()
