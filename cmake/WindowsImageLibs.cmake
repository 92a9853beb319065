# Debian's JUCE leaves PNG and JPEG decoding to the system's libraries. On
# Windows these are static builds of libpng and libjpeg-turbo made from
# Debian's sources by scripts/windows-deps, with the mingw-w64 zlib.
set(LUMORA_WINDOWS_DEPS "" CACHE PATH "Folder with the Windows builds of libpng and libjpeg")
if(NOT EXISTS "${LUMORA_WINDOWS_DEPS}/lib/libpng.a" OR NOT EXISTS "${LUMORA_WINDOWS_DEPS}/lib/libjpeg.a")
  message(FATAL_ERROR "LUMORA_WINDOWS_DEPS must name the folder scripts/windows-deps prints")
endif()
add_library(lumora_windows_image_libs INTERFACE)
target_include_directories(lumora_windows_image_libs SYSTEM INTERFACE ${LUMORA_WINDOWS_DEPS}/include)
target_link_libraries(lumora_windows_image_libs
  INTERFACE ${LUMORA_WINDOWS_DEPS}/lib/libpng.a ${LUMORA_WINDOWS_DEPS}/lib/libjpeg.a z)
