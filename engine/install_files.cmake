# The block copy and the per-file installer: the reading of a version text
# computes and builds everywhere; the rest talks to Windows, through the
# system folder's version library (loaded at run time) and the program's
# registry object. The copy shows itself through the setup view (the one
# window the engine knows), paced by its presenter.
list(APPEND ENGINE_CORE_SOURCES VersionText.cpp PendingRenames.cpp)
list(APPEND ENGINE_WIN_SOURCES BlockCopy.cpp CopyPresenter.cpp SetupView.cpp Deferral.cpp InstallFile.cpp)
if(WIN32)
  # The engine library is made after this list is read.
  cmake_language(DEFER CALL target_link_libraries engine PUBLIC registry)
endif()
