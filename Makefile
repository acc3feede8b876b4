# Velinor: `make run` starts the editor, `make test` runs every test, `make bench` the benchmarks,
# `make install` installs it under PREFIX, `make deb` builds the Debian package (build/package),
# `make screenshots` retakes the README's screenshots.
# `make test-sanitize` runs every test built with AddressSanitizer and UndefinedBehaviorSanitizer
# (folder build-sanitize); `make fuzz` runs each fuzz target for FUZZ_SECONDS (folder build-fuzz).
# Each target first installs any missing Debian packages (scripts/install-deps.sh).

BUILD_DIR ?= build
PREFIX ?= /usr/local
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: all deps build run test test-wayland bench install deb screenshots test-sanitize fuzz clean

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
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -LE wayland

# The eyedropper on a real headless Wayland desktop with the real screenshot portal.
test-wayland: build
	cd $(BUILD_DIR) && ctest --output-on-failure -L wayland

bench: build
	@bash scripts/run-benchmarks.sh $(BUILD_DIR)

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

deb: build
	cd $(BUILD_DIR) && cpack --config CPackConfig.cmake

screenshots: build
	@bash scripts/take-screenshots.sh $(BUILD_DIR) docs/screenshots

test-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELINOR_SANITIZE=ON
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	@bash scripts/run-sanitized-tests.sh $(SANITIZE_DIR) $(JOBS)

fuzz:
	@bash scripts/install-deps.sh fuzz
	CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELINOR_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_targets
	@bash scripts/run-fuzz.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR)
