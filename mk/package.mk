# `make package`: the Debian package, quorvane_<version>_<arch>.deb, built by
# CPack into $(BUILD_DIR)/. Install it with `sudo apt install ./build/quorvane_*.deb`.
.PHONY: package

package: build
	@cd $(BUILD_DIR) && cpack -G DEB
