#include "wizard/QuitRoad.h"

#include <string>

#include "engine/Deferral.h"
#include "engine/EndOfProgram.h"
#include "engine/Gest_File.h"
#include "engine/Misc.h"
#include "engine/SetAside.h"
#include "engine/SetupState.h"
#include "toolkit/Events.h"
#include "toolkit/Files.h"
#include "wizard/FrmQuit.h"
#include "wizard/FrmRegistry.h"
#include "wizard/FrmSetup.h"

namespace QuitRoad {
namespace {

constexpr const char* kRollBackCaption = "Annullamento dell'installazione...";

// Deletes a file the installation created, then its folder when that is
// now empty; parent folders stay.
void RemoveCreated(const std::string& path) {
  Gest_File::KillFile(path);
  Gest_File::RemoveFolder(Misc::GetFolderPart(path));
}

// Deletes every path of the roll-back list, in its order. A list that
// cannot be opened or read ends the deletions there.
void RemoveListedFiles() {
  const int list = tk::FreeFile();
  if (list == 0 || tk::Open(SourceDir + "\\Uninstall.Tmp", tk::OpenMode::Input, list) != 0) return;
  tk::FileNumberGuard closeList(list);
  std::string line;
  while (!tk::Eof(list) && tk::LineInput(list, line) == 0) RemoveCreated(line);
}

// Set while a roll-back runs: a close command that its yield delivers must
// not open the dialog again, nor end the process before the deletions.
bool rollingBack = false;

void RollBack() {
  struct UnderWay {
    UnderWay() { rollingBack = true; }
    ~UnderWay() { rollingBack = false; }
  } underWay;
  FrmRegistryWindow& wait = FrmRegistry();
  wait.Show();
  tk::DoEvents();
  wait.Attesa.SetCaption(kRollBackCaption);
  wait.Refresh();

  // Ends the installation's own files (the roll-back list being written
  // among them) and the copy's, whatever numbers they hold.
  tk::Reset();

  RemoveListedFiles();
  // The file whose copy was interrupted is not listed yet; unless it was
  // there before, no partly written copy may stay behind.
  if (!CopyUnderWay.empty() && !CopyUnderWayExisted) RemoveCreated(CopyUnderWay);

  wait.Unload();
}

// The end of a confirmed quit: nothing the installation deferred to the
// next start of Windows happens then, nor does the restart; the folders
// this run made for it go when nothing is left in them.
[[noreturn]] void EndQuit() {
  Gest_File::CancelDeferredReplacements();
  // What an earlier installation had there, set aside meanwhile, goes back.
  Gest_File::PutBackAll();
  Gest_File::RemoveFoldersMade();
  Misc::CleanUpAndExit();
}

// After the dialog, whichever road opened it: a confirmed quit rolls back
// what the installation did so far (when it started) and ends the process;
// a quit left unconfirmed changes nothing.
void AfterTheDialog() {
  if (!QuitConfirmed) return;
  if (InstallStarted) RollBack();
  EndQuit();
}

}  // namespace

void EndSetup_Click() {
  // A second request while the dialog is up (a close command sent to the
  // disabled wizard) is answered by the dialog already asking; one during
  // the roll-back by the quit already confirmed.
  if (FrmQuit().Loaded() || rollingBack) return;
  FrmQuit().ShowModal();
  AfterTheDialog();
}

void Form_Unload(int16_t& cancel) {
  cancel = 1;
  if (FrmQuit().Loaded() || rollingBack) return;
  // Once the payload is copied the installation runs to its end, as the
  // disabled Exit pictures say: a close command asks nothing and ends nothing.
  if (!FrmSetup().EndSetup.Enabled()) return;
  FrmQuit().ShowModal();
  // The dialog promised that the application will not be installed: the
  // close command rolls back as Exit does.
  AfterTheDialog();
}

}  // namespace QuitRoad
