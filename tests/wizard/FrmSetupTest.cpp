// The wizard window's start-up in this process, on a scratch work folder of
// the Wine prefix, with a scripted host for its message boxes.
#include <gtest/gtest.h>

#include "engine/Csidl.h"
#include "engine/SetupState.h"
#include "engine/SetupView.h"
#include "engine/SpecialFolder.h"
#include "tests/support/ScriptedHost.h"
#include "tests/support/WorkFolder.h"
#include "toolkit/Events.h"
#include "toolkit/Files.h"
#include "toolkit/Win.h"
#include "wizard/FrmRegistry.h"
#include "wizard/FrmSetup.h"
#include "wizard/SetupLayout.h"

namespace {

using testsupport::ScratchWork;
using testsupport::ScriptedHost;

std::string StandardSetupDip() {
  return testsupport::SetupDipText({"Velmarind Demo v.1.0", "descrizione", "Velmarind", "Velmarind Demo",
                                    "1.0", "Demo", "1048576", "Demo.exe", "", "", "Demo.exe", "Leggimi",
                                    "Leggimi.txt", "Demo.exe"});
}

class WizardStart : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    work_ = std::make_unique<ScratchWork>("wizard-tests", info->name());
    ASSERT_TRUE(work_->WriteSetupFiles());
    ASSERT_TRUE(work_->Write("Setup.dip", StandardSetupDip()));
    ASSERT_TRUE(work_->Write("Welcome.txt", "Benvenuti in @ !"));
    SourceDir = work_->work();
    SetupInfo = {};
    WinMajor = 0;
  }
  void TearDown() override {
    FrmSetup().Unload();
    tk::Reset();
    work_.reset();
  }

  std::unique_ptr<ScratchWork> work_;
  ScriptedHost host_;
};

