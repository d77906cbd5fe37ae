// Where the launcher puts its work folder.
#pragma once

#include <string>

// The temporary folder as the system gives it, with its trailing backslash;
// GetSystemDrive() when the system cannot give one.
std::string GetTempFolder();

// The first three characters of the system folder ("C:\"); "C:\" when the
// system folder cannot be read.
std::string GetSystemDrive();
