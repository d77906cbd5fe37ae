# The installation's portable pieces: token replacement, the file list's
# lines and the uninstall records' lines.
list(APPEND ENGINE_CORE_SOURCES Tokens.cpp FileList.cpp UninstallRecords.cpp)
