# Installation where Debian expects a desktop program, and its .deb package (cpack -G DEB):
#   /usr/bin/marivelle
#   /usr/lib/marivelle/libmarivelle_ecrans_sons.so  sound effects and voice, loaded on first need
#   /usr/share/marivelle/Images/...        pictures copied to each user's data folder on first start
#   /usr/share/marivelle/MessagesPerdu.txt the encouragement messages, copied the same way
#   /usr/share/marivelle/serveur_postgresql.sql the technician's script for a school server, where
#                                          the postgres user can read it
#   /usr/share/applications/marivelle.desktop, /usr/share/icons/hicolor/<n>x<n>/apps/marivelle.png
include(GNUInstallDirs)

install(TARGETS marivelle RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Sound and voice, loaded by the program the first time a class has them on.
install(TARGETS marivelle_ecrans_sons LIBRARY DESTINATION lib/marivelle)
install(FILES ${CMAKE_SOURCE_DIR}/data/MessagesPerdu.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/marivelle)
install(FILES ${CMAKE_SOURCE_DIR}/scripts/serveur_postgresql.sql DESTINATION ${CMAKE_INSTALL_DATADIR}/marivelle
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
if(TARGET images)
  install(DIRECTORY ${CMAKE_BINARY_DIR}/Images DESTINATION ${CMAKE_INSTALL_DATADIR}/marivelle)
endif()
install(FILES ${CMAKE_SOURCE_DIR}/data/marivelle.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The icon: SVG source, PNG sizes rendered from it with QtSvg at build time.
set(MARIVELLE_ICONE_SVG ${CMAKE_SOURCE_DIR}/data/icone/marivelle.svg)
set(MARIVELLE_ICONES ${CMAKE_BINARY_DIR}/icones)
add_executable(marivelle_icone ${CMAKE_SOURCE_DIR}/tools/icone/main.cpp)
target_link_libraries(marivelle_icone PRIVATE Qt6::Gui Qt6::Svg)
set(_pngs "")
foreach(n 16 32 48 64 128 256)
  list(APPEND _pngs ${MARIVELLE_ICONES}/${n}x${n}/apps/marivelle.png)
endforeach()
add_custom_command(
  OUTPUT ${_pngs}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:marivelle_icone> ${MARIVELLE_ICONE_SVG}
          ${MARIVELLE_ICONES}
  DEPENDS marivelle_icone ${MARIVELLE_ICONE_SVG}
  COMMENT "Rendering the program's icon"
  VERBATIM)
add_custom_target(icones ALL DEPENDS ${_pngs})
install(DIRECTORY ${MARIVELLE_ICONES}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${MARIVELLE_ICONE_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME marivelle)
set(CPACK_PACKAGE_VENDOR "Marivelle")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Entraînement au calcul mental pour l'école primaire")
set(CPACK_PACKAGE_DESCRIPTION "Marivelle entraîne les élèves de l'école primaire au calcul mental, \
dans un décor sous-marin : tables des quatre opérations, compléments, doubles et carrés, successeurs.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Équipe Marivelle <marivelle@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so not found by shlibdeps: the SQLite driver and the fonts, the program's and
# the two a teacher may choose for a pupil (Andika, OpenDyslexic: docs/amenagements.md).
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6sql6-sqlite, fonts-comic-neue, fonts-liberation2, fonts-sil-andika, fonts-opendyslexic")
# The French voice: without it the program is silent, never broken.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-speech-speechd-plugin, speech-dispatcher-espeak-ng")
include(CPack)