TEST_F(WizardStart, ShowsTheFirstPageAsCreatedWithTheSettingsRead) {
  FrmSetup().Show();
  FrmSetupWindow& w = FrmSetup();
  ASSERT_TRUE(w.Loaded());
  EXPECT_TRUE(host_.boxes.empty());

  EXPECT_EQ(SetupInfo.ApplicationName, "Velmarind Demo v.1.0");
  EXPECT_EQ(SetupInfo.SoftwareHouseName, "Velmarind");
  EXPECT_EQ(SetupInfo.TotalBytes, 1048576);
  EXPECT_EQ(SetupInfo.ExtraShortcutCount, 1);
  EXPECT_EQ(SetupInfo.ExtraShortcuts[1].TargetName, "Leggimi.txt");
  EXPECT_EQ(w.AppName.Caption(), "VELMARIND DEMO ");
  EXPECT_EQ(w.Apptitle.Caption(), "Installazione di VELMARIND DEMO V.1.0");
  EXPECT_EQ(w.Welcome.Text(), "Benvenuti in Velmarind Demo v.1.0 !");
  EXPECT_EQ(w.Caption(), "Velmarind Installer");
  EXPECT_FALSE(tk::IsOpen(1));
  EXPECT_FALSE(tk::IsOpen(2));

  // What is shown, and what is not.
  const std::vector<std::pair<const char*, bool>> shown = {
      {"Welcome", w.Welcome.Visible()}, {"ESCI_ORA", w.ESCI_ORA.Visible()},
      {"AppName", w.AppName.Visible()}, {"Apptitle", w.Apptitle.Visible()},
      {"Previous_Disabilitato", w.Previous_Disabilitato.Visible()}, {"EndSetup", w.EndSetup.Visible()},
      {"NextStep", w.NextStep.Visible()}, {"Label1", w.Label1.Visible()}, {"Image1", w.Image1.Visible()},
      {"EndSetup_giallo", w.EndSetup_giallo.Visible()}, {"Previus_Blu", w.Previus_Blu.Visible()},
      {"Browse", w.Browse.Visible()}};
  for (const auto& [name, visible] : shown) EXPECT_TRUE(visible) << name;
  const std::vector<std::pair<const char*, bool>> hidden = {
      {"picBuffer", w.picBuffer.Visible()}, {"ErroreSpazio", w.ErroreSpazio.Visible()},
      {"DeskShort", w.DeskShort.Visible()}, {"AutoEsegui", w.AutoEsegui.Visible()},
      {"Lic_Accetto", w.Lic_Accetto.Visible()}, {"Lic_NonAccetto", w.Lic_NonAccetto.Visible()},
      {"picStatus(0)", w.picStatus(0).Visible()}, {"picStatus(1)", w.picStatus(1).Visible()},
      {"PrgGroup", w.PrgGroup.Visible()}, {"CopyPath", w.CopyPath.Visible()},
      {"AutoEsegui_txt", w.AutoEsegui_txt.Visible()}, {"DeskShort_txt", w.DeskShort_txt.Visible()},
      {"Lic_NonAccetto_txt", w.Lic_NonAccetto_txt.Visible()}, {"Lic_Accetto_txt", w.Lic_Accetto_txt.Visible()},
      {"SelPath", w.SelPath.Visible()}, {"lblStatus(0)", w.lblStatus(0).Visible()},
      {"lblStatus(1)", w.lblStatus(1).Visible()}, {"PrgIco", w.PrgIco.Visible()},
      {"Previous", w.Previous.Visible()}, {"Avanti_Blu", w.Avanti_Blu.Visible()},
      {"BrowseColor", w.BrowseColor.Visible()}};
  for (const auto& [name, visible] : hidden) EXPECT_FALSE(visible) << name;
  EXPECT_EQ(w.DeskShort.Value(), 1);
  EXPECT_EQ(w.AutoEsegui.Value(), 1);
  EXPECT_FALSE(w.Lic_Accetto.Value());
  EXPECT_TRUE(w.Lic_NonAccetto.Value());

  // Stacking: the greyed Back catches the clicks meant for the Back pictures,
  // the plain Exit those of its twin; the browse picture lies under the text
  // box on this page.
  int clicks[4] = {};
  w.Previous_Disabilitato.Click = [&] { ++clicks[0]; };
  w.Previus_Blu.Click = [&] { ++clicks[1]; };
  w.EndSetup.Click = [&] { ++clicks[2]; };
  w.EndSetup_giallo.Click = [&] { ++clicks[3]; };
  // A click in the middle of a place of the layout.
  const auto click = [&](const SetupLayout::Twips& at) {
    const LPARAM middle = MAKELPARAM((at.left + at.width / 2) / 15, (at.top + at.height / 2) / 15);
    PostMessageA(w.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, middle);
    PostMessageA(w.hwnd(), WM_LBUTTONUP, 0, middle);
    tk::DoEvents();
  };
  // A move over the face first: a move of the screen's real pointer that
  // Wine hands to the new window may have left a twin highlighted.
  PostMessageA(w.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(460, 150));
  tk::DoEvents();
  click(SetupLayout::Place(&FrmSetupWindow::Previous_Disabilitato));  // over Previous and Previus_Blu
  click(SetupLayout::Place(&FrmSetupWindow::EndSetup));               // over EndSetup_giallo
  EXPECT_EQ(clicks[0], 1);
  EXPECT_EQ(clicks[1], 0);
  EXPECT_EQ(clicks[2], 1);
  EXPECT_EQ(clicks[3], 0);
  // Of the shown child windows, the welcome text lies over the browse picture.
  const SetupLayout::Twips place = SetupLayout::Place(&FrmSetupWindow::Browse);
  POINT browse{place.left / 15 + 10, place.top / 15 + 10};
  EXPECT_EQ(ChildWindowFromPointEx(w.hwnd(), browse, CWP_SKIPINVISIBLE), w.Welcome.hwnd());

  // The shaped outline: the strip above the panel's rounded top corner and
  // the place right of the tab below the panel are cut away, the tab stays.
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(w.hwnd(), region), ERROR);
  EXPECT_FALSE(PtInRegion(region, 1, 1));
  EXPECT_TRUE(PtInRegion(region, 270, 200));
  EXPECT_FALSE(PtInRegion(region, 400, 380));
  EXPECT_TRUE(PtInRegion(region, 100, 380));
  DeleteObject(region);
}

