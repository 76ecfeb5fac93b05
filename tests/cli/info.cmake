fotlex_test(cli_info_tests SOURCES CliTest.cpp DEPENDS fotlex_cli fotlex_test_files)
add_dependencies(cli_info_tests fotlex-cli)
target_compile_definitions(cli_info_tests PRIVATE FOTLEX_CLI="$<TARGET_FILE:fotlex-cli>"
  FOTLEX_VERSION="${PROJECT_VERSION}" FOTLEX_COMPLETION="${CMAKE_SOURCE_DIR}/data/fotlex-cli.bash")
