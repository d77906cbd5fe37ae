#include "wizard/FrmSetup.h"

#include "engine/Csidl.h"
#include "engine/EndOfProgram.h"
#include "engine/Misc.h"
#include "engine/SetupState.h"
#include "engine/SpecialFolder.h"
#include "toolkit/DirList.h"
#include "toolkit/Files.h"
#include "toolkit/Host.h"
#include "toolkit/Resources.h"
#include "toolkit/Win.h"
#include "wizard/Captions.h"
#include "wizard/FormRegionWin.h"
#include "wizard/QuitRoad.h"
#include "wizard/SetupDip.h"
#include "wizard/SetupLayout.h"
#include "wizard/StartupTexts.h"
#include "wizard/WelcomeText.h"

namespace {

constexpr int kSetupDipFile = 1;
constexpr int kWelcomeFile = 2;

// Setup.dip read through a numbered file.
class NumberedLines final : public SetupDip::LineSource {
 public:
  explicit NumberedLines(int number) : number_(number) {}
  bool AtEnd() override { return tk::Eof(number_); }
  bool ReadLine(std::string& line) override { return tk::LineInput(number_, line) == 0; }

 private:
  int number_;
};

// Whether a listing for ordinary files finds the name in the current folder.
bool SetupFileFound(const std::string& name) {
  std::string found;
  const int err = tk::Dir(name, 0, found);
  tk::DirEnd();
  return err == 0 && !found.empty();
}

}  // namespace

FrmSetupWindow::FrmSetupWindow()
    : Welcome(*this),
      picBuffer(*this),
      ErroreSpazio(*this),
      DeskShort(*this),
      AutoEsegui(*this),
      Lic_Accetto(*this),
      Lic_NonAccetto(*this),
      picStatus0(*this),
      PrgGroup(*this),
      CopyPath(*this),
      picStatus1(*this),
      AutoEsegui_txt(*this),
      DeskShort_txt(*this),
      Lic_NonAccetto_txt(*this),
      Lic_Accetto_txt(*this),
      ESCI_ORA(*this),
      SelPath(*this),
      lblStatus0(*this),
      lblStatus1(*this),
      PrgIco(*this),
      AppName(*this),
      Apptitle(*this),
      Previous_Disabilitato(*this),
      EndSetup(*this),
      NextStep(*this),
      Previous(*this),
      Label1(*this),
      Image1(*this),
      Avanti_Blu(*this),
      EndSetup_giallo(*this),
      Previus_Blu(*this),
      Browse(*this),
      BrowseColor(*this) {
  SetBorder(tk::FormBorder::None);
  SetCaption(SetupLayout::kCaption);
  SetClientSize(SetupLayout::kClientWidth, SetupLayout::kClientHeight);
  SetPicture(tk::Picture::FromBitmapResource(SetupLayout::kFace));
  SetBackColor(SetupLayout::kFaceBack);
  KeyPreview = true;
  SetupLayout::CreateControls(*this);

  WireEvents();
  // The wizard owns every message box shown while it takes input, the
  // engine's included: none leaves it clickable behind the box.
  tk::SetMessageBoxOwner(this);
}

FrmSetupWindow::~FrmSetupWindow() {
  tk::SetMessageBoxOwner(nullptr);
}

void FrmSetupWindow::Form_Initialize() {
  InitCommonControls();
  // Where it first appears; the user may drag it elsewhere, and the start-up
  // running again does not move it back.
  CentreOnScreen();
}

void FrmSetupWindow::Form_Load() {
  WizardWindowHandle = reinterpret_cast<uintptr_t>(hwnd());
  HookWelcomeMouseMove();

  // Any failure from here on leaves through this handler. A package whose
  // settings cannot be read cannot be installed as it is meant to be: the
  // program ends as for a missing setup file, before the wizard is shown.
  const auto fail = [] {
    tk::Beep();
    tk::MsgBox(StartupTexts::StartupFailed, StartupTexts::CriticalStyle,
               StartupTexts::StartupFailedTitle(SetupInfo.SoftwareHouseName));
    // Closed first, so that the clean-up can delete them.
    tk::Close(kSetupDipFile);
    tk::Close(kWelcomeFile);
    Misc::CleanUpAndExit();
  };

  tk::Region outline = FormRegion::MakeFormRegion(FormRegion::ShapedWindow::FrmSetup, 1, 1, 0, 0);
  if (!outline || !SetWindowRgn(hwnd(), outline.get(), TRUE)) return fail();
  outline.release();

  const int safeMode = tk::host().SafeModeMetric();
  if (safeMode == 1 || safeMode == 2) {
    tk::Beep();
    if (tk::MsgBox(StartupTexts::SafeModeQuestion, StartupTexts::SafeModeStyle, StartupTexts::SafeModeTitle) ==
        tk::vbCancel)
      Misc::CleanUpAndExit();
  }

  if (tk::SetCurrentDrive(SourceDir.substr(0, 2)) != 0) return fail();
  if (tk::SetCurrentFolder(SourceDir) != 0) return fail();

  for (const char* name : StartupTexts::RequiredFiles) {
    if (!SetupFileFound(name)) {
      tk::Beep();
      tk::MsgBox(StartupTexts::MissingFile(name), StartupTexts::CriticalStyle, StartupTexts::MissingFileTitle);
      Misc::CleanUpAndExit();
    }
  }

  if (tk::Open("Setup.dip", tk::OpenMode::Input, kSetupDipFile) != 0) return fail();
  {
    tk::FileNumberGuard setupDip(kSetupDipFile);
    NumberedLines lines(kSetupDipFile);
    if (!SetupDip::ReadHead(lines, SetupInfo).ok) return fail();
    Misc::IsWinNT();
    const std::string programFiles = SpecialFolder::GetSpecialFolder(Csidl::ProgramFiles);
    SetupInfo.InstallDir = SetupDip::DefaultInstallDir(WinMajor, programFiles, SetupInfo.InstallDir);
    if (!SetupDip::ReadRest(lines, SetupInfo).ok) return fail();
  }

  AppName.SetCaption(Captions::AppNameCaption(SetupInfo.ApplicationName));
  Apptitle.SetCaption(Captions::ApptitleCaption(SetupInfo.ApplicationName));

  std::string welcome;
  if (tk::Open("Welcome.txt", tk::OpenMode::Binary, kWelcomeFile) != 0) return fail();
  {
    tk::FileNumberGuard welcomeFile(kWelcomeFile);
    if (tk::ReadAll(kWelcomeFile, welcome) != 0) return fail();
  }
  Welcome.SetText(WelcomeText::InsertAppName(welcome, SetupInfo.ApplicationName));
}

FrmSetupWindow& FrmSetup() {
  static FrmSetupWindow window;
  return window;
}

void FrmSetupWindow::EndSetup_Click() { QuitRoad::EndSetup_Click(); }

// Only the system's close command takes the quit road: the program's own
// Unload (at the end of a test, for one) closes the window as asked.
void FrmSetupWindow::Form_QueryUnload(int& cancel, int unloadMode) {
  if (unloadMode != tk::vbFormControlMenu) return;
  int16_t keep = 0;
  QuitRoad::Form_Unload(keep);
  cancel = keep;
}