TEST_F(WizardStart, NamesTheFirstMissingSetupFileAndEnds) {
  // Missing, and a hidden Licence.txt (a listing does not see it).
  DeleteFileA((work_->work() + "\\Setup.ftc").c_str());
  DeleteFileA((work_->work() + "\\MsVBvm50.dll").c_str());
  EXPECT_THROW(FrmSetup().Show(), tk::ProcessEnded);
  ASSERT_EQ(host_.boxes.size(), 1u);
  EXPECT_EQ(host_.boxes[0].text,
            "Impossibile trovare Setup.ftc. Il file è necessario per eseguire l'installazione.");
  EXPECT_EQ(host_.boxes[0].title, "Errore critico");
  EXPECT_EQ(host_.boxes[0].style, tk::vbCritical);
  EXPECT_EQ(host_.boxes[0].beepsBefore, 1);
  // The end of the program emptied the work folder.
  EXPECT_TRUE(testsupport::ListNames(work_->work() + "\\*").empty());
}

TEST_F(WizardStart, AHiddenSetupFileCountsAsMissing) {
  ASSERT_TRUE(SetFileAttributesA((work_->work() + "\\Licence.txt").c_str(), FILE_ATTRIBUTE_HIDDEN));
  EXPECT_THROW(FrmSetup().Show(), tk::ProcessEnded);
  ASSERT_EQ(host_.boxes.size(), 1u);
  EXPECT_EQ(host_.boxes[0].text,
            "Impossibile trovare Licence.txt. Il file è necessario per eseguire l'installazione.");
}

TEST_F(WizardStart, AsksInSafeModeAndEndsOnCancel) {
  host_.safeModeMetric = 1;
  host_.answers = {tk::vbOK};
  FrmSetup().Show();
  ASSERT_EQ(host_.boxes.size(), 1u);
  EXPECT_EQ(host_.boxes[0].text, "Windows è in modalità provvisoria. Continuare comunque con l'installazione?");
  EXPECT_EQ(host_.boxes[0].style, tk::vbOKCancel | tk::vbExclamation);
  EXPECT_EQ(host_.boxes[0].title, "Setup");
  EXPECT_EQ(host_.boxes[0].beepsBefore, 1);
  EXPECT_EQ(SetupInfo.SoftwareHouseName, "Velmarind");
  FrmSetup().Unload();

  host_.boxes.clear();
  host_.safeModeMetric = 2;
  host_.answers = {tk::vbCancel};
  SetupInfo = {};
  EXPECT_THROW(FrmSetup().Show(), tk::ProcessEnded);
  EXPECT_EQ(host_.boxes.size(), 1u);
  EXPECT_EQ(SetupInfo.SoftwareHouseName, "");
}

// Settings that cannot be read: the start-up failure, then the end of the
// program as for a missing setup file, before the wizard is shown.
TEST_F(WizardStart, SettingsThatCannotBeReadEndTheProgramBeforeTheWizardShows) {
  std::string binary;
  for (int i = 0; i < 512; ++i) binary += static_cast<char>((i * 37) % 256 == 10 ? 0 : (i * 37) % 256);
  const struct {
    std::string dip, title;
  } cases[] = {
      {testsupport::SetupDipText({"Demo", "d", "Casa", "Gruppo", "1"}), "Casa setup"},  // five lines
      {binary, ""},
  };
  for (const auto& c : cases) {
    SetupInfo = {};
    host_.boxes.clear();
    CreateDirectoryA(work_->work().c_str(), nullptr);  // the end of the round before removed it
    ASSERT_TRUE(work_->WriteSetupFiles());
    ASSERT_TRUE(work_->Write("Setup.dip", c.dip));
    ASSERT_TRUE(work_->Write("Welcome.txt", "Benvenuti in @ !"));
    EXPECT_THROW(FrmSetup().Show(), tk::ProcessEnded);
    ASSERT_EQ(host_.boxes.size(), 1u);
    EXPECT_EQ(host_.boxes[0].text, "Errore critico di installazione #410#.");
    if (!c.title.empty()) {
      EXPECT_EQ(host_.boxes[0].title, c.title);
    }
    EXPECT_EQ(host_.boxes[0].style, tk::vbCritical);
    EXPECT_EQ(host_.boxes[0].beepsBefore, 1);
    EXPECT_FALSE(FrmSetup().hwnd() && IsWindowVisible(FrmSetup().hwnd())) << "the wizard was shown";
    EXPECT_TRUE(testsupport::ListNames(work_->work() + "\\*").empty()) << "the work folder was not emptied";
    FrmSetup().Unload();
  }
}

