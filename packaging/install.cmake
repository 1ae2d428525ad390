# Installs the program as a desktop application and describes its Debian package.
include(GNUInstallDirs)

set(VERTOLA_APP_ID it.vertola.operazioni)
set(VERTOLA_ICON_NAME vertola)
set(VERTOLA_DESKTOP_FILE ${CMAKE_CURRENT_LIST_DIR}/${VERTOLA_APP_ID}.desktop)
set(VERTOLA_METAINFO_FILE ${CMAKE_CURRENT_LIST_DIR}/${VERTOLA_APP_ID}.metainfo.xml)

install(TARGETS vertola RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped program still carries the compiler's notes in .comment; Debian's own packages drop them.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:vertola>\"
    COMMAND_ERROR_IS_FATAL ANY)
endif()")
install(FILES ${VERTOLA_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VERTOLA_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/assets/icon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${VERTOLA_ICON_NAME}.svg)

# Debian wants the changelog and the manual pages compressed, with no file name or time stamp in
# the gzip header, so that two builds of the same sources give the same package.
find_program(VERTOLA_GZIP gzip REQUIRED)
function(vertola_install_gzipped source destination)
  cmake_path(GET source FILENAME name)
  string(MAKE_C_IDENTIFIER "${destination}" subdir)
  set(gzipped ${CMAKE_BINARY_DIR}/packaging/gzip/${subdir}/${name}.gz)
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging/gzip/${subdir})
  add_custom_command(OUTPUT ${gzipped}
                     COMMAND sh -c "\"$0\" -n -9 -c \"$1\" >\"$2\"" ${VERTOLA_GZIP} ${source} ${gzipped}
                     DEPENDS ${source} VERBATIM)
  install(FILES ${gzipped} DESTINATION ${destination})
  set_property(GLOBAL APPEND PROPERTY VERTOLA_GZIPPED ${gzipped})
endfunction()

set(VERTOLA_PACKAGE_NAME operazioni-in-vertola)
set(VERTOLA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${VERTOLA_PACKAGE_NAME})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright DESTINATION ${VERTOLA_DOC_DIR})
vertola_install_gzipped(${CMAKE_CURRENT_LIST_DIR}/debian/changelog ${VERTOLA_DOC_DIR})
foreach(language_dir IN ITEMS "" it/)
  set(page ${CMAKE_BINARY_DIR}/packaging/man/${language_dir}vertola.1)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/man/${language_dir}vertola.1.in ${page} @ONLY)
  vertola_install_gzipped(${page} ${CMAKE_INSTALL_MANDIR}/${language_dir}man1)
endforeach()
get_property(VERTOLA_GZIPPED GLOBAL PROPERTY VERTOLA_GZIPPED)
add_custom_target(vertola_gzipped_docs ALL DEPENDS ${VERTOLA_GZIPPED})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${VERTOLA_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Operazioni in vertola")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "esercizi di aritmetica in colonna per la scuola primaria")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Operazioni in vertola <sviluppo@operazioni.vertola.it>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://operazioni.vertola.it/")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION "Operazioni in vertola propone addizioni, sottrazioni, moltiplicazioni
e divisioni da scrivere e risolvere in colonna, con i risultati entro il 999
o entro il 9.999, e dà un punteggio con un giudizio. Tutte le scritte sono
in italiano.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's SVG image and icon plugins come with libqt6svg6, which the program links, so dpkg-shlibdeps
# names it with its version. The fonts of the captions are loaded by name, which it cannot see,
# and so are Qt's plugin for a Wayland desktop without X11 and Qt's own Italian texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "fonts-comic-neue, fonts-liberation2, fonts-dejavu-core, qt6-wayland, qt6-translations-l10n")
include(CPack)

if(VERTOLA_TESTS)
  find_program(VERTOLA_DESKTOP_FILE_VALIDATE desktop-file-validate)
  find_program(VERTOLA_APPSTREAMCLI appstreamcli)
  find_program(VERTOLA_LINTIAN lintian)

  add_test(NAME packaging.desktop_file_is_valid
           COMMAND ${CMAKE_COMMAND} -DTOOL=${VERTOLA_DESKTOP_FILE_VALIDATE} -DTOOL_PACKAGE=desktop-file-utils
                   -DFILE=${VERTOLA_DESKTOP_FILE} -P ${CMAKE_CURRENT_LIST_DIR}/validate.cmake)
  add_test(NAME packaging.metainfo_is_valid
           COMMAND ${CMAKE_COMMAND} -DTOOL=${VERTOLA_APPSTREAMCLI} -DTOOL_PACKAGE=appstream
                   "-DTOOL_ARGS=validate --no-net" -DFILE=${VERTOLA_METAINFO_FILE}
                   -P ${CMAKE_CURRENT_LIST_DIR}/validate.cmake)
  add_test(NAME packaging.install_tree_is_complete
           COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DPREFIX=${CMAKE_BINARY_DIR}/install-test
                   -DBINDIR=${CMAKE_INSTALL_BINDIR} -DDATADIR=${CMAKE_INSTALL_DATADIR}
                   -DAPP_ID=${VERTOLA_APP_ID} -P ${CMAKE_CURRENT_LIST_DIR}/check_install.cmake)
  # The package comes from a Release tree of its own, as `make package` builds it.
  add_test(NAME packaging.debian_package_passes_lintian
           COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DBUILD_DIR=${CMAKE_BINARY_DIR}/package
                   -DCXX_COMPILER=${CMAKE_CXX_COMPILER} -DLINTIAN=${VERTOLA_LINTIAN} -DCPACK=${CMAKE_CPACK_COMMAND}
                   -P ${CMAKE_CURRENT_LIST_DIR}/check_package.cmake)
  set_tests_properties(packaging.debian_package_passes_lintian PROPERTIES TIMEOUT 1200)
endif()
