# fotlex_install_program(<target>)
# Installs the program into bin/. A stripped install (cpack strips) also
# drops the .comment section, the compilers' version strings, as Debian's
# dh_strip does.
function(fotlex_install_program target)
  install(TARGETS ${target})
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:${target}>\"
        COMMAND_ERROR_IS_FATAL ANY)
    endif()")
endfunction()
