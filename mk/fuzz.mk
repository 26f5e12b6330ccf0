# `make fuzz`: the libFuzzer targets, built with clang, AddressSanitizer and
# UBSan in a folder of their own, each run for FUZZ_SECONDS.
FUZZ_BUILD_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_FINDINGS ?= fuzz/findings

.PHONY: fuzz fuzz-deps fuzz-build

# Debian's clang, the runtime that carries libFuzzer and the sanitizers, and
# the symbolizer that turns a finding's stack into file names and lines.
fuzz-deps:
	@scripts/install-packages.sh clang libclang-rt-14-dev llvm

fuzz-build: deps fuzz-deps
	@cmake -S . -B $(FUZZ_BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DQUORVANE_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD_DIR) --target fuzzers -j $(JOBS)

fuzz: fuzz-build
	@fuzz/run-fuzzers.sh $(FUZZ_BUILD_DIR) $(FUZZ_SECONDS) $(FUZZ_FINDINGS)
