# The shortcuts: CreateShortcut and the plan carried out (the plan itself is
# portable, in install_plan.cmake).
list(APPEND ENGINE_WIN_SOURCES ShortCuts.cpp)
