# Entry points for a fresh Debian machine: `make run` and `make test`; CI adds `make sanitize`
# and `make fuzz`. Each installs only the packages it needs (scripts/install-deps.sh).
JOBS ?= $(shell nproc)
GCC_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
PROGRAMS_ONLY = -DBUILD_TESTS=OFF -DBUILD_BENCHMARKS=OFF -DBUILD_DEV_TOOLS=OFF
EVERYTHING = -DBUILD_TESTS=ON -DBUILD_BENCHMARKS=ON -DBUILD_DEV_TOOLS=ON
# `make run` builds the three programs and the sample database tool alone, in a folder of their
# own, so switching between running and testing never rebuilds everything; a newer compiler's new
# warning does not stop it. `make test` builds everything with warnings as errors.
RUN_DIR ?= build-run
BUILD_DIR ?= build
# The clang builds: the test suite with AddressSanitizer and UndefinedBehaviorSanitizer, and the
# fuzz targets of fuzz/, each run FUZZ_SECONDS, FUZZ_JOBS at a time.
SANITIZE_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_JOBS ?= 4
CLANG_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	-DWARNINGS_AS_ERRORS=ON

.PHONY: deps run-build test-build run test sanitize fuzz clean

# Every package of every command.
deps:
	./scripts/install-deps.sh run test clang

run-build:
	./scripts/install-deps.sh run
	cmake -S . -B $(RUN_DIR) $(GCC_FLAGS) -DWARNINGS_AS_ERRORS=OFF $(PROGRAMS_ONLY)
	cmake --build $(RUN_DIR) -j $(JOBS)

test-build:
	./scripts/install-deps.sh run test
	cmake -S . -B $(BUILD_DIR) $(GCC_FLAGS) -DWARNINGS_AS_ERRORS=ON $(EVERYTHING)
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The sample database is drawn while the data folder holds no face, so the faces a user saves
# there are never drawn over and the program starts whatever else the folder lacks; a Prefs.prf
# in which every feature counts is written beside it unless one is there.
run: run-build
	@if ./scripts/needs-sample-data "Sample data"; then \
		./$(RUN_DIR)/tools/make_sample_data "Sample data" --prefs Prefs.prf; \
	fi
	./$(RUN_DIR)/analysis/analysis

test: test-build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Any sanitizer report ends the test that made it, so it fails.
sanitize:
	./scripts/install-deps.sh run test clang
	cmake -S . -B $(SANITIZE_DIR) $(CLANG_FLAGS) $(EVERYTHING) -DSANITIZE=ON
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && QT_QPA_PLATFORM=offscreen \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j $(JOBS)

# The fuzz targets read files through the programs' own libraries; nothing of the tests is built.
fuzz:
	./scripts/install-deps.sh run clang
	cmake -S . -B $(FUZZ_DIR) $(CLANG_FLAGS) $(PROGRAMS_ONLY) -DFUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_targets
	./fuzz/run-all $(FUZZ_DIR) $(FUZZ_SECONDS) $(FUZZ_JOBS)

clean:
	rm -rf $(RUN_DIR) $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR)
