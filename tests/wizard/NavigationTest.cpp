// The wizard's pages and the moves between them, in this process: Next,
// Back and Enter as the user gives them (clicks and keys posted to the
// window), the controls read back page by page.
#include <thread>
#include <vector>

#include "tests/support/Texts.h"
#include "tests/support/Wait.h"
#include "tests/wizard/NavigationTestFixture.h"
#include "toolkit/Screen.h"

namespace {

using navtest::WizardPages;

// What the user sees, by the controls the page switcher shows or hides
// (in the order of the layout's page table) and the Exit picture: S shown,
// - hidden.
std::string Shown(FrmSetupWindow& w) {
  std::string s;
  for (const SetupLayout::PageShows& row : SetupLayout::kPages) s += SetupLayout::Visible(w, row.member) ? 'S' : '-';
  return s + (w.EndSetup.Visible() ? 'S' : '-');
}

//   Welcome, SelPath, CopyPath, Browse and its twin, ErroreSpazio, licence x4, PrgGroup, PrgIco, check boxes and
//   labels x4, status x4, NextStep, disabled Back, Back and its twin, Exit. Page 3 with a drive that passes (no
//   warning to show), page 4 for a plain executable (nothing to run after the installation).
const char* const kPages[] = {
    "S" "----" "-" "----" "--" "----" "----" "SSS-" "S",  // 0: Back lies under the disabled Back
    "S" "----" "-" "SSSS" "--" "----" "----" "S-S-" "S",  // 1
    "-" "SSS-" "-" "----" "--" "----" "----" "S-S-" "S",  // 2
    "S" "----" "-" "----" "--" "----" "----" "S-S-" "S",  // 3
    "-" "S---" "-" "----" "SS" "SS--" "----" "S-S-" "S",  // 4
    "S" "S---" "-" "----" "--" "----" "----" "S-S-" "S",  // 5
    "-" "----" "-" "----" "--" "----" "SSSS" "----" "S",  // 6
};

// Every label the page shows stands whole in its box (but the one named),
// and every control with a face of its own is drawn with that face.
::testing::AssertionResult TextsStandWhole(FrmSetupWindow& w, tk::Label FrmSetupWindow::*except = nullptr) {
  for (const SetupLayout::Control& row : SetupLayout::kControls) {
    if (!SetupLayout::Visible(w, row.member) || row.member == SetupLayout::Member(except)) continue;
    ::testing::AssertionResult shown = ::testing::AssertionSuccess();
    if (auto* label = std::get_if<tk::Label FrmSetupWindow::*>(&row.member); label && !(w.**label).Caption().empty())
      shown = testsupport::ShowsItsCaptionWhole(w.**label);
    else if (row.font.face)
      shown = testsupport::DrawnWithItsFace({row.font.face, row.font.size, row.font.bold});
    if (!shown) return shown;
  }
  return ::testing::AssertionSuccess();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) return lines;
    start = end + 2;
  }
}

