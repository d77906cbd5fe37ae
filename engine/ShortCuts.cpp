#include "engine/ShortCuts.h"

#include "engine/Csidl.h"
#include "engine/InstallLog.h"
#include "engine/ProgramManager.h"
#include "engine/SetupState.h"
#include "engine/SetupView.h"
#include "engine/ShortcutPlan.h"
#include "engine/SpecialFolder.h"
#include "shell/QxShellLink.h"
#include "toolkit/Files.h"
#include "toolkit/Owners.h"
#include "toolkit/Win.h"

namespace ShortCuts {
namespace {

constexpr int kUninstallFile = 1;  // the file number of the append

// COM for the calling thread, entered on first use and left when the thread
// ends. A thread already in another apartment keeps it: the shortcut class
// is served in any.
void EnterApartment() { thread_local tk::ComApartment apartment; }

// Appends one line to InstallDir\Uninstall.ini through file number 1;
// a failure is passed over.
void AppendUninstallLine(const std::string& line) {
  if (tk::Open(SetupInfo.InstallDir + "\\Uninstall.ini", tk::OpenMode::Append, kUninstallFile) != 0)
    return;  // the number, if someone else's, is left alone
  tk::FileNumberGuard close(kUninstallFile);
  tk::PrintLine(kUninstallFile, line);
}

// True when the shortcut class wrote the link file.
bool MakeLink(qxshell::IQxShellLink* shortcut, const std::string& linkFile, const std::string& target,
              const std::string& arguments, const std::string& icon) {
  const char* link = linkFile.c_str();
  const char* targetText = target.c_str();
  const char* folder = SetupInfo.InstallDir.c_str();
  const char* argumentsText = arguments.c_str();
  const char* iconText = icon.c_str();
  int32_t number1 = 0;
  int32_t number2 = 0;
  if (FAILED(shortcut->CreateLink(&link, &targetText, &folder, &argumentsText, &iconText, &number1, &number2)))
    return false;
  const DWORD attributes = ::GetFileAttributesA(link);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

void CreateShortcut(int32_t csidl, const std::string& subFolder, const std::string& target,
                    const std::string& linkName, const std::string& arguments,
                    const std::string& icon, bool createSubFolder) {
  try {
    EnterApartment();
    tk::ComPtr<qxshell::IQxShellLink> shortcut;
    if (FAILED(::CoCreateInstance(qxshell::kClsidShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                  qxshell::kIidQxShellLink, shortcut.outVoid())))
      shortcut.reset();

    ShortcutPlan::ShortcutCall call;
    call.Csidl = csidl;
    call.SubFolder = subFolder;
    call.LinkName = linkName;
    call.CreateSubFolder = createSubFolder;
    const ShortcutPlan::LinkPlace place =
        ShortcutPlan::PlaceLink(SpecialFolder::ShellFolderPath(csidl, WizardWindowHandle), call);
    if (!place.FolderToCreate.empty()) MakeFolderQuiet(place.FolderToCreate);
    // The uninstaller is told only of a link that was made; one that was not
    // is a failure of the installation, as is one whose shell folder the
    // system cannot locate, which leaves it nowhere to go (a bare "\" would
    // put it at the root of the current drive).
    if (!place.LinkFile.empty() && shortcut && MakeLink(shortcut.get(), place.LinkFile, target, arguments, icon))
      AppendUninstallLine(ShortcutPlan::UninstallLine(place.LinkFile));
    else
      Gest_File::LogInstallLine("Collegamento non creato: " +
                                (place.LinkFile.empty() ? linkName + ".Lnk" : place.LinkFile));
  } catch (...) {
    // Out of memory: the shortcut is passed over like any other failure.
  }
}

void MakeFolderQuiet(const std::string& path) { tk::MakeFolder(path); }

void MakeShortcuts() {
  try {
  ShortcutPlan::PlanInput input;
  input.Info = &SetupInfo;
  input.InstallDir = SetupInfo.InstallDir;
  input.WinMajor = WinMajor;
  input.DeskShort = TheSetupView().DeskShortValue();
  input.SystemDir = ProgramManager::GetSystemDir();
  input.ProgramFilesDir = SpecialFolder::GetSpecialFolder(Csidl::ProgramFiles);
  const ShortcutPlan::Plan plan = ShortcutPlan::MakePlan(input);
  if (!SetupInfo.MdeName.empty()) RunCommand = plan.RunCommand;
  for (const ShortcutPlan::ShortcutCall& c : plan.Calls)
    CreateShortcut(c.Csidl, c.SubFolder, c.Target, c.LinkName, c.Arguments, c.Icon, c.CreateSubFolder);
  } catch (...) {
    // Out of memory while forming the plan: no shortcuts, like any failure.
  }
}

}  // namespace ShortCuts
