# The two commands of the project:
#   make run   builds the program and starts it in ./tournament-data
#   make test  installs what is missing, builds everything and runs every test:
#              the formatting check, the suite, the suite again under AddressSanitizer and
#              UndefinedBehaviorSanitizer, the core's suite built for Windows and run
#              under Wine, each fuzz target for FUZZ_SECONDS, and an install into a
#              staging folder
#   make package  builds the Debian package (.deb) in the build folder
#   make windows  builds the core, corvane-cli and the core's tests for Windows
#              (MinGW-w64) in build-windows
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
DATA ?= $(CURDIR)/tournament-data
ASAN_BUILD ?= build-asan
WINDOWS_BUILD ?= build-windows
FUZZ_SECONDS ?= 30

.PHONY: all deps configure build run test package windows clean

all: build

deps:
	./scripts/install-deps

# Release is what users and the package get, so it is what the tests build,
# with warnings as errors; `make run` alone keeps whatever the folder has (off
# in a fresh one, so another compiler's new warning does not stop a user).
BUILD_TYPE ?= Release
configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(if $(WERROR),-DCORVANE_WERROR=$(WERROR))

test: WERROR = ON

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	mkdir -p "$(DATA)"
	cd "$(DATA)" && "$(CURDIR)/$(BUILD)/app/corvane"

test: build
	./scripts/check-format
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	JOBS=$(JOBS) ./scripts/test-sanitized $(ASAN_BUILD)
	JOBS=$(JOBS) ./scripts/test-windows $(WINDOWS_BUILD)
	JOBS=$(JOBS) FUZZ_SECONDS=$(FUZZ_SECONDS) ./scripts/run-fuzzers
	./scripts/check-install $(BUILD)
	./scripts/check-package $(BUILD)

package: build
	cd $(BUILD) && cpack -G DEB

windows: deps
	JOBS=$(JOBS) ./scripts/build-windows $(WINDOWS_BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(WINDOWS_BUILD) build-fuzz
