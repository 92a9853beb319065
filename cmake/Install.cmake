# Where `cmake --install` puts the programs on Linux, and the Debian package
# CPack makes of them (`cpack -G DEB` in the build folder).
# Libraries in the multiarch folder under any prefix: Debian's loader and
# pkg-config search /usr/local/lib/<triplet> too.
if(NOT DEFINED CMAKE_INSTALL_LIBDIR AND CMAKE_LIBRARY_ARCHITECTURE)
  set(CMAKE_INSTALL_LIBDIR lib/${CMAKE_LIBRARY_ARCHITECTURE} CACHE PATH "Object code libraries")
endif()
include(GNUInstallDirs)
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(staged ${PROJECT_BINARY_DIR}/packaging)
set(app_id com.brantel.lumora)
# The updater loads the library from beside itself, so both live in a folder
# of their own; the updater's name on the PATH is a link to it.
set(LUMORA_PRIVATE_LIBDIR ${CMAKE_INSTALL_LIBDIR}/lumora)

foreach(program lumora_panel lumoractl tvcbus unitwatch tvdbuild)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()
foreach(private tvc_fwdl tvcupdate lumora_update)
  if(TARGET ${private})
    install(TARGETS ${private}
      LIBRARY DESTINATION ${LUMORA_PRIVATE_LIBDIR} RUNTIME DESTINATION ${LUMORA_PRIVATE_LIBDIR})
  endif()
endforeach()
# The updaters load the library from beside themselves: bin/ holds links to them.
foreach(updater tvcupdate lumora_update)
  if(TARGET ${updater})
    file(RELATIVE_PATH to_updater /${CMAKE_INSTALL_BINDIR} /${LUMORA_PRIVATE_LIBDIR}/${updater})
    file(MAKE_DIRECTORY ${staged}/bin)
    file(CREATE_LINK ${to_updater} ${staged}/bin/${updater} SYMBOLIC)
    install(FILES ${staged}/bin/${updater} DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

# For updater authors: the header and a pkg-config file that works from any
# prefix, so the same file serves /usr/local and the package's /usr.
install(FILES ${PROJECT_SOURCE_DIR}/fwdl/include/tvc_fwdl.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
file(RELATIVE_PATH LUMORA_PC_PREFIX /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
string(REGEX REPLACE "/$" "" LUMORA_PC_PREFIX "${LUMORA_PC_PREFIX}")
configure_file(${packaging}/linux/tvc_fwdl.pc.in ${staged}/tvc_fwdl.pc @ONLY)
install(FILES ${staged}/tvc_fwdl.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# The menu entry, its icons and the software centre's description.
if(TARGET lumora_panel)
  install(FILES ${packaging}/linux/${app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  configure_file(${packaging}/linux/${app_id}.metainfo.xml.in ${staged}/${app_id}.metainfo.xml @ONLY)
  install(FILES ${staged}/${app_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${packaging}/icon/png/${size}.png RENAME ${app_id}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  install(FILES ${packaging}/icon/lumora.svg RENAME ${app_id}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

# What Debian asks of every package: the copyright and a changelog compressed
# as its tools do it.
configure_file(${packaging}/linux/changelog.in ${staged}/changelog @ONLY)
execute_process(COMMAND gzip -9 -n -f ${staged}/changelog)
install(FILES ${packaging}/linux/copyright ${staged}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumora)
set(CPACK_PACKAGE_VENDOR Brantel)
set(CPACK_PACKAGE_CONTACT "Lumora developers <dev@lumora.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "control panel and firmware tools for LUMORA 1394 interfaces")
set(CPACK_PACKAGE_DESCRIPTION "The skinned control panel and mixer of the LUMORA 1394 FireWire
audio interfaces, lumoractl to set and read the running panel's controls from
the command line, the firmware updater tvcupdate with its download library
(header and pkg-config file included), and the tools that show and change
the simulated bus standing in for the 1394 audio driver on Linux.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The X libraries JUCE opens at run time, and the typeface of the panel's text:
# no linked library names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libxext6, libxcursor1, libxinerama1, libxrandr2, libxrender1, fonts-dejavu-core")
include(CPack)
