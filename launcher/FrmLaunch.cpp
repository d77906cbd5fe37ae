#include "launcher/FrmLaunch.h"

#include "assets/resource.h"
#include "engine/EndOfProgram.h"
#include "engine/Misc.h"
#include "engine/ProgramManager.h"
#include "engine/Progress.h"
#include "engine/SetupState.h"
#include "launcher/Extract.h"
#include "launcher/MiscUtils.h"
#include "launcher/WorkFolder.h"
#include "toolkit/App.h"
#include "toolkit/Clock.h"
#include "toolkit/Events.h"
#include "toolkit/Files.h"
#include "toolkit/Host.h"
#include "toolkit/Locale.h"
#include "toolkit/Random.h"
#include "toolkit/Screen.h"
#include "toolkit/Win.h"
#include "wizard/FrmSetup.h"

namespace {

constexpr tk::Color kBackColor = RGB(57, 98, 137);

// Attempts at a new work folder before the launcher gives up: each draws a
// new name, so only a temporary folder that takes no folder at all runs out.
constexpr int kWorkFolderAttempts = 200;

// What the user is told when the package was not unpacked whole.
const char* ExtractionMessage(ExtractResult result) {
  switch (result) {
    case ExtractResult::Done: return nullptr;
    case ExtractResult::NoPackage:
      return "Impossibile trovare il pacchetto di installazione Setup.UMF. L'installazione non può proseguire.";
    case ExtractResult::DiskFull:
      return "Spazio insufficiente sull'unità della cartella temporanea. L'installazione non può proseguire.";
    case ExtractResult::BadLengthField:
    case ExtractResult::BadEntry:
    case ExtractResult::WriteFailed:
    case ExtractResult::ReadFailed:
      break;
  }
  return "Il pacchetto di installazione Setup.UMF è danneggiato. L'installazione non può proseguire.";
}

// Makes folder the current drive and folder. A bare drive ("C:", what the
// program's folder is at a drive root) means that drive's root.
void MakeCurrent(const std::string& folder) {
  tk::SetCurrentDrive(folder.substr(0, 2));
  tk::SetCurrentFolder(folder.size() == 2 && folder[1] == ':' ? folder + "\\" : folder);
}

std::string DrawWorkFolderName() {
  return WorkFolderName(tk::Timer(), tk::Rnd(), tk::UserDecimalSeparator());
}

}  // namespace

FrmLaunch::FrmLaunch() : Image2(*this), Label1(*this), picStatus{tk::PictureBox(*this)} {
  SetBorder(tk::FormBorder::FixedSingle);
  SetCaption("Installazione");
  SetIconResource(IDI_LAUNCH);
  SetClientSize(5520, 1590);

  Image2.LoadPicture(IDB_LAUNCH_IMAGE2);
  Image2.Move(180, 240, 495, 525);

  Label1.Move(840, 255, 4500, 700);
  Label1.SetCaption(
      "Il programma di installazione sta inizializzando il Setup Wizard che Vi guiderà nel resto del "
      "processo di installazione.");
  Label1.SetForeColor(RGB(255, 255, 255));
  Label1.SetBackStyle(tk::BackStyle::Transparent);
  Label1.SetFont({"MS Sans Serif", 8.25, true});

  picStatus[0].Move(840, 1020, 4305, 315);
  picStatus[0].SetBackColor(RGB(255, 255, 255));
  picStatus[0].SetFont({"MS Sans Serif", 9.75, true});
  SetLaunchProgressBoxes({&picStatus[0], nullptr});
}

FrmLaunch::~FrmLaunch() { SetLaunchProgressBoxes({nullptr, nullptr}); }

bool FrmLaunch::MakeFolder(const std::string& sFolder) { return CreateDirectoryA(sFolder.c_str(), nullptr) != 0; }

void FrmLaunch::Form_Initialize() { InitCommonControls(); }

void FrmLaunch::Form_Load() {
  SetBackColor(kBackColor);

  if (tk::AppPrevInstance()) {
    tk::MsgBox("Attenzione rilevata un'altra sessione di installazione.", tk::vbCritical, "Setup");
    tk::End(0);
  }

  Move(1000, 1000);
  MakeCurrent(Misc::GetAppPath());
  Show();
  tk::DoEvents();

  tk::Randomize(tk::Timer());
  tk::SetMousePointer(tk::vbHourglass);

  WorkDir = DrawWorkFolderName();
  int attempts = 1;
  while (!MakeFolder(GetTempFolder() + WorkDir)) {
    if (++attempts > kWorkFolderAttempts) {
      tk::SetMousePointer(tk::vbDefault);
      tk::MsgBox("Impossibile creare la cartella di lavoro nella cartella temporanea. "
                 "L'installazione non può proseguire.",
                 tk::vbCritical, "Setup");
      tk::End(1);
    }
    WorkDir = DrawWorkFolderName();
  }

  CopyFileA((Misc::GetAppPath() + "\\asycfilt.dll").c_str(),
            (ProgramManager::GetSystemDir() + "\\asycfilt.dll").c_str(), FALSE);

  WorkDir = GetTempFolder() + WorkDir;
  SourceDir = WorkDir;

  MakeFolder(WorkDir + "\\files");
  const ExtractResult extracted = ExtractSetupArchive("Setup.UMF");
  tk::DoEvents();
  // A package that was not unpacked whole must not lead to an installation,
  // whichever setup files it yielded: the launcher says why and ends. (A
  // whole package without a setup file is the wizard's start-up to name.)
  if (const char* message = ExtractionMessage(extracted)) {
    tk::SetMousePointer(tk::vbDefault);
    tk::MsgBox(message, tk::vbCritical, "Setup");
    Misc::CleanUpAndExit();
  }

  MakeCurrent(WorkDir);
  tk::SetMousePointer(tk::vbDefault);
  Unload();
  ShowWizardWindow();
}

void ShowWizardWindow() { FrmSetup().Show(); }
