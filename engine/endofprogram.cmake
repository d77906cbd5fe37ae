# The end of the program (Misc): it reads the wizard's run-after-install box
# and asks the restart object for a restart, so the engine's Windows library
# and the wizard's link each other.
list(APPEND ENGINE_WIN_SOURCES EndOfProgram.cpp)
