// Where the launcher puts its work folder.
#pragma once

#include <string>

// The temporary folder as the system gives it, with its trailing backslash:
// its long form when the ANSI code page can spell it, else its short (8.3)
// form; what the system's ANSI call gives when there is no short form;
// GetSystemDrive() when the system cannot give one.
std::string GetTempFolder();

// The first three characters of the system folder ("C:\"); "C:\" when the
// system folder cannot be read.
std::string GetSystemDrive();
