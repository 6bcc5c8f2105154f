# make run       installs what is missing, builds and starts Tavrix
# make test      installs what is missing, builds and runs every test
# make bench     the benchmark table
# make sanitize  every test under AddressSanitizer and UndefinedBehaviorSanitizer
# make fuzz      each fuzz target for FUZZ_SECONDS seconds
# make package   a Debian package in build/
# make screenshots  the README's pictures, from the real program under Xvfb
# make mutants   a sampled mutation run over src/ (SEED, COUNT); not part of make test
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
SEED ?= 1
COUNT ?= 40
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
PACKAGES := $(shell grep -v '^\s*\#' packages.txt)

.PHONY: all deps build run test bench sanitize fuzz package screenshots mutants clean

all: build

# Install only the Debian packages that are not there yet.
deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi

# WERROR=1 turns compiler warnings into errors, as CI builds.
CMAKE_FLAGS := $(if $(WERROR),-DTAVRIX_WERROR=ON,)

build: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/tavrix

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

package: build
	cd $(BUILD_DIR) && cpack -G DEB

screenshots: build
	xvfb-run -a -s "-screen 0 1920x1080x24" \
	  ./$(BUILD_DIR)/tools/tavrix_screenshots ./$(BUILD_DIR)/tavrix docs/screenshots

bench: build
	./$(BUILD_DIR)/bench/tavrix_bench --benchmark_counters_tabular=true

sanitize: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTAVRIX_SANITIZE=ON
	cmake --build build-sanitize -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir build-sanitize --output-on-failure -j $(JOBS)

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVRIX_FUZZ=ON -DBUILD_TESTING=OFF
	cmake --build build-fuzz -j $(JOBS) --target fuzz_ray_geometry fuzz_image_construction fuzz_events
	cd build-fuzz && for t in fuzz_ray_geometry fuzz_image_construction fuzz_events; do \
	  mkdir -p corpus/$$t && \
	  QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
	    ./fuzz/$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 corpus/$$t || exit 1; \
	done

# Each mutant is built in build-mutants, so that build/ stays as it is.
mutants: deps
	python3 tools/mutants.py --seed $(SEED) --count $(COUNT)

clean:
	rm -rf $(BUILD_DIR) build-sanitize build-fuzz build-mutants
