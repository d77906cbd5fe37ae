# The wizard's pages and navigation (page texts and summary: portable), the
# page switcher, the hover swaps and the drag (Windows).
list(APPEND WIZARD_CORE_SOURCES Pages.cpp)
list(APPEND WIZARD_WIN_SOURCES Navigation.cpp Hover.cpp)
