# The two commands of the README: `make play` and `make test`. Everything else is a helper.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
WINDOWS_BUILD ?= build-windows
JOBS       ?= $(shell nproc)
CMAKE_FLAGS ?=
WERROR     := $(if $(CI),ON,OFF)

.PHONY: all deps configure build install play server test test-asan bench fuzz fuzz-build format-check clean \
	windows test-windows

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DBK_WERROR=$(WERROR) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The game, its data, desktop entry and icon under PREFIX (bin/, share/...); DESTDIR works too.
PREFIX ?= /usr/local
install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

play: build
	cd $(BUILD)/game && ./brindle-karts

# The world high-score server on this machine, its database kept under the build folder.
server: configure
	@cmake --build $(BUILD) -j $(JOBS) --target brindle-score-server
	$(BUILD)/tools/brindle-score-server --host 127.0.0.1 --port 8711 --db $(BUILD)/scores.sqlite

# Every test: unit and headless scenarios, then the tests that need a display under Xvfb.
test: build
	@scripts/run-tests $(BUILD)
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=$${FUZZ_SECONDS:-5}

# The unit and headless scenario tests again, built with address and undefined sanitizers.
test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -DBK_SANITIZE=ON -DBK_WERROR=$(WERROR) -DCMAKE_BUILD_TYPE=Debug $(CMAKE_FLAGS) >/dev/null
	@# The build runs our generators to make the game's data; their leak reports would stop
	@# it, while the tests below keep leak detection.
	@ASAN_OPTIONS=detect_leaks=0 cmake --build $(ASAN_BUILD) -j $(JOBS)
	@scripts/run-tests $(ASAN_BUILD) --no-display

bench: build
	@scripts/run-benchmarks $(BUILD)

# Every parser's fuzz target: a few seconds each in `make test`, a minute each here.
fuzz: fuzz-build
	@scripts/run-fuzzers $(FUZZ_BUILD) $${FUZZ_SECONDS:-60}

fuzz-build: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DBK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets

# Every tracked C++ file against .clang-format (clang-format-14); lists the files that deviate.
format-check: deps
	@scripts/format-check

# The Windows game (build-windows/game), its zip and installer, cross-built with MinGW-w64.
# The libraries are built once per machine (scripts/windows-deps); the data is the Linux
# build's, made by its tools.
windows: configure
	@scripts/windows-deps
	@cmake --build $(BUILD) -j $(JOBS) --target game_pictures game_tracks game_sounds game_exit_page
	@cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/MinGW-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
	  -DBK_WINDOWS_DEPS=$$(scripts/windows-deps --prefix) -DBK_LINUX_GAME_DIR=$(CURDIR)/$(BUILD)/game \
	  -DBK_WERROR=$(WERROR) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	@cmake --build $(WINDOWS_BUILD) --target windows_zip windows_installer

# The Windows tests and the installed game, run under wine64 in an Xvfb of their own.
test-windows: windows
	@cmake --build $(WINDOWS_BUILD) -j $(JOBS) --target windows_tests
	@cmake --build $(BUILD) -j $(JOBS) --target wine_game_tests
	@scripts/test-windows $(WINDOWS_BUILD) $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(WINDOWS_BUILD)
