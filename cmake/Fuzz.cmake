# lumora_fuzz_target(<name> SOURCE <file> LIBS <libraries...>)
# The target file defines LLVMFuzzerTestOneInput. It always builds as
# <name>_replay, which the test run feeds with tests/fuzz/corpus/<name>/;
# with LUMORA_FUZZ (clang) it also builds as the libFuzzer program <name>_fuzz.
option(LUMORA_FUZZ "Build the libFuzzer programs (needs clang)" OFF)
set(LUMORA_FUZZ_DIR ${CMAKE_CURRENT_LIST_DIR}/../tests/fuzz)

function(lumora_fuzz_target name)
  cmake_parse_arguments(FUZZ "" "SOURCE" "LIBS" ${ARGN})
  add_executable(${name}_replay ${FUZZ_SOURCE} ${LUMORA_FUZZ_DIR}/replay_main.cpp)
  target_link_libraries(${name}_replay PRIVATE ${FUZZ_LIBS})
  lumora_warnings(${name}_replay)
  add_test(NAME fuzz_replay_${name}
           COMMAND ${name}_replay ${LUMORA_FUZZ_DIR}/corpus/${name})
  if(LUMORA_FUZZ)
    add_executable(${name}_fuzz ${FUZZ_SOURCE})
    target_compile_options(${name}_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name}_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name}_fuzz PRIVATE ${FUZZ_LIBS})
  endif()
endfunction()