TEST_F(WizardStart, ProposesTheFolderByTheWindowsVersion) {
  const std::string programFiles = SpecialFolder::GetSpecialFolder(Csidl::ProgramFiles);
  ASSERT_FALSE(programFiles.empty());
  host_.overrideVersion = true;
  host_.version = {true, 5, 1, 2600, 2};
  FrmSetup().Show();
  EXPECT_EQ(WinMajor, 5);
  EXPECT_EQ(SetupInfo.InstallDir, programFiles + "\\Demo");
  FrmSetup().Unload();

  host_.version = {true, 6, 1, 7601, 2};
  FrmSetup().Show();
  EXPECT_EQ(SetupInfo.InstallDir, programFiles.substr(0, 2) + "\\Demo");
}

// The wizard as the installation's setup view: the engine's progress goes
// into the status labels, the progress boxes, the timer, the quit pictures
// and the please-wait window; the two check boxes answer its questions.
TEST_F(WizardStart, TheSetupViewWritesTheWindowsControls) {
  FrmSetupWindow& w = FrmSetup();
  w.Show();
  SetupView& view = FrmSetupView();

  view.ShowCopyCaption("Copia di demo.exe");
  view.ShowBytesCopied("Bytes copiati: 32.000");
  EXPECT_EQ(w.lblStatus(0).Caption(), "Copia di demo.exe");
  EXPECT_EQ(w.lblStatus(1).Caption(), "Bytes copiati: 32.000");

  const uint64_t file = w.picStatus(0).Revision();
  view.DrawProgress(1, 37, 100);
  view.DrawProgress(2, 50, 100);  // no such bar
  view.DrawProgress(-1, 50, 100);
  EXPECT_EQ(w.picStatus(0).Revision(), file);
  EXPECT_EQ(w.picStatus(1).BorderStyle(), 0);
  EXPECT_EQ(w.picStatus(1).Point(10 * 15.0, 10 * 15.0), 0x000000u);  // inside the bar
  EXPECT_EQ(w.picStatus(1).Point(200 * 15.0, 10 * 15.0), 0xFFFFFFu);  // beyond it

  w.tmrTime.SetEnabled(true);
  view.StopClock();
  EXPECT_FALSE(w.tmrTime.Enabled());
  view.DisableQuitPictures();
  EXPECT_FALSE(w.EndSetup.Enabled() || w.EndSetup_giallo.Enabled() || w.ESCI_ORA.Enabled());

  view.ShowPleaseWait();
  EXPECT_TRUE(FrmRegistry().Loaded());
  view.SetPleaseWaitCaption("Creazione del gruppo di icone...");
  view.RefreshPleaseWait();
  EXPECT_EQ(FrmRegistry().Attesa.Caption(), "Creazione del gruppo di icone...");
  view.UnloadPleaseWait();
  EXPECT_FALSE(FrmRegistry().Loaded());

  EXPECT_EQ(view.AutoEseguiValue(), 1);
  EXPECT_EQ(view.DeskShortValue(), 1);
  w.AutoEsegui.SetValue(2);
  w.DeskShort.SetValue(0);
  EXPECT_EQ(view.AutoEseguiValue(), 2);
  EXPECT_EQ(view.DeskShortValue(), 0);
}

}  // namespace
