#include "wizard/FrmSetup.h"

#include "assets/resource.h"
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
#include "wizard/StartupTexts.h"
#include "wizard/WelcomeText.h"

namespace {

constexpr tk::Color kWhite = RGB(255, 255, 255);
constexpr tk::Color kBlack = RGB(0, 0, 0);
// The colour of the warning box and of the check boxes and options: the
// panel's dark blue, on which they stand.
constexpr tk::Color kPanel = RGB(62, 101, 137);
constexpr tk::Color kRed = RGB(255, 0, 0);
constexpr tk::Color kLightGrey = RGB(224, 224, 224);

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

void PlacePicture(tk::Image& image, int bitmapId, double left, double top, double width, double height,
                  bool visible, HCURSOR pointer) {
  image.LoadPicture(bitmapId);
  image.Move(left, top, width, height);
  image.SetVisible(visible);
  if (pointer) image.SetMouseIcon(pointer);
}

void PlaceLabel(tk::Label& label, const std::string& caption, double left, double top, double width,
                double height, bool visible, const tk::FontSpec& font, tk::Color color) {
  label.SetCaption(caption);
  label.Move(left, top, width, height);
  label.SetVisible(visible);
  label.SetFont(font);
  label.SetForeColor(color);
  label.SetBackStyle(tk::BackStyle::Transparent);
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
  SetCaption("Velmarind Installer");
  SetClientSize(8205, 6090);
  SetPicture(tk::Picture::FromBitmapResource(IDB_SETUP_FACE));
  SetBackColor(RGB(0, 0, 128));
  KeyPreview = true;

  const HCURSOR hand = tk::CursorFromResource(IDC_SETUP_HAND);
  const tk::FontSpec sansSerif{"MS Sans Serif", 8.25, false};
  const tk::FontSpec sansSerifBold{"MS Sans Serif", 8.25, true};

  Welcome.SetMultiLine(true);
  Welcome.SetLocked(true);
  Welcome.SetBackColor(kLightGrey);
  Welcome.Move(120, 1290, 4275, 3165);

  tmrTime.SetEnabled(false);

  picBuffer.Move(0, 0, 4420, 40);
  picBuffer.SetVisible(false);

  // Small enough for the space warning to stand on one line in its width.
  ErroreSpazio.SetFont({"Arial", 7.5, false});
  ErroreSpazio.SetMultiLine(true);
  ErroreSpazio.SetScrollBar(false);
  ErroreSpazio.SetBorderStyle(0);
  ErroreSpazio.SetLocked(true);
  ErroreSpazio.SetBackColor(kPanel);
  ErroreSpazio.SetForeColor(kRed);
  ErroreSpazio.Move(195, 3120, 4005, 225);
  ErroreSpazio.SetVisible(false);

  DeskShort.Move(630, 3300, 195, 285);
  DeskShort.SetBackColor(kPanel);
  DeskShort.SetValue(1);
  DeskShort.SetVisible(false);
  DeskShort.SetMouseIcon(hand);

  AutoEsegui.Move(630, 3720, 195, 285);
  AutoEsegui.SetBackColor(kPanel);
  AutoEsegui.SetCaption("Esegui subito dopo l'installazione");
  AutoEsegui.SetValue(1);
  AutoEsegui.SetVisible(false);
  AutoEsegui.SetMouseIcon(hand);

  // Small enough for each option caption to stand on one line in its width.
  const tk::FontSpec arial{"Arial", 8, false};
  Lic_Accetto.Move(180, 4020, 225, 255);
  Lic_Accetto.SetBackColor(kPanel);
  Lic_Accetto.SetValue(false);
  Lic_Accetto.SetVisible(false);
  Lic_NonAccetto.Move(2220, 4020, 210, 255);
  Lic_NonAccetto.SetBackColor(kPanel);
  Lic_NonAccetto.SetValue(true);
  Lic_NonAccetto.SetVisible(false);

  const tk::FontSpec progressFont{"MS Sans Serif", 8.25, true};
  picStatus0.Move(255, 2820, 4095, 285);
  picStatus0.SetBackColor(kWhite);
  picStatus0.SetFont(progressFont);
  picStatus0.SetVisible(false);

  PrgGroup.Move(630, 2670, 3780, 315);
  PrgGroup.SetVisible(false);

  CopyPath.Move(255, 3150, 3270, 320);
  CopyPath.SetVisible(false);

  picStatus1.Move(240, 3660, 4095, 285);
  picStatus1.SetBackColor(kWhite);
  picStatus1.SetFont(progressFont);
  picStatus1.SetVisible(false);

  PlaceLabel(AutoEsegui_txt, "Esegui subito dopo l'installazione", 850, 3780, 3600, 255, false, sansSerifBold, kWhite);
  AutoEsegui_txt.SetMouseIcon(hand);
  PlaceLabel(DeskShort_txt, "Crea collegamento anche su Desktop", 850, 3345, 3600, 255, false, sansSerifBold, kWhite);
  DeskShort_txt.SetMouseIcon(hand);
  PlaceLabel(Lic_NonAccetto_txt, "Non accetto (non installa)", 2460, 4050, 1920, 255, false, arial, kWhite);
  Lic_NonAccetto_txt.SetMouseIcon(hand);
  PlaceLabel(Lic_Accetto_txt, "Accetto (prosegue)", 420, 4050, 1440, 255, false, arial, kWhite);
  Lic_Accetto_txt.SetMouseIcon(hand);

  PlacePicture(ESCI_ORA, IDB_ESCI_ORA, 7770, 120, 405, 360, true, nullptr);

  PlaceLabel(SelPath,
             "Occorre selezionare la cartella in cui si desidera installare l'applicazione. Fare clic sul pulsante "
             "di fianco al percorso per sfogliare le cartelle.",
             135, 1770, 4335, 795, false, sansSerifBold, kWhite);
  PlaceLabel(lblStatus0, "", 270, 2595, 4065, 255, false, sansSerifBold, kWhite);
  PlaceLabel(lblStatus1, "", 270, 3400, 4065, 255, false, sansSerifBold, kWhite);

  PrgIco.SetPicture(tk::Picture::FromIconResource(IDI_PRGICO));
  PrgIco.Move(120, 2610, 480, 480);
  PrgIco.SetVisible(false);

  PlaceLabel(AppName, "", 330, 570, 4215, 525, true, {"Tahoma", 14, true}, kWhite);
  PlaceLabel(Apptitle, "Titolo Applicazione", 420, 180, 5925, 285, true, {"Arial", 9, true}, kBlack);

  PlacePicture(Previous_Disabilitato, IDB_PREVIOUS_DISABILITATO, 120, 4535, 1440, 510, true, nullptr);
  PlacePicture(EndSetup, IDB_ENDSETUP, 4845, 4560, 1470, 480, true, hand);
  PlacePicture(NextStep, IDB_NEXTSTEP, 1830, 4545, 1440, 510, true, hand);
  PlacePicture(Previous, IDB_PREVIOUS, 120, 4530, 1440, 510, false, hand);
  PlaceLabel(Label1, "®", 2730, 5190, 225, 225, true, sansSerif, kWhite);
  PlacePicture(Image1, IDB_LOGO, 90, 5250, 2925, 630, true, nullptr);
  PlacePicture(Avanti_Blu, IDB_AVANTI_BLU, 1830, 4545, 1455, 525, false, hand);
  PlacePicture(EndSetup_giallo, IDB_ENDSETUP_GIALLO, 4830, 4545, 1455, 495, true, hand);
  PlacePicture(Previus_Blu, IDB_PREVIUS_BLU, 120, 4530, 1425, 510, true, hand);
  PlacePicture(Browse, IDB_BROWSE, 3660, 3105, 675, 480, true, hand);
  PlacePicture(BrowseColor, IDB_BROWSECOLOR, 3660, 3105, 675, 480, false, hand);

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

  // Any failure from here on leaves through this handler: the fields read so
  // far keep their new values, nothing is undone, the window stays usable.
  const auto fail = [] {
    tk::Beep();
    tk::MsgBox(StartupTexts::StartupFailed, StartupTexts::CriticalStyle,
               StartupTexts::StartupFailedTitle(SetupInfo.SoftwareHouseName));
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
