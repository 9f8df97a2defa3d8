# The main tree's side of the fuzzers: it builds the fuzz tree with clang
# and runs each target as a CTest test through run-fuzzers, which also
# serves `make fuzz`. The list of targets for run-fuzzers is written here.

set(FUZZ_LIST ${CMAKE_BINARY_DIR}/fuzz-targets.txt)

find_program(ZHOP_FUZZ_CXX NAMES clang++ clang++-14 DOC "clang++ that builds the fuzz targets")
set(unavailable "")
if(NOT ZHOP_FUZZ_CXX)
  set(unavailable "clang++ is not installed (Debian packages clang and libclang-rt-14-dev)")
elseif(NOT ZHOP_HAVE_LIBFUZZER)
  # libFuzzer comes with clang's runtime libraries, a package of its own on
  # Debian; only linking a target shows whether it is there.
  set(probe ${CMAKE_BINARY_DIR}/fuzz-probe)
  file(WRITE ${probe}/probe.cpp
    "#include <cstddef>\n#include <cstdint>\n"
    "extern \"C\" int LLVMFuzzerTestOneInput(const std::uint8_t *, std::size_t) { return 0; }\n")
  execute_process(COMMAND ${ZHOP_FUZZ_CXX} -fsanitize=fuzzer,address,undefined probe.cpp -o probe
                  WORKING_DIRECTORY ${probe} RESULT_VARIABLE failed OUTPUT_QUIET ERROR_QUIET)
  if(failed)
    set(unavailable "clang's libFuzzer is not installed (Debian package libclang-rt-14-dev)")
  else()
    set(ZHOP_HAVE_LIBFUZZER ON CACHE INTERNAL "clang++ links libFuzzer targets")
  endif()
endif()

if(unavailable)
  file(WRITE ${FUZZ_LIST} "unavailable ${unavailable}\n")
  # Nothing to build; the tests say why they cannot run.
  add_custom_target(fuzzers)
else()
  file(WRITE ${FUZZ_LIST} "")
  include(ExternalProject)
  ExternalProject_Add(fuzzers
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${CMAKE_BINARY_DIR}/fuzz
    CMAKE_ARGS -DZHOP_FUZZ_ONLY=ON -DCMAKE_CXX_COMPILER=${ZHOP_FUZZ_CXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo
               -DCMAKE_RUNTIME_OUTPUT_DIRECTORY=${CMAKE_BINARY_DIR}/fuzz/bin
    BUILD_ALWAYS ON
    # Built by `make test` and `make fuzz` only: the quick loop (`make run`,
    # `make check`) has no use for a second compiler's tree.
    EXCLUDE_FROM_ALL ON
    INSTALL_COMMAND "")
endif()

function(add_fuzz_target name)
  cmake_parse_arguments(F "" "MAX_LEN;RUNS" "SOURCES;LIBS;OPTIONS" ${ARGN})
  list(JOIN F_OPTIONS " " options)
  file(APPEND ${FUZZ_LIST} "${name} ${F_MAX_LEN} ${F_RUNS} ${options}\n")
  add_test(NAME ${name} COMMAND ${FUZZ_SOURCE_DIR}/run-fuzzers ${CMAKE_BINARY_DIR} ${name})
  set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77 LABELS fuzz)
  set_test_timeout(${name} 300)
endfunction()
