# Installs the program as a desktop application. Its Debian package is built from debian/.
include(GNUInstallDirs)

set(VERTOLA_APP_ID it.vertola.operazioni)
set(VERTOLA_ICON_NAME vertola)
set(VERTOLA_DESKTOP_FILE ${CMAKE_CURRENT_LIST_DIR}/${VERTOLA_APP_ID}.desktop)

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

# The manual pages go compressed, as Debian wants them, with no file name or time stamp in the gzip
# header, so that two builds of the same sources give the same files.
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

foreach(language_dir IN ITEMS "" it/)
  set(page ${CMAKE_BINARY_DIR}/packaging/man/${language_dir}vertola.1)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/man/${language_dir}vertola.1.in ${page} @ONLY)
  vertola_install_gzipped(${page} ${CMAKE_INSTALL_MANDIR}/${language_dir}man1)
endforeach()
get_property(VERTOLA_GZIPPED GLOBAL PROPERTY VERTOLA_GZIPPED)
add_custom_target(vertola_gzipped_docs ALL DEPENDS ${VERTOLA_GZIPPED})

if(VERTOLA_TESTS)
  find_program(VERTOLA_DESKTOP_FILE_VALIDATE desktop-file-validate)
  find_program(VERTOLA_APPSTREAMCLI appstreamcli)

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
  # Debian's changelog names the same upstream version, with a Debian revision. The release
  # tarball holds no debian/.
  if(EXISTS ${PROJECT_SOURCE_DIR}/debian/changelog)
    add_test(NAME packaging.debian_changelog_is_this_version
             COMMAND sh -c "v=$(dpkg-parsechangelog -l \"$0\" -S Version) && echo \"$v\" && [ \"\${v%-*}\" = \"$1\" ]"
                     ${PROJECT_SOURCE_DIR}/debian/changelog ${PROJECT_VERSION})
  endif()
endif()
