# One GoogleTest executable per library or concern, each case registered with CTest.
if(QEL_BUILD_TESTS)
  enable_testing()
  find_package(GTest REQUIRED)
  include(GoogleTest)
endif()

# qel_add_test(<name> LABEL <label> SOURCES <files...> LIBS <targets...>)
function(qel_add_test name)
  if(NOT QEL_BUILD_TESTS)
    return()
  endif()
  cmake_parse_arguments(T "" "LABEL" "SOURCES;LIBS" ${ARGN})
  if(NOT T_LABEL)
    set(T_LABEL unit)
  endif()
  add_executable(${name} ${T_SOURCES})
  # Tests live outside the stage and link the staged libraries by absolute build RPATH.
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests"
    BUILD_WITH_INSTALL_RPATH OFF)
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main qel_warnings)
  gtest_discover_tests(${name}
    WORKING_DIRECTORY "${QEL_STAGE_DIR}"
    PROPERTIES LABELS ${T_LABEL}
    DISCOVERY_MODE PRE_TEST)
endfunction()