TEST_F(WizardPages, WalksForwardPageByPage) {
  EXPECT_TRUE(TextsStandWhole(w()));
  // Back on the welcome page hits the disabled Back picture.
  ClickBack();
  EXPECT_EQ(w().Step, 0);
  EXPECT_TRUE(w().Previous_Disabilitato.Visible());

  // The licence page, and the refusal.
  ClickNext();
  ASSERT_EQ(w().Step, 1);
  EXPECT_EQ(Shown(w()), kPages[1]);
  EXPECT_TRUE(TextsStandWhole(w()));
  EXPECT_EQ(w().Welcome.Text(), "Licenza d'uso\r\nRiga due");
  EXPECT_EQ(w().Welcome.Top(), 1290);
  EXPECT_EQ(w().Welcome.Height(), 2640);
  ClickNext();
  EXPECT_EQ(w().Step, 1);
  ASSERT_EQ(host_.boxes.size(), 1u);
  EXPECT_EQ(host_.boxes[0].text, "Per procedere OCCORRE accettare la LICENZA D'USO.");
  EXPECT_EQ(host_.boxes[0].style, tk::vbCritical);
  EXPECT_EQ(host_.boxes[0].title, "Velmarind Installer");
  EXPECT_EQ(Shown(w()), kPages[1]);
  Click(w().Lic_Accetto_txt);
  EXPECT_TRUE(w().Lic_Accetto.Value());
  EXPECT_FALSE(w().Lic_NonAccetto.Value());

  ClickNext();
  ASSERT_EQ(w().Step, 2);
  EXPECT_EQ(Shown(w()), kPages[2]);
  EXPECT_TRUE(TextsStandWhole(w()));
  EXPECT_EQ(w().SelPath.Caption(),
            "Occorre selezionare la cartella in cui si desidera installare l'applicazione. Fare clic sul pulsante "
            "di fianco al percorso per sfogliare le cartelle.");
  EXPECT_EQ(w().CopyPath.Text(), SetupInfo.InstallDir);
  EXPECT_FALSE(w().BrowseColor.Visible());

  w().CopyPath.SetText(target_ + "\\");
  ClickNext();
  ASSERT_EQ(w().Step, 3);
  EXPECT_EQ(Shown(w()), kPages[3]);
  EXPECT_TRUE(TextsStandWhole(w()));
  EXPECT_EQ(host_.boxes.size(), 1u) << "an empty folder is taken without a question";
  EXPECT_EQ(SetupInfo.InstallDir, target_);
  EXPECT_EQ(w().CopyPath.Text(), target_);
  EXPECT_NE(w().Welcome.Text().find("C:\\"), std::string::npos) << w().Welcome.Text();
  EXPECT_TRUE(w().NextStep.Enabled());
  // Low down over the report; report lines that wrap push it further down.
  EXPECT_GE(w().ErroreSpazio.Top(), 2500);

  ClickNext();
  ASSERT_EQ(w().Step, 4);
  EXPECT_EQ(Shown(w()), kPages[4]);
  EXPECT_TRUE(TextsStandWhole(w()));
  EXPECT_EQ(w().PrgGroup.Text(), "Velmarind Demo");
  EXPECT_EQ(w().PrgIco.Top(), 2610);
  EXPECT_EQ(w().SelPath.Caption(),
            "Digitare il nome del Gruppo di programmi in cui verranno create le icone, oppure scegliere un gruppo "
            "tra quelli già esistenti.");
  // The check box's label: twice back to the first state.
  Click(w().DeskShort_txt);
  EXPECT_EQ(w().DeskShort.Value(), 0);
  Click(w().DeskShort_txt);
  EXPECT_EQ(w().DeskShort.Value(), 1);

  w().PrgGroup.SetText("Gruppo scelto");
  ClickNext();
  ASSERT_EQ(w().Step, 5);
  EXPECT_EQ(Shown(w()), kPages[5]);
  // The summary's instruction takes six lines of its face where its box
  // holds four, on Windows as here: its last two lines are cut.
  EXPECT_TRUE(TextsStandWhole(w(), &FrmSetupWindow::SelPath));
  EXPECT_TRUE(testsupport::DrawnWithItsFace(w().SelPath.Font()));
  EXPECT_EQ(SetupInfo.ProgramGroup, "Gruppo scelto");
  EXPECT_EQ(w().Welcome.Text(), "\r\n  Percorso di installazione:\r\n     " + target_ +
                                    "\r\n\r\n  Gruppo di programmi:\r\n     Gruppo scelto");
  EXPECT_EQ(w().SelPath.Caption(),
            "Il programma di installazione ha tutte le informazioni necessarie per procedere con la copia dei "
            "file. Se si desidera rivedere o modificare qualche impostazione, fare clic su «Indietro»,  "
            "altrimenti fare clic su «Avanti» per iniziare la copia dei files.");

  // The progress page as Next past the summary builds it (without the
  // installation that would follow and end the process).
  w().Step = 6;
  w().ShowStep(w().Step);
  EXPECT_EQ(Shown(w()), kPages[6]);
  EXPECT_TRUE(TextsStandWhole(w()));
  EXPECT_EQ(tk::MousePointer(), tk::vbDefault);

  // Enter on the progress page does nothing.
  Enter(w().hwnd());
  EXPECT_EQ(w().Step, 6);
  EXPECT_EQ(host_.boxes.size(), 1u);

  // A page number outside the pages builds nothing.
  w().Step = 9;
  w().ShowStep(w().Step);
  EXPECT_EQ(Shown(w()), kPages[6]);
}

