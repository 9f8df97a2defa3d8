# Two commands do everything on a fresh Debian 12 machine:
#   make run    installs what is missing, builds and starts the game
#   make test   installs what is missing, builds and runs every test
# and one to hand the game to a player:
#   make package   builds the Debian package ./zorbix-hoplix_VERSION_ARCH.deb
# CI adds make test-sanitized (every test under the sanitizers); make fuzz
# runs the fuzz targets for minutes.
MAKEFLAGS += --no-print-directory
BUILD ?= build
SANITIZED ?= build-sanitized
JOBS  ?= 2
FUZZ_SECONDS ?= 180

.PHONY: all deps configure build game run test test-sanitized fuzz bench levels sounds package screenshot clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

# The program alone, without tests, tools and benchmarks.
game: configure
	@cmake --build $(BUILD) -j$(JOBS) --target zorbix-hoplix

run: build
	@scripts/run-game $(BUILD)/bin/zorbix-hoplix

# CTest shows a skipped test only by name: the reasons follow its summary.
# The tests include a short run of every fuzz target and the long random
# session.
CTEST = ctest --output-on-failure -j$(JOBS); status=$$?; \
	  grep -h '^SKIP' Testing/Temporary/LastTest.log; exit $$status
test: build
	@cd $(BUILD) && { $(CTEST); }

# Every test again, the game built with AddressSanitizer and
# UndefinedBehaviorSanitizer (tests/sanitizers/).
test-sanitized: deps
	@cmake -S . -B $(SANITIZED) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZHOP_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZED) -j$(JOBS)
	@cd $(SANITIZED) && { $(CTEST); }

# Each fuzz target for FUZZ_SECONDS seconds (tests/fuzz/).
fuzz: build
	@tests/fuzz/run-fuzzers $(BUILD) --seconds $(FUZZ_SECONDS)

bench: build
	@scripts/run-benchmarks $(BUILD)

# Remakes the level set from its fixed seed, and its report.
levels: build
	@$(BUILD)/bin/make-levels --seed 20261207 --out resources/zhop.dat
	@$(BUILD)/bin/solve-levels resources/zhop.dat --report docs/levels.md

package: game
	@cd $(BUILD) && cpack -G DEB
	@cp $(BUILD)/zorbix-hoplix_*.deb .
	@ls zorbix-hoplix_*.deb

# Remakes the screenshot that the README and the metainfo show.
screenshot: game
	@tools/take-screenshot $(BUILD)/bin/zorbix-hoplix docs/screenshot.png

# Remakes the five sound clips (resources/sounds/) from their synthesis.
sounds: configure
	@cmake --build $(BUILD) --target make-sounds
	@$(BUILD)/bin/make-sounds resources/sounds

clean:
	rm -rf $(BUILD) $(SANITIZED)
