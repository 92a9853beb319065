# The JUCE modules, compiled once into one static library that the panel, its
# tools and its tests all link, with every JUCE setting in this one place.
add_library(lumora_juce STATIC)
target_link_libraries(lumora_juce
  PRIVATE
    juce::juce_core juce::juce_events juce::juce_data_structures
    juce::juce_graphics juce::juce_gui_basics juce::juce_osc
  PUBLIC
    juce::juce_recommended_config_flags)
if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/WindowsImageLibs.cmake)
  target_link_libraries(lumora_juce PUBLIC lumora_windows_image_libs)
  # The panel's main hands argc and argv to JUCE on Windows too; JUCE offers
  # that entry there only to console builds, whatever the subsystem.
  target_compile_definitions(lumora_juce PUBLIC _CONSOLE)
  # JUCE's #warning that mingw draws text through GDI, not DirectWrite.
  target_compile_options(lumora_juce PRIVATE -Wno-cpp)
else()
  target_link_libraries(lumora_juce PUBLIC juce::pkgconfig_JUCE_IMG_LINUX_DEPS)
  # X11 frames are sent as plain images, not shared-memory ones: the panel's
  # frames are a few rows of eight meters, and each shared-memory image cost a
  # completion event that held the next frame back until it came.
  target_compile_definitions(lumora_juce PUBLIC JUCE_USE_XSHM=0)
endif()
target_compile_definitions(lumora_juce
  PUBLIC
    JUCE_DISPLAY_SPLASH_SCREEN=0 JUCE_WEB_BROWSER=0 JUCE_USE_CURL=0
    JUCE_STANDALONE_APPLICATION=1 JUCE_MODAL_LOOPS_PERMITTED=1
    JUCE_USE_XRANDR=1 JUCE_USE_XINERAMA=1 JUCE_USE_XCURSOR=1
  INTERFACE
    $<TARGET_PROPERTY:lumora_juce,COMPILE_DEFINITIONS>)
target_include_directories(lumora_juce
  INTERFACE $<TARGET_PROPERTY:lumora_juce,INCLUDE_DIRECTORIES>)
set_target_properties(lumora_juce PROPERTIES POSITION_INDEPENDENT_CODE ON)
