# The progress bar painter: the percentage arithmetic is portable; the
# painting draws into the toolkit's picture boxes.
list(APPEND ENGINE_CORE_SOURCES Progress.cpp)
list(APPEND ENGINE_WIN_SOURCES ProgressPaint.cpp)