TEST_F(WizardPages, EnterMovesOnFromTheFormAndFromItsBoxes) {
  Enter(w().hwnd());
  ASSERT_EQ(w().Step, 1);
  Click(w().Lic_Accetto_txt);
  Enter(w().hwnd());
  ASSERT_EQ(w().Step, 2);

  // From the folder box, onto a drive that has too little room: Next is
  // disabled there, Enter still moves on.
  host_.diskNearlyFull = true;
  w().CopyPath.SetText(target_);
  ASSERT_TRUE(w().CopyPath.SetFocus());
  Enter(w().CopyPath.hwnd());
  ASSERT_EQ(w().Step, 3);
  EXPECT_FALSE(w().NextStep.Enabled());
  EXPECT_FALSE(w().ErroreSpazio.Text().empty());
  Click(w().NextStep);
  EXPECT_EQ(w().Step, 3) << "the disabled Next picture does not move on";
  Enter(w().hwnd());
  ASSERT_EQ(w().Step, 4);

  // From the combo box's text field, with an empty group: the summary's
  // sixth line is five blanks.
  w().PrgGroup.SetText("");
  ASSERT_TRUE(w().PrgGroup.SetFocus());
  Enter(GetFocus());
  ASSERT_EQ(w().Step, 5);
  const std::vector<std::string> lines = Lines(w().Welcome.Text());
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[5], "     ");
  EXPECT_EQ(SetupInfo.ProgramGroup, "");
}

TEST_F(WizardPages, TheNextPictureMovesOnAgainAfterADriveReportThatFailed) {
  host_.diskNearlyFull = true;
  GoToDriveReport();
  EXPECT_FALSE(w().NextStep.Enabled());

  // Back to the folder page, where another folder can be chosen: Next
  // takes the user on again (to a report that fails once more).
  ClickBack();
  ASSERT_EQ(w().Step, 2);
  EXPECT_TRUE(w().NextStep.Enabled());
  ClickNext();
  ASSERT_EQ(w().Step, 3);
  EXPECT_FALSE(w().NextStep.Enabled());

  // Past the report by Enter: the group and summary pages take clicks.
  Enter(w().hwnd());
  ASSERT_EQ(w().Step, 4);
  EXPECT_TRUE(w().NextStep.Enabled());
  ClickNext();
  EXPECT_EQ(w().Step, 5);
  EXPECT_TRUE(w().NextStep.Enabled());

  // Back to the welcome page and forward: every page before the report too.
  for (int step = 5; step > 0; --step) ClickBack();
  ASSERT_EQ(w().Step, 0);
  EXPECT_TRUE(w().NextStep.Enabled());
  ClickNext();
  EXPECT_EQ(w().Step, 1);
}

