// What the stand-in programs do: record how they were started.
#pragma once

namespace standins {

// Appends the program's whole command line, as one line ended by CR LF, to
// the file logName in the program's own folder. True when the line is
// written.
bool AppendCommandLine(const char* logName);

}  // namespace standins
