# Installation and the Debian package.
#
# The program finds its word processor ("bin/abiword") and the templates in its data folder,
# share/dutywise beside its own bin folder, whatever folder it is started from.

include(GNUInstallDirs)

set(DUTYWISE_APP_ID org.dutywise.Dutywise)
set(DUTYWISE_DATA_DIR ${CMAKE_INSTALL_DATADIR}/dutywise)

if(TARGET dutywise)
  install(TARGETS dutywise RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# The run folder, from the same sources that the build lays out in build/run.
file(GLOB DUTYWISE_INSTALL_TEMPLATES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/templates/*.abw)
install(FILES ${DUTYWISE_INSTALL_TEMPLATES} DESTINATION ${DUTYWISE_DATA_DIR})
# Each language's templates in a folder of its own, as the template chooser looks for them.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/templates/
  DESTINATION ${DUTYWISE_DATA_DIR} FILES_MATCHING PATTERN "*/*.abw")
install(PROGRAMS ${PROJECT_SOURCE_DIR}/resources/abiword-launcher.sh
  DESTINATION ${DUTYWISE_DATA_DIR}/bin RENAME abiword)

install(FILES ${PROJECT_SOURCE_DIR}/packaging/${DUTYWISE_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${DUTYWISE_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The plan files' type, for file managers: the desktop entry declares it (MimeType=).
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${DUTYWISE_APP_ID}.mime.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${DUTYWISE_APP_ID}.xml)

# Icons: the SVG as it is, bitmaps scaled from the 256-pixel PNG at build time.
install(FILES ${PROJECT_SOURCE_DIR}/resources/pictures/dutywise.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${DUTYWISE_APP_ID}.svg)
add_executable(dutywise_scale_icon ${PROJECT_SOURCE_DIR}/packaging/ScaleIcon.cpp)
target_link_libraries(dutywise_scale_icon PRIVATE Qt6::Gui)
set(DUTYWISE_ICON_SOURCE ${PROJECT_SOURCE_DIR}/resources/pictures/dutywise-256.png)
set(DUTYWISE_ICONS)
foreach(size 48 128 256)
  set(icon ${CMAKE_CURRENT_BINARY_DIR}/packaging/icons/${size}/${DUTYWISE_APP_ID}.png)
  add_custom_command(OUTPUT ${icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/packaging/icons/${size}
    COMMAND dutywise_scale_icon ${DUTYWISE_ICON_SOURCE} ${size} ${icon}
    DEPENDS dutywise_scale_icon ${DUTYWISE_ICON_SOURCE}
    VERBATIM)
  list(APPEND DUTYWISE_ICONS ${icon})
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(dutywise_icons ALL DEPENDS ${DUTYWISE_ICONS})

# Debian's documentation of a package: the copyright, the changelog and a manual page, the
# last two compressed as Debian wants them (gzip -9n: best compression, no name or time
# stamp, so the same sources give the same bytes).
set(DUTYWISE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/dutywise)
set(DUTYWISE_DOCS_GZ)
foreach(doc changelog dutywise.1)
  # Both carry the project's version.
  configure_file(${PROJECT_SOURCE_DIR}/packaging/${doc}.in ${CMAKE_CURRENT_BINARY_DIR}/packaging/${doc} @ONLY)
  set(source ${CMAKE_CURRENT_BINARY_DIR}/packaging/${doc})
  set(compressed ${CMAKE_CURRENT_BINARY_DIR}/packaging/${doc}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND sh -c "gzip -9n -c \"$1\" > \"$2\"" gzip ${source} ${compressed}
    DEPENDS ${source}
    VERBATIM)
  list(APPEND DUTYWISE_DOCS_GZ ${compressed})
endforeach()
add_custom_target(dutywise_docs ALL DEPENDS ${DUTYWISE_DOCS_GZ})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright
  ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz
  DESTINATION ${DUTYWISE_DOC_DIR})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/dutywise.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# cpack -G DEB (make package)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dutywise)
set(CPACK_PACKAGE_VENDOR "Dutywise")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Duty rosters for a scout patrol's camping outing")
# One line of the extended description each, at most 79 characters (Debian's limit is 80
# with the leading space).
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Dutywise builds the duty roster of a patrol's camping outing: who cooks and"
  "who cleans up at each meal of each day, and what is eaten. A six-page wizard"
  "collects the outing, the people, the days and meals, the food lists and the"
  "crew size; the roster can be restyled, saved as Rich Text and printed."
  "Ready-made templates for outings of one to seven days open in AbiWord.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Dutywise developers <dutywise@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/dutywise")
# The libraries the program links come from dpkg-shlibdeps (dpkg-dev), with their versions;
# the word processor behind the templates is started, not linked, so it is named here, and so
# are Qt's own catalogues, which translate its dialogs in the user's language, and libical,
# which the calendar loads when it is first written.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "abiword, qt6-translations-l10n, libical3")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
include(CPack)
