# vexorin_add_test(NAME SOURCES... [LIBS ...])
# One GoogleTest executable under CTest. Tests run on Qt's offscreen platform
# and read the shared test data, when present, from VEXORIN_TESTDATA.
set(VEXORIN_TESTDATA "${CMAKE_SOURCE_DIR}/../shared/testdata" CACHE PATH "Folder of the shared test data")

function(vexorin_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} vexorin_test_support GTest::gtest GTest::gmock)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        TIMEOUT 600
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;VEXORIN_TESTDATA=${VEXORIN_TESTDATA};VEXORIN_BIN_DIR=${CMAKE_BINARY_DIR}/bin")
endfunction()
