# Two commands do everything on a fresh Debian 12 machine:
#   make run    installs what is missing, builds and starts the game
#   make test   installs what is missing, builds and runs every test
MAKEFLAGS += --no-print-directory
BUILD ?= build
JOBS  ?= 2

.PHONY: all deps build run test bench levels sounds clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@scripts/run-game $(BUILD)/bin/zorbix-hoplix

test: build
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

bench: build
	@scripts/run-benchmarks $(BUILD)

# Remakes the level set from its fixed seed, and its report.
levels: build
	@$(BUILD)/bin/make-levels --seed 20261207 --out resources/zhop.dat
	@$(BUILD)/bin/solve-levels resources/zhop.dat --report docs/levels.md

# Remakes the five sound clips (resources/sounds/) from their synthesis.
sounds: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) --target make-sounds
	@$(BUILD)/bin/make-sounds resources/sounds

clean:
	rm -rf $(BUILD)
