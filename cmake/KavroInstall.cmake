# cmake --install: the two programs in bin, the compiled lexicon and the manual under
# share/kavro (where both programs look beside their bin folder), and the window's desktop entry
# and icon where a Linux desktop finds them.
include(GNUInstallDirs)
install(TARGETS kavro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET kavro-gui)
  install(TARGETS kavro-gui RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/kavro-latin.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/kavro-latin.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/manual/ DESTINATION ${CMAKE_INSTALL_DATADIR}/kavro/manual)
endif()
if(KAVRO_BUILD_DATA)
  install(DIRECTORY ${KAVRO_DATA_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/kavro/data)
endif()
