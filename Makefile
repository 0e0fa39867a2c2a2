# The two commands of the README. Both install what is missing first.
BUILD_DIR ?= build
ASAN_DIR  ?= build-asan
CMAKE_ARGS ?=

.PHONY: run test deps build bench sanitize clean

deps:
	@bash scripts/install_deps.sh

build: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS) > /dev/null
	@cmake --build $(BUILD_DIR)

run: build
	@bash scripts/run_program.sh $(BUILD_DIR)/shell/steel-handbook

test: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j2

bench: build
	@$(BUILD_DIR)/bench/handbook_bench
	@QT_QPA_PLATFORM=$${QT_QPA_PLATFORM:-offscreen} $(BUILD_DIR)/bench/handbook_startup_bench
	@python3 bench/compare_startup.py $(BUILD_DIR)/bench/handbook_startup_probe $(BUILD_DIR)/bench/minimal_cjk_window 15
	@python3 bench/cutting_bench.py run $(BUILD_DIR)/bench/cutting_bench

# Tests once more with AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	@cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DHANDBOOK_SANITIZE=ON > /dev/null
	@cmake --build $(ASAN_DIR)
	@ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	 LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	 ctest --test-dir $(ASAN_DIR) --output-on-failure -j2

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
