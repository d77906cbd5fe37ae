# Runtime services: numbers and random numbers (portable); clock, locale,
# files by number, program facts, command start and system libraries
# (Windows).
list(APPEND TOOLKIT_CORE_SOURCES Numbers.cpp Random.cpp)
list(APPEND TOOLKIT_WIN_SOURCES Clock.cpp Locale.cpp Files.cpp App.cpp Shell.cpp SystemLibrary.cpp)
