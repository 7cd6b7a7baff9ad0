# nuv_add_test(NAME SOURCES... LIBS...) registers one GoogleTest program with CTest.
#
# Test code is compiled far more often than it runs for long, so it is built without optimisation
# whatever the build type (the code under test keeps the build type's flags), and the test
# framework and the standard headers every test uses are precompiled once per program.
function(nuv_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main
                                          nuv::warnings)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_compile_options(${name} PRIVATE -O0)
    target_precompile_headers(${name} PRIVATE <gtest/gtest.h> <gmock/gmock.h> <algorithm>
                              <functional> <map> <memory> <optional> <string> <tuple> <vector>)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
endfunction()
