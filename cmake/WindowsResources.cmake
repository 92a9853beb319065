# What Windows shows of each program and of the download library: a version
# resource from the project's version and, for a program, the icon and the
# manifest (per-monitor DPI awareness, asInvoker). One line per binary below;
# a target this build does not have is passed over.
enable_language(RC)

function(lumora_windows_resources target description)
  if(NOT TARGET ${target})
    return()
  endif()
  get_target_property(type ${target} TYPE)
  set(LUMORA_RC_NAME ${target})
  set(LUMORA_RC_DESCRIPTION "${description}")
  set(LUMORA_RC_ICON ${PROJECT_SOURCE_DIR}/packaging/icon/lumora.ico)
  set(LUMORA_RC_MANIFEST ${PROJECT_SOURCE_DIR}/packaging/windows/lumora.manifest)
  if(type STREQUAL "EXECUTABLE")
    set(LUMORA_RC_FILE ${target}.exe)
    set(LUMORA_RC_PROGRAM 1)
    set(LUMORA_RC_TYPE VFT_APP)
  else()
    set(LUMORA_RC_FILE ${target}.dll)
    set(LUMORA_RC_PROGRAM 0)
    set(LUMORA_RC_TYPE VFT_DLL)
  endif()
  set(rc ${PROJECT_BINARY_DIR}/resources/${target}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/program.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  # windres reads the icon and manifest itself: a change to them rebuilds.
  set_source_files_properties(${rc} PROPERTIES
    OBJECT_DEPENDS "${LUMORA_RC_ICON};${LUMORA_RC_MANIFEST}")
endfunction()

lumora_windows_resources(lumora_panel "LUMORA 1394 Control Panel")
lumora_windows_resources(lumora_update "LUMORA 1394 Firmware Update")
lumora_windows_resources(tvcupdate "LUMORA 1394 firmware updater")
lumora_windows_resources(lumoractl "LUMORA 1394 remote control")
lumora_windows_resources(tvc_fwdl "LUMORA 1394 firmware-download library")
