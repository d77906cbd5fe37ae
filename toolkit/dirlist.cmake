# The folder listing by pattern (Windows only).
list(APPEND TOOLKIT_WIN_SOURCES DirList.cpp)
