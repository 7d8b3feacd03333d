# SPDX-License-Identifier: GPL-3.0-or-later
# A thin layer over CMake: every target first installs what is missing.
BUILD ?= build
# Keep the nested builds from announcing every directory they enter.
MAKEFLAGS += --no-print-directory
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
BUILD_TYPE ?= Release

.PHONY: all deps configure build run test package bench clean format cross-deps cross-check

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

clean:
	@rm -rf $(BUILD)

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

bench: build
	@$(BUILD)/bench/beltbench $(BENCH_ARGS)
	@$(BUILD)/bench/guistall
	@$(BUILD)/bench/previewstall
