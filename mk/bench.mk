# `make bench`: the benchmarks, built for release in a folder of their own
# and run on a virtual X display of their own, where the editor's start is
# timed against a bare Qt window. BENCH_ARGS go to the bench program, e.g.
# BENCH_ARGS="--benchmark_filter=Load --start_runs=5".
BENCH_BUILD_DIR ?= build-bench
BENCH_ARGS ?=

.PHONY: bench bench-deps bench-build

# Google Benchmark, and the X DAMAGE library through which the bench sees a
# window's first frame.
bench-deps:
	@scripts/install-packages.sh libbenchmark-dev libxdamage-dev

bench-build: deps bench-deps
	@cmake -S . -B $(BENCH_BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DQUORVANE_BENCH=ON >/dev/null
	@cmake --build $(BENCH_BUILD_DIR) --target quorvane_bench -j $(JOBS)

bench: bench-build
	@xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24 -nolisten tcp" \
	  $(BENCH_BUILD_DIR)/quorvane_bench $(BENCH_ARGS)
