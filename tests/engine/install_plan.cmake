# The shortcut plan, temporary names and date texts: portable, both builds.
setup_gtest(engine_install_plan_test LABEL engine
  SOURCES ShortcutPlanTest.cpp TempNameTest.cpp DateTextTest.cpp
  LIBS engine_core)
