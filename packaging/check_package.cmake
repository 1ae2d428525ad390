# Builds the Debian package from a Release tree, as `make package` does, and checks it as a Debian
# maintainer would: lintian finds no error, warning or informational tag, and no package is
# named twice among its dependencies.
# Usage: cmake -DSOURCE_DIR=<src> -DBUILD_DIR=<scratch tree> -DCXX_COMPILER=<c++> -DLINTIAN=<path>
#              -DCPACK=<path> -P check_package.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT LINTIAN OR NOT EXISTS "${LINTIAN}")
  message(FATAL_ERROR "lintian is missing: install the Debian package lintian "
                      "(apt-get install lintian, or run `make deps`)")
endif()

function(run step)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY "${BUILD_DIR}"
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${output}\n${step} failed (exit status ${result})")
  endif()
endfunction()

# The tests are left out and `all` is not built before the install, so that only what the
# package holds is compiled.
file(MAKE_DIRECTORY "${BUILD_DIR}")
run("configuring the release tree" "${CMAKE_COMMAND}" -S "${SOURCE_DIR}" -B "${BUILD_DIR}"
    -DCMAKE_BUILD_TYPE=Release -DVERTOLA_TESTS=OFF -DVERTOLA_SANITIZE=OFF -DVERTOLA_WERROR=OFF
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}")
run("building the release program" "${CMAKE_COMMAND}" --build "${BUILD_DIR}" -j2
    --target vertola vertola_gzipped_docs)
file(GLOB old_packages "${BUILD_DIR}/*.deb")
if(old_packages)
  file(REMOVE ${old_packages})
endif()
run("cpack" "${CPACK}" -G DEB)
file(GLOB packages "${BUILD_DIR}/*.deb")
list(LENGTH packages count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "cpack made ${count} packages in ${BUILD_DIR}, not one")
endif()

execute_process(COMMAND dpkg-deb --field "${packages}" Depends OUTPUT_VARIABLE depends
                OUTPUT_STRIP_TRAILING_WHITESPACE)
message("Depends: ${depends}")
string(REPLACE "," ";" relations "${depends}")
set(names)
foreach(relation IN LISTS relations)
  string(REGEX REPLACE "^[ \n]*([^ (\n]+).*" "\\1" name "${relation}")
  if(name IN_LIST names)
    message(FATAL_ERROR "the package depends on ${name} more than once: ${depends}")
  endif()
  list(APPEND names "${name}")
endforeach()

# A new version of the program needs its entry at the top of the changelog.
execute_process(COMMAND dpkg-deb --field "${packages}" Version OUTPUT_VARIABLE version
                OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND dpkg-parsechangelog -l "${SOURCE_DIR}/packaging/debian/changelog" -S Version
                OUTPUT_VARIABLE changelog_version OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT version STREQUAL changelog_version)
  message(FATAL_ERROR "the package is version ${version}, but the changelog's latest entry is "
                      "'${changelog_version}'")
endif()

execute_process(COMMAND "${LINTIAN}" --fail-on error,warning,info --display-info "${packages}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
message("${output}${errors}")
if(NOT result EQUAL 0 OR output MATCHES "(^|\n)[EWI]: ")
  message(FATAL_ERROR "${packages} does not pass lintian (exit status ${result})")
endif()
message(STATUS "${packages} passes lintian")
