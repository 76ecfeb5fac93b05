fotlex_test(cli_rename_test
  SOURCES RenameCommandTest.cpp ../batchrename/TestPhotos.cpp ../batchrename/TestPhotos.h
  DEPENDS fotlex_cli)
