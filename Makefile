# make build   tovrin.exe (32-bit, static) in build/win32/bin
# make test    everything the tests need, then the native and the Windows tests
# make run     build, then start tovrin.exe under Wine
# make fuzz    a minute of fuzzing for each target in fuzz/ (make test runs a short round)
SHELL := /bin/bash
.ONESHELL:
.SHELLFLAGS := -euo pipefail -c
.PHONY: setup build test fuzz run native-test win-test check-exe screenshot clean

JOBS ?= $(shell nproc)
MAKEFLAGS += --no-print-directory

setup:
	@bash scripts/setup.sh

build: setup
	@export TOVRIN_WINE=$$(scripts/wine-loader.sh)
	cmake --preset win32 >/dev/null
	cmake --build --preset win32 -j $(JOBS) --target tovrin

check-exe: build
	@bash scripts/check-exe.sh build/win32/bin/tovrin.exe

native-test: setup
	@cmake --preset native >/dev/null
	cmake --build --preset native -j $(JOBS)
	ctest --preset native

# The Windows tests run the build that this machine's Wine can execute: the 32-bit one
# itself, or the 64-bit build of the same sources where no 32-bit code runs.
win-test: setup
	@export TOVRIN_WINE=$$(scripts/wine-loader.sh)
	preset=$$(scripts/wine-loader.sh --preset)
	cmake --preset win32 >/dev/null
	cmake --build --preset win32 -j $(JOBS)
	if [[ $$preset != win32 ]]; then
	  echo "Windows tests: this machine runs no 32-bit code; testing the $$preset build"
	  cmake --preset $$preset >/dev/null
	  cmake --build --preset $$preset -j $(JOBS)
	fi
	TOVRIN_OWN_XVFB=1 scripts/with-wine.sh ctest --preset $$preset

test: native-test win-test check-exe
	@bash scripts/fuzz.sh 10

fuzz: setup
	@bash scripts/fuzz.sh 60

run: setup
	@bash scripts/run.sh

screenshot: setup
	@bash scripts/screenshot.sh docs/main-window.png

clean:
	@rm -rf build
