# The progress bar painter: its arithmetic in both builds, its pixels under Wine.
setup_gtest(engine_progress_test LABEL engine
  SOURCES ProgressTest.cpp
  LIBS engine_core)

if(WIN32)
  setup_gtest(engine_progress_paint_test LABEL engine
    SOURCES ProgressPaintTest.cpp
    LIBS engine)
endif()
