# The two commands of the README. Each installs what it needs and configures; `run` builds
# the program alone, `test` builds everything and runs the tests.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test clean

all: build

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: configure
	cmake --build $(BUILD) -j $(JOBS) --target quillmere
	./scripts/run-quillmere.sh $(BUILD)

test: build
	./scripts/run-tests.sh $(BUILD)

clean:
	rm -rf $(BUILD)
