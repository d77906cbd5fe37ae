# The installation sequence.
if(WIN32)
  list(APPEND ENGINE_WIN_SOURCES Installation.cpp)
endif()
