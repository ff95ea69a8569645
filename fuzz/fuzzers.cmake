# libFuzzer targets. They link the game's own layered libraries, so they join
# the game's build: this file is given to it as its project include, in a
# build folder of its own, with clang, the fuzzer's coverage, AddressSanitizer
# and UndefinedBehaviorSanitizer, and without the program, tests, assets or
# benchmarks (tamwick.sh does this):
#
#   cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ \
#     -DCMAKE_PROJECT_Tamwick_INCLUDE=$PWD/fuzz/fuzzers.cmake \
#     -DTAMWICK_SANITIZE=fuzzer-no-link,address,undefined \
#     -DTAMWICK_BUILD_TESTS=OFF -DTAMWICK_BUILD_ASSETS=OFF -DTAMWICK_BUILD_BENCH=OFF
#   cmake --build build-fuzz --target fuzzers
#
# A target <name> lives in <name>.cpp beside this file and keeps its seed
# corpus in corpus/<name>. It runs as
#   build-fuzz/<name> -max_total_time=<seconds> <new corpus folder> fuzz/corpus/<name>

# Included first right after the game's project() call: the targets are made
# once the game's CMakeLists.txt has defined its libraries.
if(NOT TAMWICK_FUZZ_FOLDER)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang" OR NOT TAMWICK_SANITIZE MATCHES "fuzzer-no-link")
    message(FATAL_ERROR "The fuzz targets need clang and TAMWICK_SANITIZE=fuzzer-no-link,...")
  endif()
  set(TAMWICK_FUZZ_FOLDER ${CMAKE_CURRENT_LIST_DIR})
  # Any undefined behaviour stops a run, like a crash.
  add_compile_options(-fno-sanitize-recover=all)
  cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL include ${TAMWICK_FUZZ_FOLDER}/fuzzers.cmake)
  return()
endif()

add_custom_target(fuzzers)

# tamwick_fuzzer(<name> <libraries...>)
function(tamwick_fuzzer name)
  add_executable(${name} ${TAMWICK_FUZZ_FOLDER}/${name}.cpp)
  target_link_libraries(${name} PRIVATE ${ARGN})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  add_dependencies(fuzzers ${name})
endfunction()

tamwick_fuzzer(config_reader_fuzzer tamwick_ground)
