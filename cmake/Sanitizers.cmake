# LUMORA_SANITIZE=address builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer; LUMORA_SANITIZE=thread with ThreadSanitizer.
# Any report fails the test that triggered it.
set(LUMORA_SANITIZE "" CACHE STRING "Sanitizer build: address or thread")
# The sanitizers' own advice, -O1, with line tables only: reports keep their
# file and line, and the sanitized JUCE compiles in about half the time.
if(NOT LUMORA_SANITIZE STREQUAL "")
  set(CMAKE_C_FLAGS_RELWITHDEBINFO "-O1 -g1 -DNDEBUG")
  set(CMAKE_CXX_FLAGS_RELWITHDEBINFO "-O1 -g1 -DNDEBUG")
endif()
if(LUMORA_SANITIZE STREQUAL "address")
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
elseif(LUMORA_SANITIZE STREQUAL "thread")
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
elseif(NOT LUMORA_SANITIZE STREQUAL "")
  message(FATAL_ERROR "LUMORA_SANITIZE must be address, thread or empty")
endif()
