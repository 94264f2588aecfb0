# Entry points for a fresh Debian machine: `make run` and `make test`; CI adds `make sanitize`
# and `make fuzz`.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
# The clang builds: the test suite with AddressSanitizer and UndefinedBehaviorSanitizer, and the
# fuzz targets of fuzz/, each run FUZZ_SECONDS, FUZZ_JOBS at a time.
SANITIZE_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_JOBS ?= 4
CLANG_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	-DWARNINGS_AS_ERRORS=ON

.PHONY: deps configure build run test sanitize fuzz clean

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWARNINGS_AS_ERRORS=ON

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The sample database is drawn on the first run; a Prefs.prf in which every feature counts is
# written beside it unless one is there.
run: build
	@if [ ! -f "Sample data/Median.vis" ]; then \
		./$(BUILD_DIR)/tools/make_sample_data "Sample data" --prefs Prefs.prf; \
	fi
	./$(BUILD_DIR)/analysis/analysis

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Any sanitizer report ends the test that made it, so it fails.
sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) $(CLANG_FLAGS) -DSANITIZE=ON
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && QT_QPA_PLATFORM=offscreen \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j $(JOBS)

fuzz: deps
	cmake -S . -B $(FUZZ_DIR) $(CLANG_FLAGS) -DFUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_targets
	./fuzz/run-all $(FUZZ_DIR) $(FUZZ_SECONDS) $(FUZZ_JOBS)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR)
