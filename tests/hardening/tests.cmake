# Included at the end of the top-level CMakeLists.txt, once every program it may check is defined.
# A Release tree checks its own programs; any other tree builds the probe as a release would be
# built and checks that, so that every `make test` fails once the hardening is lost.
set(check ${CMAKE_CURRENT_LIST_DIR}/check_hardening.sh)
if(CMAKE_BUILD_TYPE STREQUAL "Release" AND NOT VERTOLA_SANITIZE)
  set(programs $<TARGET_FILE:core_tests>)
  if(TARGET vertola)
    list(APPEND programs $<TARGET_FILE:vertola>)
  endif()
  add_test(NAME hardening.this_build
    COMMAND sh ${check} --compile-commands ${CMAKE_BINARY_DIR}/compile_commands.json ${programs})
else()
  add_test(NAME hardening.release_build
    COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/release_build_check.sh ${CMAKE_SOURCE_DIR}
            ${CMAKE_BINARY_DIR}/hardening/release ${CMAKE_CXX_COMPILER})
  set_tests_properties(hardening.release_build PROPERTIES TIMEOUT 900)
endif()
add_test(NAME hardening.check_names_what_is_missing
  COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/self_test.sh ${CMAKE_CXX_COMPILER} ${CMAKE_SOURCE_DIR}
          ${CMAKE_BINARY_DIR}/hardening/soft)
