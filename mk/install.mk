# `make install` puts the editor, its menu entry and its icon under PREFIX
# (DESTDIR is honoured for staged installs); `make uninstall` removes exactly
# what the same install rules put there, found by a staged install of its own.
PREFIX ?= /usr/local

.PHONY: install uninstall

install: build
	@DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)" --strip

uninstall: build
	@stage=$$(mktemp -d) && trap 'rm -rf "$$stage"' EXIT && \
	DESTDIR="$$stage" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)" >/dev/null && \
	cd "$$stage" && find . ! -type d | while read -r file; do \
	  target="$(DESTDIR)$${file#.}"; \
	  if [ -e "$$target" ] || [ -L "$$target" ]; then rm -f -- "$$target" && echo "-- Removed: $$target"; fi; \
	done
