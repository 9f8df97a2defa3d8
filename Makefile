# Two commands do everything on a fresh Debian 12 machine:
#   make run    installs what is missing, builds the game alone and starts it
#   make test   installs what is missing, builds and runs every test
# The quick loop while working on the game:
#   make check  the code's format, then the unit and flow tests
# CI adds make test-sanitized (the tests under the sanitizers); make fuzz
# runs the fuzz targets for minutes; make package builds the Debian package.
MAKEFLAGS += --no-print-directory
BUILD ?= build
SANITIZED ?= build-sanitized
JOBS  ?= 2
FUZZ_SECONDS ?= 180

.PHONY: all deps configure build game run format-check check test test-sanitized fuzz mutate bench levels sounds package screenshot clean

all: build

# The install script runs again only when it changed since it last ran for
# this tree; it says nothing when nothing is missing.
%/.deps-installed: scripts/install-deps
	@scripts/install-deps
	@mkdir -p $* && touch $@
deps: $(BUILD)/.deps-installed
# A tree's marks stay when make reaches them only through another rule.
.PRECIOUS: %/.deps-installed %/.configured

# A tree is configured once, with Ninja, whose build with nothing to do is
# quick and says one line; after that the build itself runs CMake again
# whenever a CMakeLists.txt changes. A tree made before keeps its generator.
%/.configured: %/.deps-installed
	@cmake -S . -B $* $(if $(wildcard $*/CMakeCache.txt),,-G Ninja) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  $(if $(filter $(SANITIZED),$*),-DZHOP_SANITIZE=ON) >/dev/null
	@touch $@
configure: $(BUILD)/.configured

# Everything but the fuzz targets' own tree.
build: configure
	@cmake --build $(BUILD) -j$(JOBS)

# The program alone (with its sound plugin and level set), no tests, tools,
# benchmarks or fuzz tree.
game: configure
	@cmake --build $(BUILD) -j$(JOBS) --target zorbix-hoplix

run: game
	@scripts/run-game $(BUILD)/bin/zorbix-hoplix

# CTest in a tree, with more arguments; no test found is an error. CTest
# shows a skipped test only by name: the reasons follow its summary.
CTEST = ctest --output-on-failure --no-tests=error -j$(JOBS)
ctest = cd $(1) && { $(CTEST) $(2); status=$$?; grep -h '^SKIP' Testing/Temporary/LastTest.log; exit $$status; }

# Every C++ file as .clang-format has it; `clang-format -i FILE` mends one.
format-check: deps
	@git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

check: format-check build
	@$(call ctest,$(BUILD),-L '^(unit|flow)$$')

# Every test: unit, flow, the long random session, a short run of every
# fuzz target, the end-to-end runs and the package check.
test: configure
	@cmake --build $(BUILD) -j$(JOBS) --target all fuzzers
	@$(call ctest,$(BUILD))

# The tests again, the game built with AddressSanitizer and
# UndefinedBehaviorSanitizer (tests/sanitizers/); not the fuzz targets, which
# run under both already, nor the package check, which is for the release
# build the package is made from.
test-sanitized: $(SANITIZED)/.configured
	@cmake --build $(SANITIZED) -j$(JOBS)
	@$(call ctest,$(SANITIZED))

# Each fuzz target for FUZZ_SECONDS seconds (tests/fuzz/).
fuzz: configure
	@cmake --build $(BUILD) -j$(JOBS) --target fuzzers
	@tests/fuzz/run-fuzzers $(BUILD) --seconds $(FUZZ_SECONDS)

# A mutation run on the game's own code (tools/mutate; docs/testing.md):
# MUTATE_SEED and MUTATE_COUNT fix the sample, MUTATE_PATHS narrows it to
# folders or files. It takes hours, and never runs in CI.
mutate: build
	@tools/mutate --build $(BUILD) $(MUTATE_PATHS)

bench: build
	@scripts/run-benchmarks $(BUILD)

# Remakes the level set from its fixed seed, and its report.
levels: configure
	@cmake --build $(BUILD) -j$(JOBS) --target make-levels solve-levels
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
