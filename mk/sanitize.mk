# `make sanitize`: the whole test suite built with AddressSanitizer and UBSan
# in a folder of its own, and run. Any report fails the run: UBSan does not
# recover, and a leak fails the test process that made it. The form tests
# pick Qt's offscreen platform themselves; the real-window test its X server.
SANITIZE_BUILD_DIR ?= build-sanitize
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer

.PHONY: sanitize

sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" >/dev/null
	@cmake --build $(SANITIZE_BUILD_DIR) -j $(JOBS)
	@cd $(SANITIZE_BUILD_DIR) && ASAN_OPTIONS="abort_on_error=1:detect_stack_use_after_return=1$${ASAN_OPTIONS:+:$$ASAN_OPTIONS}" \
	  UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1$${UBSAN_OPTIONS:+:$$UBSAN_OPTIONS}" \
	  ctest --output-on-failure -j $(JOBS)
