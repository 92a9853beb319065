# lumora_fuzz_target(<name> SOURCE <file> LIBS <libraries...> [INTERNALS <folders...>])
# The target file defines LLVMFuzzerTestOneInput. It always builds as
# <name>_replay, which the test run feeds with tests/fuzz/corpus/<name>/;
# with LUMORA_FUZZ (clang) it also builds as the libFuzzer program <name>_fuzz,
# and the target "fuzzers" builds them all. INTERNALS names source folders whose
# private headers the target reads past the libraries' include/ folders.
option(LUMORA_FUZZ "Build the libFuzzer programs (needs clang)" OFF)
set(LUMORA_FUZZ_DIR ${CMAKE_CURRENT_LIST_DIR}/../tests/fuzz)

# libFuzzer finds its way only through instrumented code, and AddressSanitizer
# sees only into instrumented code: every library of the project is compiled
# for both, not just the fuzz programs' own sources.
if(LUMORA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "LUMORA_FUZZ needs clang (CC=clang CXX=clang++)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
  add_custom_target(fuzzers)
endif()

function(lumora_fuzz_target name)
  cmake_parse_arguments(FUZZ "" "SOURCE" "LIBS;INTERNALS" ${ARGN})
  add_executable(${name}_replay ${FUZZ_SOURCE} ${LUMORA_FUZZ_DIR}/replay_main.cpp)
  target_link_libraries(${name}_replay PRIVATE ${FUZZ_LIBS})
  target_include_directories(${name}_replay PRIVATE ${FUZZ_INTERNALS})
  lumora_warnings(${name}_replay)
  add_test(NAME fuzz_replay_${name}
           COMMAND ${name}_replay ${LUMORA_FUZZ_DIR}/corpus/${name})
  if(LUMORA_FUZZ)
    add_executable(${name}_fuzz ${FUZZ_SOURCE})
    target_link_options(${name}_fuzz PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${name}_fuzz PRIVATE ${FUZZ_LIBS})
    target_include_directories(${name}_fuzz PRIVATE ${FUZZ_INTERNALS})
    lumora_warnings(${name}_fuzz)
    add_dependencies(fuzzers ${name}_fuzz)
  endif()
endfunction()
