# Two entry points for a fresh Debian machine: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test clean

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

clean:
	rm -rf $(BUILD_DIR)
