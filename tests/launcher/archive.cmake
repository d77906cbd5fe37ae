# The package's format and its writer.
set(ARCHIVE_TEST_SOURCES ArchiveTest.cpp)
setup_gtest(launcher_archive_test LABEL launcher
  SOURCES ${ARCHIVE_TEST_SOURCES}
  LIBS launcher_core)

if(TARGET umfpack)
  setup_gtest(launcher_umfpack_test LABEL launcher
    SOURCES UmfpackTest.cpp
    LIBS launcher_core)
  target_compile_definitions(launcher_umfpack_test PRIVATE UMFPACK_PATH="$<TARGET_FILE:umfpack>")
  add_dependencies(launcher_umfpack_test umfpack)
endif()
