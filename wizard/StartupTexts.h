// The wizard start-up's fixed data: the setup files that must be in the work
// folder, in the order they are checked, and the start-up's messages with
// their titles and message-box styles. Portable.
#pragma once

#include <array>
#include <string>

#include "toolkit/Host.h"

namespace StartupTexts {

// Looked up in this order; the first one missing is named in MissingFile.
inline constexpr std::array<const char*, 8> RequiredFiles = {
    "Licence.txt", "Welcome.txt",  "appremove.dll", "qx_shell.dll",
    "Settings.lrk", "Setup.dip", "Setup.ftc",    "MsVBvm50.dll",
};

// Asked when Windows runs in Safe Mode; Cancel ends the program.
inline constexpr const char* SafeModeQuestion =
    "Windows è in modalità provvisoria. Continuare comunque con l'installazione?";
inline constexpr const char* SafeModeTitle = "Setup";
inline constexpr int SafeModeStyle = tk::vbOKCancel | tk::vbExclamation;

inline constexpr int CriticalStyle = tk::vbCritical;

// A required file is missing; the program then ends.
inline std::string MissingFile(const std::string& name) {
  return "Impossibile trovare " + name + ". Il file è necessario per eseguire l'installazione.";
}
inline constexpr const char* MissingFileTitle = "Errore critico";

// Any other failure of the start-up; the wizard stays open.
inline constexpr const char* StartupFailed = "Errore critico di installazione #410#.";
// Its title is the publisher's name as read so far.
inline std::string StartupFailedTitle(const std::string& softwareHouseName) {
  return softwareHouseName + " setup";
}

}  // namespace StartupTexts
