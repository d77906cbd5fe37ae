# The end of the program (Misc): it reads the run-after-install box of the
# setup view and asks the restart object for a restart.
list(APPEND ENGINE_WIN_SOURCES EndOfProgram.cpp)
