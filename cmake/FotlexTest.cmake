# fotlex_test(<name> [GUI] SOURCES <file>... DEPENDS <lib>...)
# A GoogleTest executable registered with CTest. GUI tests get a QApplication
# (offscreen unless a display is asked for) from tests/support.
set(FOTLEX_TESTDATA "${CMAKE_SOURCE_DIR}/tests/data/photos" CACHE PATH "Sample photographs")

function(fotlex_test name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} fotlex_test_support GTest::gtest)
  if(ARG_GUI)
    target_link_libraries(${name} PRIVATE fotlex_test_gui_main Qt6::Test)
  else()
    target_link_libraries(${name} PRIVATE fotlex_test_core_main)
  endif()
  target_compile_definitions(${name} PRIVATE FOTLEX_TESTDATA="${FOTLEX_TESTDATA}")
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
