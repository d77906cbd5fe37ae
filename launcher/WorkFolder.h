// The name of the launcher's temporary work folder.
#pragma once

#include <string>

// "~" & S & "_" & D & ".stp": S is the timer reading (seconds since midnight)
// written with at most 7 significant digits in the user's locale, read back
// by a reader that knows only "." as decimal point, and written again (so a
// decimal comma drops the fraction); D is the whole part of 9 times the
// random number rnd in [0, 1), a digit from "0" to "8".
std::string WorkFolderName(float timerSeconds, float rnd, char decimalSep);

// The launcher's work folder: first its bare name, then its full path
// without a trailing backslash (the extraction writes there).
extern std::string WorkDir;