TEST_F(WizardPages, BackFromTheGroupPageMakesNoFolderCheckAndPageZeroStartsAgain) {
  // A folder holding a file: leaving the folder page asks whether to overwrite.
  ASSERT_TRUE(testsupport::WriteFileBytes(target_ + "\\vecchio.txt", "x"));
  GoToFolderPage();
  w().CopyPath.SetText(target_);
  host_.answers = {tk::vbYes};
  ClickNext();
  ASSERT_EQ(w().Step, 3);
  ASSERT_EQ(host_.boxes.size(), 1u);
  EXPECT_EQ(host_.boxes[0].style & 0xF, tk::vbYesNo);
  ClickNext();
  ASSERT_EQ(w().Step, 4);
  w().PrgGroup.SetText("Altro gruppo");

  ClickBack();
  ASSERT_EQ(w().Step, 3);
  EXPECT_EQ(host_.boxes.size(), 1u) << "no second folder check";
  EXPECT_EQ(w().CopyPath.Text(), target_);
  EXPECT_FALSE(w().ErroreSpazio.Visible()) << "no warning to show";
  EXPECT_NE(w().Welcome.Text().find("C:\\"), std::string::npos);

  ClickBack();
  ASSERT_EQ(w().Step, 2);
  EXPECT_EQ(w().CopyPath.Text(), target_);
  ClickBack();
  ASSERT_EQ(w().Step, 1);
  EXPECT_TRUE(w().Lic_Accetto.Value()) << "the licence choice survives";
  // The settings file now names a database application, run after the
  // installation: page 0 reads it again.
  ASSERT_TRUE(work_->Write("Setup.dip", testsupport::SetupDipText({"Velmarind Demo v.1.0", "descrizione",
                                                                   "Velmarind", "Velmarind Demo", "1.0", "Demo",
                                                                   "1048576", "", "Demo.mde", "Demo.mdw",
                                                                   "Demo.ico"})));
  ClickBack();
  ASSERT_EQ(w().Step, 0);
  EXPECT_EQ(Shown(w()), kPages[0]);
  EXPECT_EQ(w().Welcome.Text(), "Benvenuti in Velmarind Demo v.1.0 !");
  EXPECT_FALSE(w().Lic_Accetto.Value());
  EXPECT_TRUE(w().Lic_NonAccetto.Value());

  // Forward again: the settings file's folder and group, not the user's.
  ClickNext();
  ClickNext();
  EXPECT_EQ(w().Step, 1) << "the licence is asked for again";
  Click(w().Lic_Accetto_txt);
  ClickNext();
  ASSERT_EQ(w().Step, 2);
  EXPECT_NE(w().CopyPath.Text(), target_);
  EXPECT_EQ(w().CopyPath.Text().substr(w().CopyPath.Text().size() - 5), "\\Demo");
  w().CopyPath.SetText(target_);
  host_.answers = {tk::vbYes};
  ClickNext();
  ClickNext();
  ASSERT_EQ(w().Step, 4);
  EXPECT_EQ(w().PrgGroup.Text(), "Velmarind Demo");
  // The run-after-install box and its label, shown; a greyed box becomes
  // ticked by its label.
  EXPECT_TRUE(w().AutoEsegui.Visible());
  EXPECT_TRUE(w().AutoEsegui_txt.Visible());
  w().AutoEsegui.SetValue(2);
  Click(w().AutoEsegui_txt);
  EXPECT_EQ(w().AutoEsegui.Value(), 1);
}

TEST_F(WizardPages, ARejectedFolderOrGroupStaysOnItsPage) {
  GoToFolderPage();
  w().CopyPath.SetText("  C:\\dove*finisce\\\\  ");
  ClickNext();
  EXPECT_EQ(w().Step, 2);
  ASSERT_EQ(host_.boxes.size(), 1u);
  EXPECT_EQ(host_.boxes[0].text, "Il percorso contiene caratteri NON consentiti.");
  EXPECT_EQ(Shown(w()), kPages[2]);
  EXPECT_EQ(w().CopyPath.Text(), "C:\\dove*finisce");
  EXPECT_TRUE(w().CopyPath.HasFocus());
  EXPECT_EQ(tk::MousePointer(), tk::vbDefault);

  // A group the Programs menu cannot hold: the options page stays as the
  // user left it.
  w().CopyPath.SetText(target_);
  ClickNext();
  ClickNext();
  ASSERT_EQ(w().Step, 4);
  w().PrgGroup.SetText("Giochi/Utilità: \"nuovi\"");
  w().DeskShort.SetValue(0);
  ClickNext();
  EXPECT_EQ(w().Step, 4);
  ASSERT_EQ(host_.boxes.size(), 2u);
  EXPECT_EQ(host_.boxes[1].text, "Il percorso contiene caratteri NON consentiti.");
  EXPECT_EQ(host_.boxes[1].style, tk::vbExclamation);
  EXPECT_EQ(host_.boxes[1].title, "Velmarind setup");
  EXPECT_EQ(host_.boxes[1].beepsBefore, 1);
  EXPECT_EQ(Shown(w()), kPages[4]);
  EXPECT_EQ(w().PrgGroup.Text(), "Giochi/Utilità: \"nuovi\"");
  EXPECT_EQ(w().DeskShort.Value(), 0);
  EXPECT_TRUE(w().PrgGroup.HasFocus());
  EXPECT_EQ(tk::MousePointer(), tk::vbDefault);
  w().PrgGroup.SetText("Giochi\\Utilità nuovi");
  ClickNext();
  EXPECT_EQ(w().Step, 5);
  EXPECT_EQ(SetupInfo.ProgramGroup, "Giochi\\Utilità nuovi");
}

