# The two commands of the project:
#   make run   builds the program and starts it in ./tournament-data
#   make test  installs what is missing, builds everything and runs every test
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
DATA ?= $(CURDIR)/tournament-data

.PHONY: all deps configure build run test clean

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
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)
