# The installation's plans that only compute: the shortcut plan, the
# temporary name beside a file in use, the date text of a file time and the
# extension that picks a file's rule.
list(APPEND ENGINE_CORE_SOURCES ShortcutPlan.cpp TempName.cpp DateText.cpp)
