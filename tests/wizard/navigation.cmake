# The wizard's pages: their texts in both builds; the pages, buttons and
# dragging of the window in this process under Wine (each test in its own
# process, as ctest runs them: the window object lives for the process).
setup_gtest(wizard_pages_text_test LABEL wizard
  SOURCES NavigationPagesTest.cpp
  LIBS wizard_core)

if(WIN32)
  enable_language(RC)
  setup_gtest(wizard_navigation_test LABEL wizard
    SOURCES NavigationTest.cpp PagePixelsTest.cpp ${PROJECT_SOURCE_DIR}/assets/Setup.rc
    LIBS wizard testsupport)
  target_include_directories(wizard_navigation_test PRIVATE ${PROJECT_SOURCE_DIR}/assets)

  # The hover swaps follow every mouse move the window gets, and Wine adds
  # moves of the screen's real pointer: it holds the display against the
  # programs that drive that pointer.
  setup_gtest(wizard_hover_test LABEL wizard
    SOURCES HoverTest.cpp ${PROJECT_SOURCE_DIR}/assets/Setup.rc
    LIBS wizard testsupport
    RESOURCE_LOCK display)
  target_include_directories(wizard_hover_test PRIVATE ${PROJECT_SOURCE_DIR}/assets)
endif()

if(WIN32)
  # Real mouse input: it holds the display against the other programs that
  # drive the screen's pointer.
  setup_gtest(wizard_drag_test LABEL wizard
    SOURCES HoverDragTest.cpp ${PROJECT_SOURCE_DIR}/assets/Setup.rc
    LIBS wizard testsupport
    RESOURCE_LOCK display)
  target_include_directories(wizard_drag_test PRIVATE ${PROJECT_SOURCE_DIR}/assets)
endif()

if(WIN32)
  # Real keyboard input reaches the window that has the foreground, which
  # any test showing a window may take: these run alone.
  setup_gtest(wizard_keyboard_test LABEL wizard
    SOURCES QuitDialogKeyboardTest.cpp ${PROJECT_SOURCE_DIR}/assets/Setup.rc
    LIBS wizard testsupport
    SERIAL)
  target_include_directories(wizard_keyboard_test PRIVATE ${PROJECT_SOURCE_DIR}/assets)
endif()
