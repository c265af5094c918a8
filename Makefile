# Thin front over scripts/setup.sh and CMake. `make demo` and `make test` do all set-up.
OUT ?= out

.PHONY: demo test build bench clean

build:
	scripts/setup.sh

demo: build
	build/app/kalder demo --out $(OUT)

test: build
	scripts/cups.sh
	QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
	scripts/sanitized_tests.sh

bench: build
	build/bench/kalder_bench

clean:
	rm -rf build build-asan build-fuzz build-cov $(OUT)
