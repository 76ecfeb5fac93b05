fotlex_test(cli_rename_test SOURCES RenameCommandTest.cpp DEPENDS fotlex_cli fotlex_test_files)
add_dependencies(cli_rename_test fotlex-cli)
target_compile_definitions(cli_rename_test PRIVATE FOTLEX_CLI="$<TARGET_FILE:fotlex-cli>")
