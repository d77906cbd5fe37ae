// The head and the tail of Uninstall.ini.
#include "engine/UninstallRecords.h"

namespace Gest_File {

namespace {
// The indentation that marks the value name under a "RemoveVal:" line.
const std::string kValueIndent(10, ' ');
}  // namespace

std::vector<std::string> UninstallHead(const std::vector<std::string>& dipLines,
                                       const std::string& programsFolder,
                                       const std::string& programGroup) {
  std::vector<std::string> head;
  for (std::size_t n = 0; n < 5; ++n) {
    if (n == 3) {
      head.push_back("Program Group: " + programsFolder + "\\" + programGroup);
    } else {
      head.push_back(n < dipLines.size() ? dipLines[n] : std::string());
    }
  }
  return head;
}

std::vector<std::string> UninstallTail(const std::string& dateLine,
                                       const Misc::TokenValues& values) {
  const auto replaced = [&values](const std::string& text) {
    return Misc::ReplaceTokens(text, false, values);
  };
  return {
      "",
      ";[REMOVE]",
      dateLine,
      "",
      ";[REGISTRY SECTION]",
      "RemoveKey:" +
          replaced("LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"
                   "§§QX_App_Name§§"),
      "RemoveVal:LOCAL_MACHINE\\Software\\Microsoft\\Office\\8.0\\Access\\Profiles",
      kValueIndent + replaced("§§QX_App_Name§§"),
      "RemoveVal:LOCAL_MACHINE\\Software\\Microsoft\\Access Runtime\\8.0\\Profiles",
      kValueIndent + replaced("§§QX_App_Name§§"),
      "RemoveVal:" +
          replaced("LOCAL_MACHINE\\Software\\§§QX_SH_Name§§\\§§QX_App_Name§§\\§§QX_Version§§"
                   "\\Jet\\3.5\\Engines"),
      kValueIndent + "SystemDB",
  };
}

}  // namespace Gest_File
