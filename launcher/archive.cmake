# The package's format: length field, directory entries, extraction plan and
# destinations (portable).
list(APPEND LAUNCHER_CORE_SOURCES Archive.cpp)
