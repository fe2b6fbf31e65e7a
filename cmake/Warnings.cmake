# Warnings and sanitizers applied to every target of the project (not to imported ones).
add_library(bk_options INTERFACE)
target_compile_options(bk_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
  -Wcast-align -Woverloaded-virtual -Wnull-dereference -Wimplicit-fallthrough)
if(BK_WERROR)
  target_compile_options(bk_options INTERFACE -Werror)
endif()
if(BK_SANITIZE)
  target_compile_options(bk_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
    -fno-sanitize-recover=undefined)
  target_link_options(bk_options INTERFACE -fsanitize=address,undefined)
endif()
if(BK_FUZZ)
  # Coverage for libFuzzer in every library; the fuzz executables add the fuzzer main.
  target_compile_options(bk_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined)
  target_link_options(bk_options INTERFACE -fsanitize=address,undefined)
endif()
target_include_directories(bk_options INTERFACE ${PROJECT_SOURCE_DIR})
