# Velinor: `make run` starts the editor, `make test` runs every test, `make bench` the benchmarks,
# `make install` installs it under PREFIX, `make screenshots` retakes the README's screenshots.
# Each target first installs any missing Debian packages (scripts/install-deps.sh).

BUILD_DIR ?= build
PREFIX ?= /usr/local
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps build run test bench install screenshots clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD_DIR)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@bash scripts/run-velinor.sh $(BUILD_DIR)/velinor

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@bash scripts/run-benchmarks.sh $(BUILD_DIR)

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

screenshots: build
	@bash scripts/take-screenshots.sh $(BUILD_DIR) docs/screenshots

clean:
	rm -rf $(BUILD_DIR)
