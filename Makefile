# make build   tovrin.exe (32-bit, static) in build/win32/bin
# make test    everything the tests need, then the native and the Windows tests
# make run     build, then start tovrin.exe under Wine
# make fuzz    a minute of fuzzing for each target in fuzz/ (make test runs a short round)
# make bench   figures of the running tovrin.exe under Wine, one table (README: Performance)
SHELL := /bin/bash
.ONESHELL:
.SHELLFLAGS := -euo pipefail -c
.PHONY: setup build test fuzz run native-test win-test check-exe screenshot clean bench

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

# Figures, not tests: the build this machine's Wine runs (see win-test), measured while it
# runs beside a program that only registers the same hotkey. The 32-bit tovrin.exe is
# built too, for its size. The build's output goes to a log unless it fails.
bench: setup
	@export TOVRIN_WINE=$$(scripts/wine-loader.sh)
	preset=$$(scripts/wine-loader.sh --preset)
	log=build/bench-build.log
	mkdir -p build
	{ cmake --preset win32 && cmake --build --preset win32 -j $(JOBS) --target tovrin &&
	  cmake --preset $$preset && cmake --build --preset $$preset -j $(JOBS) --target tovrin_bench; } >$$log 2>&1 ||
	  { cat $$log; exit 1; }
	echo "machine: $$(nproc) x$$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2), $$($$TOVRIN_WINE --version)," \
	  "the $$preset build; load average $$(cut -d' ' -f1-3 /proc/loadavg)"
	TOVRIN_OWN_XVFB=1 scripts/with-wine.sh $$TOVRIN_WINE build/$$preset/bin/tovrin_bench.exe \
	  "Z:$(CURDIR)/build/win32/bin/tovrin.exe"

fuzz: setup
	@bash scripts/fuzz.sh 60

run: setup
	@bash scripts/run.sh

screenshot: setup
	@bash scripts/screenshot.sh docs/main-window.png

clean:
	@rm -rf build
