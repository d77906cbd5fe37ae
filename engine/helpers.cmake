# The file, path and system helpers: Misc's text helpers compute and build
# everywhere; the rest talks to Windows.
list(APPEND ENGINE_CORE_SOURCES MiscText.cpp)
list(APPEND ENGINE_WIN_SOURCES Misc.cpp ProgramManager.cpp Gest_File.cpp SpecialFolder.cpp)
