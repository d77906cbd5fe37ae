# The registry settings of the package: Settings.lrk made into Settings.reg
# with the machine's token values, and imported by the registry editor.
if(WIN32)
  list(APPEND ENGINE_WIN_SOURCES Import.cpp)
endif()
