# The quit dialog and the wizard's two roads out through it (the Exit
# pictures with the roll-back, and the system's close command).
list(APPEND WIZARD_WIN_SOURCES FrmQuit.cpp QuitRoad.cpp)
