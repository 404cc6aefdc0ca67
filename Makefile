# The Makefile only drives CMake; CMake is the build.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

CONFIGURE = cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build test run screenshots bench package clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@$(CONFIGURE) -DDUTYWISE_TESTS=ON -DDUTYWISE_BENCH=ON $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) --timeout 300

# Only what building and running the program needs: its packages, and the program with its run
# folder. A build folder configured already keeps its tests and benchmarks; a new one has none.
run:
	@scripts/install-deps run
	@$(CONFIGURE) $(if $(wildcard $(BUILD)/CMakeCache.txt),,-DDUTYWISE_TESTS=OFF -DDUTYWISE_BENCH=OFF) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target dutywise
	@cd $(BUILD)/run && ./dutywise

screenshots: build
	@cmake --build $(BUILD) --target screenshots

bench: build
	@scripts/run-benchmarks $(BUILD)

package: build
	@cd $(BUILD) && cpack -G DEB

clean:
	@rm -rf $(BUILD) build-asan
