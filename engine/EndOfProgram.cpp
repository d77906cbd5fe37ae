#include "engine/EndOfProgram.h"

#include <string>

#include "engine/Gest_File.h"
#include "engine/Misc.h"
#include "engine/SetupState.h"
#include "engine/SetupView.h"
#include "restart/clsShutdown.h"
#include "toolkit/Files.h"
#include "toolkit/Host.h"
#include "toolkit/Screen.h"
#include "toolkit/Shell.h"
#include "toolkit/Win.h"

namespace Misc {
namespace {

constexpr int kRestart = 2;  // EWX_REBOOT

// Deletes every file (not folder) of folder; one that refuses (read-only)
// gets the archive attribute alone first, so that read-only, hidden and
// system files go too.
void DeleteFilesIn(const std::string& folder) {
  tk::ForEachFileIn(folder, [&](const std::string& name) {
    const std::string path = folder + "\\" + name;
    if (DeleteFileA(path.c_str())) return;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_ARCHIVE);
    DeleteFileA(path.c_str());
  });
}

}  // namespace

void CleanUpAndExit() {
  tk::SetMousePointer(tk::vbHourglass);
  const std::string files = SourceDir + "\\files";
  tk::SetCurrentFolder(files);
  DeleteFilesIn(files);
  tk::SetCurrentFolder(SourceDir);
  Gest_File::RemoveFolder(files);
  DeleteFilesIn(SourceDir);
  // The emptied work folder goes too: it is left as the current folder
  // first. One that still holds something (a file another program keeps
  // open) stays as it is.
  tk::SetCurrentFolder(Misc::GetFolderPart(SourceDir));
  Gest_File::RemoveFolder(SourceDir);
  tk::SetMousePointer(tk::vbDefault);

  if (RestartNeeded) {
    clsShutdown restart;
    if (IsWinNT())
      restart.ShutDownNTbasedWindows(kRestart);
    else
      restart.ShutDownDOSbasedWindows(kRestart);
  }

  if (TheSetupView().AutoEseguiValue() == 1 && !RunCommand.empty()) tk::Shell(RunCommand, 2);

  tk::End(0);
}

}  // namespace Misc
