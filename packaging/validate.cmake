# Runs a validator on one file; a missing validator is a failure, since `make deps` installs it.
# Usage: cmake -DTOOL=<path> -DTOOL_PACKAGE=<debian package> ["-DTOOL_ARGS=a b"] -DFILE=<file> -P validate.cmake
if(NOT TOOL OR NOT EXISTS "${TOOL}")
  message(FATAL_ERROR "the validator is missing: install the Debian package ${TOOL_PACKAGE} "
                      "(apt-get install ${TOOL_PACKAGE}, or run `make deps`)")
endif()
separate_arguments(args UNIX_COMMAND "${TOOL_ARGS}")
execute_process(COMMAND ${TOOL} ${args} ${FILE}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
# desktop-file-validate exits 0 after warnings and hints, so any complaint it prints fails the test.
if(NOT result EQUAL 0 OR output MATCHES "(^|\n)[^\n]*: (error|warning|hint): ")
  message(FATAL_ERROR "${FILE} does not pass ${TOOL} (exit status ${result})")
endif()
