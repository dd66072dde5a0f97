# The two commands of the project:
#   make run   builds the program and starts it in ./tournament-data
#   make test  installs what is missing, builds everything and runs every test:
#              the formatting check, the suite, the suite again under AddressSanitizer and
#              UndefinedBehaviorSanitizer, each fuzz target for FUZZ_SECONDS,
#              and an install into a staging folder
#   make package  builds the Debian package (.deb) in the build folder
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
DATA ?= $(CURDIR)/tournament-data
ASAN_BUILD ?= build-asan
FUZZ_SECONDS ?= 30

.PHONY: all deps configure build run test package clean

all: build

deps:
	./scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	mkdir -p "$(DATA)"
	cd "$(DATA)" && "$(CURDIR)/$(BUILD)/app/corvane"

test: build
	./scripts/check-format
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	JOBS=$(JOBS) ./scripts/test-sanitized $(ASAN_BUILD)
	JOBS=$(JOBS) FUZZ_SECONDS=$(FUZZ_SECONDS) ./scripts/run-fuzzers
	./scripts/check-install $(BUILD)
	./scripts/check-package $(BUILD)

package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-fuzz
