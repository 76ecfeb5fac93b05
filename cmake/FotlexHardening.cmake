# Debian's hardening, as dpkg-buildflags gives it to a package built with
# every feature: _FORTIFY_SOURCE, the stack protector, format checks, relro
# and bind-now. The build type keeps deciding optimisation and debug
# information, so -O and -g are left out; a Debug build gets none of it
# (_FORTIFY_SOURCE needs the optimiser), nor does a sanitizer build, whose
# checks see more than fortify's and do not see into its checked copies.
find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
if(NOT CMAKE_CXX_FLAGS MATCHES "-fsanitize")
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${DPKG_BUILDFLAGS} --get ${kind}
      WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-(g|O[0-3sz]?)$")
    if(kind STREQUAL LDFLAGS)
      add_link_options("$<$<NOT:$<CONFIG:Debug>>:${flags}>")
    else()
      add_compile_options("$<$<NOT:$<CONFIG:Debug>>:${flags}>")
    endif()
  endforeach()
endif()
