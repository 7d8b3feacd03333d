# SPDX-License-Identifier: GPL-3.0-or-later
# A thin layer over CMake: every target first installs what is missing.
BUILD ?= build
# Keep the nested builds from announcing every directory they enter.
MAKEFLAGS += --no-print-directory
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
BUILD_TYPE ?= Release

.PHONY: all deps configure build run test package bench clean format cross-deps cross-check \
	windows-deps windows windows-check

all: build

deps:
	@sh scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@$(BUILD)/src/app/beltwright

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The Debian package, written to $(BUILD)/beltwright_<version>_<arch>.deb.
# cpack copies its umask into the modes of the package's members.
package: build
	@umask 022 && cmake --build $(BUILD) --target package

# The core built for arm64 and run under qemu writes the same catalogues as
# this machine's build.
CROSS_BUILD ?= $(BUILD)/aarch64

cross-deps:
	@sh scripts/install-cross-deps.sh

cross-check: configure cross-deps
	@cmake --build $(BUILD) -j $(JOBS) --target writebelt
	@cmake -S . -B $(CROSS_BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DBELTWRIGHT_CORE_ONLY=ON \
		-DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/aarch64-linux-gnu.cmake >/dev/null
	@cmake --build $(CROSS_BUILD) -j $(JOBS) --target writebelt
	@python3 tests/tools/samebytes.py --right-emulator qemu-aarch64 \
		$(BUILD)/tests/writebelt $(CROSS_BUILD)/writebelt

# The Windows programs, zip and installer, cross-built with MinGW-w64 against
# a static Qt, GMP and MPFR that are built once from Debian's sources and kept
# outside the clone (scripts/build-windows-deps.sh says where).
WINDOWS_BUILD ?= build-windows

windows-deps:
	@sh scripts/install-windows-deps.sh
	@sh scripts/build-windows-deps.sh

windows: windows-deps
	@cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
		-DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/x86_64-w64-mingw32.cmake \
		-DBELTWRIGHT_WINDOWS_PREFIX=$$(sh scripts/build-windows-deps.sh --prefix) >/dev/null
	@cmake --build $(WINDOWS_BUILD) -j $(JOBS) --target beltwright beltwright-cli
	@cmake --build $(WINDOWS_BUILD) --target windows-package

# Under wine on a virtual display: the Windows build's catalogues against this
# machine's, its tests, the installer and the window.
windows-check: windows configure
	@cmake --build $(BUILD) -j $(JOBS) --target writebelt beltwright-cli
	@cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	@xvfb-run -a -s "-screen 0 1280x1024x24" sh tests/check_windows.sh \
		$(BUILD)/tests/writebelt $(BUILD)/src/cli/beltwright-cli $(WINDOWS_BUILD)

clean:
	@rm -rf $(BUILD)

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

bench: build
	@$(BUILD)/bench/beltbench $(BENCH_ARGS)
	@$(BUILD)/bench/guistall
	@$(BUILD)/bench/previewstall
