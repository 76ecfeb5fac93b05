# fotlex_library(<target> [EXCLUDE <file>...] [DEPENDS <lib>...] [PRIVATE <lib>...])
# Builds the folder's sources into one static library. DEPENDS are the
# libraries its headers need (public); PRIVATE the ones only its sources use.
# Every library sees the repository root, so includes name their folder
# ("services/Paths.h"); scripts/check-includes.sh, run by ./test, fails when
# a folder includes a layer it does not name here.
function(fotlex_library target)
  cmake_parse_arguments(ARG "" "" "EXCLUDE;DEPENDS;PRIVATE" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  foreach(file ${ARG_EXCLUDE})
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${file})
  endforeach()
  list(FILTER sources INCLUDE REGEX "\\.cpp$|\\.h$")
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${ARG_DEPENDS} PRIVATE ${ARG_PRIVATE})
endfunction()
