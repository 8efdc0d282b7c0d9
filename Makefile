# The two commands of the README. Each installs what it needs, configures and builds.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps build run test clean

all: build

deps:
	./scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./scripts/run-quillmere.sh $(BUILD)

test: build
	./scripts/run-tests.sh $(BUILD)

clean:
	rm -rf $(BUILD)