TEST_F(WizardPages, ASecondNextOrBackDuringAPageChangeIsDropped) {
  GoToFolderPage();
  // Next twice and Back, quicker than the page change: the folder check
  // still runs (and rejects), nothing passes over it.
  w().CopyPath.SetText("C:\\dove?");
  const LPARAM next = Middle(SetupLayout::Place(&FrmSetupWindow::NextStep));
  const LPARAM back = Middle(SetupLayout::Place(&FrmSetupWindow::Previous));
  for (LPARAM at : {next, next, back}) {
    PostMessageA(w().hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(w().hwnd(), WM_LBUTTONUP, 0, at);
  }
  tk::DoEvents();
  EXPECT_EQ(w().Step, 2);
  ASSERT_EQ(host_.boxes.size(), 1u);
  EXPECT_EQ(host_.boxes[0].text, "Il percorso contiene caratteri NON consentiti.");
  EXPECT_FALSE(w().ChangingPage());

  // The same with an acceptable folder ends on the drive report, not past it.
  w().CopyPath.SetText(target_);
  for (LPARAM at : {next, next}) {
    PostMessageA(w().hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(w().hwnd(), WM_LBUTTONUP, 0, at);
  }
  tk::DoEvents();
  EXPECT_EQ(w().Step, 3);
  EXPECT_EQ(Shown(w()), kPages[3]);

  // Enter during a change is dropped too.
  PostMessageA(w().hwnd(), WM_CHAR, 13, 1);
  ClickNext();
  EXPECT_EQ(w().Step, 4);
}

// The visible dialog of this process, if any.
struct DialogSearch {
  DWORD pid;
  HWND found;
};
BOOL CALLBACK FindOwnDialog(HWND h, LPARAM lp) {
  auto* search = reinterpret_cast<DialogSearch*>(lp);
  char cls[32] = {};
  DWORD pid = 0;
  GetWindowThreadProcessId(h, &pid);
  GetClassNameA(h, cls, sizeof cls);
  if (pid == search->pid && std::string(cls) == "#32770" && IsWindowVisible(h)) search->found = h;
  return search->found == nullptr;
}
BOOL CALLBACK CollectText(HWND h, LPARAM lp) {
  char text[256] = {};
  GetWindowTextA(h, text, sizeof text);
  *reinterpret_cast<std::string*>(lp) += std::string(text) + "\n";
  return TRUE;
}

// Waits for the folder-browse dialog of this process and presses one of its
// buttons; the texts of its controls, or "" when none came.
std::string AnswerBrowseDialog(int button) {
  DialogSearch search{GetCurrentProcessId(), nullptr};
  const auto found = [&] {
    EnumWindows(&FindOwnDialog, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  };
  if (!testsupport::WaitFor(found, std::chrono::seconds(10), std::chrono::milliseconds(20))) return "";
  std::string texts;
  EnumChildWindows(search.found, &CollectText, reinterpret_cast<LPARAM>(&texts));
  PostMessageA(search.found, WM_COMMAND, button, 0);
  return texts;
}

TEST_F(WizardPages, BrowseCancelledKeepsTheFolderAndAChosenOneIsTakenUnchecked) {
  GoToFolderPage();
  w().CopyPath.SetText("C:\\Scelto prima");
  std::string shown;
  std::thread cancel([&] { shown = AnswerBrowseDialog(IDCANCEL); });
  Click(w().Browse);
  cancel.join();
  EXPECT_NE(shown.find("Scegliere il percorso per l'installazione."), std::string::npos) << shown;
  EXPECT_EQ(w().CopyPath.Text(), "C:\\Scelto prima");

  // OK on the folder the dialog opens with: a real folder goes into the box,
  // and no check runs until Next.
  std::thread ok([&] { shown = AnswerBrowseDialog(IDOK); });
  MoveMouse(w().Browse);
  Click(w().BrowseColor);
  ok.join();
  ASSERT_FALSE(shown.empty());
  const std::string chosen = w().CopyPath.Text();
  EXPECT_NE(chosen, "C:\\Scelto prima");
  const DWORD attributes = GetFileAttributesA(chosen.c_str());
  EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES) << chosen;
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY) << chosen;
  EXPECT_TRUE(host_.boxes.empty());
  EXPECT_EQ(w().Step, 2);
}

}  // namespace
