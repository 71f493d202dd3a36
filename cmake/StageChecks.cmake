# The checks of CI's stages that are not test suites, registered as tests of
# the stage's build folder when its configure preset turns them on; the
# commands they run are in .ci/.
set(stage_checks ${PROJECT_SOURCE_DIR}/.ci)

if(DIFUSAO_CHECK_EXPECTED_FILES)
  enable_testing()
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  add_test(NAME ExpectedFiles.StoredAreWhatTheIndependentComputationGives
           COMMAND ${stage_checks}/expected-files ${PROJECT_BINARY_DIR}/expected-computed
           WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
endif()

# Run in the environment of the test preset no-fma, whose GLIBC_TUNABLES the
# expected files of the test run were computed in too.
if(DIFUSAO_CHECK_NO_FMA AND DIFUSAO_BUILD_TESTS)
  add_test(NAME NoFma.TheFunctionsAreTheNonFmaOnes
           COMMAND ${stage_checks}/no-fma ${PROJECT_SOURCE_DIR}/tests/e2e/expected
                   ${PROJECT_BINARY_DIR}/expected-machine)
  set_tests_properties(NoFma.TheFunctionsAreTheNonFmaOnes PROPERTIES FIXTURES_REQUIRED expected_files)
endif()

# clang-tidy runs on every core by itself.
if(DIFUSAO_STATIC_CHECKS)
  if(NOT CMAKE_EXPORT_COMPILE_COMMANDS)
    message(FATAL_ERROR "DIFUSAO_STATIC_CHECKS needs CMAKE_EXPORT_COMPILE_COMMANDS=ON")
  endif()
  enable_testing()
  add_test(NAME StaticChecks.FormatAndTidy COMMAND ${stage_checks}/static-checks ${PROJECT_BINARY_DIR}
           WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  set_tests_properties(StaticChecks.FormatAndTidy PROPERTIES LABELS static-checks RUN_SERIAL ON)
endif()
