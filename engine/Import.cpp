#include "engine/Import.h"

#include <string>
#include <vector>

#include "engine/Csidl.h"
#include "engine/InstallLog.h"
#include "engine/ProgramManager.h"
#include "engine/SetupState.h"
#include "engine/SpecialFolder.h"
#include "toolkit/Files.h"
#include "toolkit/Owners.h"
#include "toolkit/Win.h"

namespace Misc {
namespace {

constexpr int kTemplateFile = 1;
constexpr int kOutputFile = 2;

}  // namespace

TokenValues CurrentTokenValues() {
  TokenValues v;
  const std::string programFiles = SpecialFolder::GetSpecialFolder(Csidl::ProgramFiles);
  v.OfficeRuntimePath = programFiles + "\\OfficeRT";
  v.InstallDir = SetupInfo.InstallDir;
  v.AppVersion = SetupInfo.AppVersion;
  v.SoftwareHouseName = SetupInfo.SoftwareHouseName;
  v.CommonFilesFolder = SpecialFolder::GetSpecialFolder(Csidl::ProgramFilesCommon);
  v.MdwName = SetupInfo.MdwName;
  v.MdeName = SetupInfo.MdeName;
  v.SystemDir = ProgramManager::GetSystemDir();
  v.ApplicationName = SetupInfo.ApplicationName;
  v.FontsFolder = SpecialFolder::GetSpecialFolder(Csidl::Fonts);
  v.ProgramFilesFolder = programFiles;
  v.WindowsDir = ProgramManager::GetWindowsDir();
  return v;
}

std::string RegistryEditor(const std::string& systemDir, const std::string& windowsDir) {
  for (const std::string& folder : {systemDir, windowsDir}) {
    if (folder.empty()) continue;  // never the current drive's root
    const std::string editor = folder + "\\regedit.exe";
    const DWORD attributes = ::GetFileAttributesA(editor.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return editor;
  }
  return {};
}

void ImportSettings() { ImportSettings(ProgramManager::GetSystemDir(), ProgramManager::GetSharedWindowsDir()); }

void ImportSettings(const std::string& systemDir, const std::string& windowsDir) {
  if (tk::Open("Settings.lrk", tk::OpenMode::Input, kTemplateFile) != tk::errNone) return;
  tk::FileNumberGuard templateFile(kTemplateFile);
  if (tk::Open("Settings.reg", tk::OpenMode::Output, kOutputFile) != tk::errNone) return;
  tk::FileNumberGuard outputFile(kOutputFile);

  // The values are the same for every line: read the folders once.
  const TokenValues values = CurrentTokenValues();
  std::string line;
  while (!tk::Eof(kTemplateFile)) {
    if (tk::LineInput(kTemplateFile, line) != tk::errNone) return;
    if (tk::PrintLine(kOutputFile, ReplaceTokens(line, true, values)) != tk::errNone) return;
  }
  tk::Close(kTemplateFile);
  tk::Close(kOutputFile);
  const std::string editor = RegistryEditor(systemDir, windowsDir);
  if (editor.empty() || !RunAndWait('"' + editor + "\" /S Settings.reg"))
    Gest_File::LogInstallLine("Impostazioni non importate: Settings.reg");
}

bool RunAndWait(const std::string& commandLine) {
  std::vector<char> writable(commandLine.begin(), commandLine.end());
  writable.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS,
                      nullptr, nullptr, &startup, &process))
    return false;
  const tk::ProcessHandles handles(process);
  WaitForSingleObject(process.hProcess, INFINITE);
  return true;
}

}  // namespace Misc
