# One static library per engine subsystem, so that a subsystem builds and is
# tested on its own; orvane_engine gathers them for the program and the tools.
function(orvane_engine_module name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(orv_${name} STATIC ${sources})
  target_include_directories(orv_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(orv_${name} PUBLIC ${ARG_DEPS})
endfunction()

# A GoogleTest executable per test folder.
function(orvane_test_folder name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(test_${name} ${sources})
  target_link_libraries(test_${name} PRIVATE ${ARG_DEPS} orv_test_support GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(test_${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
