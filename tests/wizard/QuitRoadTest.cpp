// The wizard's quit roads in this process: the dialog shown modally and
// answered by a click that reaches it through its own message loop, the
// roll-back on scratch folders of the Wine prefix, the end of the process
// through the scripted host.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/BlockCopy.h"
#include "engine/SetupState.h"
#include "engine/SetupView.h"
#include "tests/support/PendingReplacements.h"
#include "tests/support/ScriptedHost.h"
#include "tests/support/WizardDriver.h"
#include "tests/support/WorkFolder.h"
#include "toolkit/Events.h"
#include "toolkit/Files.h"
#include "toolkit/Win.h"
#include "wizard/FrmQuit.h"
#include "wizard/FrmRegistry.h"
#include "wizard/FrmSetup.h"
#include "wizard/QuitRoad.h"
#include "wizard/TargetPath.h"

namespace {

using testsupport::Exists;
using testsupport::HeldOpen;
using testsupport::ListNames;
using testsupport::PendingRenamesAside;
using testsupport::ReadFileBytes;
using testsupport::RemoveTree;
using testsupport::ScratchWork;
using testsupport::ScriptedHost;
using testsupport::WininitAside;
using testsupport::WriteFileBytes;

// Answers the modal dialog: once its loop runs, a thread timer moves the
// mouse over the given places and clicks the last one, as posted messages
// of the dialog's window. Should the click miss, the dialog is unloaded
// after a while so that the test fails instead of waiting for ever.
class ModalAnswer {
 public:
  // Each place picks a control of the dialog once it is shown.
  using Place = const tk::FaceControl& (*)(FrmQuitWindow&);
  using Path = std::vector<Place>;

  // meanwhile runs inside the dialog's loop just before the mouse moves.
  explicit ModalAnswer(Path path, std::function<void()> meanwhile = {})
      : ModalAnswer(std::vector<Path>{std::move(path)}, std::move(meanwhile)) {}
  // One path for each time the dialog opens, in order; the last one also
  // answers any later opening.
  explicit ModalAnswer(std::vector<Path> paths, std::function<void()> meanwhile = {}) {
    paths_ = std::move(paths);
    meanwhile_ = std::move(meanwhile);
    answered_ = nullptr;
    shows_ = 0;
    ticks_ = 0;
    missed_ = false;
    timer_ = SetTimer(nullptr, 0, 10, &Tick);
  }
  ~ModalAnswer() { KillTimer(nullptr, timer_); }
  bool missed() const { return missed_; }
  // How many times the dialog opened.
  int shows() const { return shows_; }

 private:
  static LPARAM Centre(const tk::FaceControl& c) {
    const RECT r = c.PixelRect();
    return MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    FrmQuitWindow& q = FrmQuit();
    if (!q.Loaded()) return;
    if (q.hwnd() != answered_) {  // the dialog has opened (again)
      answered_ = q.hwnd();
      ticks_ = 0;
      const Path& path = paths_[std::min<size_t>(static_cast<size_t>(shows_), paths_.size() - 1)];
      if (shows_++ == 0 && meanwhile_) meanwhile_();
      for (Place place : path) PostMessageA(q.hwnd(), WM_MOUSEMOVE, 0, Centre(place(q)));
      const LPARAM at = Centre(path.back()(q));
      PostMessageA(q.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
      PostMessageA(q.hwnd(), WM_LBUTTONUP, 0, at);
    } else if (++ticks_ > 300) {
      missed_ = true;
      q.Unload();
    }
  }
  static inline std::vector<Path> paths_;
  static inline std::function<void()> meanwhile_;
  static inline HWND answered_ = nullptr;
  static inline int shows_ = 0;
  static inline int ticks_ = 0;
  static inline bool missed_ = false;
  UINT_PTR timer_ = 0;
};

const tk::FaceControl& Exit(FrmQuitWindow& q) { return q.EndSetup; }
const tk::FaceControl& ExitHighlighted(FrmQuitWindow& q) { return q.EndSetup_giallo; }
const tk::FaceControl& BackHighlighted(FrmQuitWindow& q) { return q.BackToSetup_Blu; }
const tk::FaceControl& Back(FrmQuitWindow& q) { return q.BackToSetup; }

const std::string kQuitMessage = "Installazione interrotta dall'Utente.";

// What the user sees of the roll-back, and when the message came.
struct RollBackWatch : ScriptedHost {
  bool waitShownAtMessage = false;
  bool listedFileThereAtMessage = false;
  std::string watchedFile;
  int ShowMessageBox(const std::string& text, int style, const std::string& title) override {
    waitShownAtMessage = FrmRegistry().Loaded();
    listedFileThereAtMessage = !watchedFile.empty() && Exists(watchedFile);
    return ScriptedHost::ShowMessageBox(text, style, title);
  }
};

// The caption of the please-wait window each time it is painted.
std::vector<std::string> g_waitPaints;
HHOOK g_hook = nullptr;
LRESULT CALLBACK WatchPaint(int code, WPARAM wp, LPARAM lp) {
  const auto* m = reinterpret_cast<const CWPSTRUCT*>(lp);
  if (code == HC_ACTION && m->message == WM_PAINT && FrmRegistry().Loaded() && m->hwnd == FrmRegistry().hwnd())
    g_waitPaints.push_back(FrmRegistry().Attesa.Caption());
  return CallNextHookEx(g_hook, code, wp, lp);
}

class QuitRoadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    work_ = std::make_unique<ScratchWork>("quit-tests", info->name());
    app_ = "C:\\quit-tests\\" + std::string(info->name()) + "-app";
    RemoveTree(app_);
    ASSERT_TRUE(CreateDirectoryA(app_.c_str(), nullptr));
    SourceDir = work_->work();
    SetCurrentDirectoryA(SourceDir.c_str());
    SetupInfo = {};
    SetupInfo.SoftwareHouseName = "Velmarind";
    InstallStarted = false;
    QuitConfirmed = false;
    RestartNeeded = false;
    RunCommand.clear();
    CopyUnderWay.clear();
    CopyUnderWayExisted = false;
  }
  void TearDown() override {
    FrmQuit().Unload();
    FrmRegistry().Unload();
    tk::Reset();
    InstallStarted = false;
    QuitConfirmed = false;
    CopyUnderWay.clear();
    work_.reset();
    RemoveTree(app_);
  }

  // Creates a file of the installation folder (and its folders).
  std::string Make(const std::string& relative) {
    const std::string path = app_ + "\\" + relative;
    for (size_t at = path.find('\\', app_.size() + 1); at != std::string::npos; at = path.find('\\', at + 1))
      CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    EXPECT_TRUE(WriteFileBytes(path, "dati"));
    return path;
  }
  std::string InApp(const std::string& relative) const { return app_ + "\\" + relative; }

  // Shows the wizard over a work folder with every setup file.
  void ShowWizard() {
    ASSERT_TRUE(work_->WriteSetupFiles());
    ASSERT_TRUE(work_->Write("Setup.dip", testsupport::SetupDipText({"Demo", "d", "Velmarind", "Demo", "1.0", "Demo",
                                                                     "1000", "Demo.exe", "", "", "Demo.ico"})));
    FrmSetup().Show();
    ASSERT_TRUE(FrmSetup().Loaded());
  }

  std::unique_ptr<ScratchWork> work_;
  std::string app_;
};

TEST_F(QuitRoadTest, BackLeavesEverythingAsItWas) {
  ScriptedHost host;
  InstallStarted = true;
  const std::string listed = Make("a.exe");
  ASSERT_TRUE(work_->Write("Uninstall.Tmp", listed + "\r\n"));
  CopyUnderWay = Make("partial.bin");

  {
    ModalAnswer answer({BackHighlighted});  // the dialog opens with it
    QuitRoad::EndSetup_Click();
    EXPECT_FALSE(answer.missed());
  }
  EXPECT_FALSE(QuitConfirmed);
  EXPECT_FALSE(FrmQuit().Loaded());

  {
    // Over Exit first, then the plain Back picture that this turns up.
    ModalAnswer answer({Exit, Back});
    int16_t cancel = 0;
    QuitRoad::Form_Unload(cancel);
    EXPECT_FALSE(answer.missed());
    EXPECT_EQ(cancel, 1);
  }
  EXPECT_FALSE(QuitConfirmed);
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_TRUE(Exists(listed));
  EXPECT_TRUE(Exists(CopyUnderWay));
  EXPECT_TRUE(Exists(SourceDir + "\\Uninstall.Tmp"));
}

TEST_F(QuitRoadTest, AQuitBeforeTheInstallationEndsWithoutRollBack) {
  RollBackWatch host;
  // A list left from elsewhere is not acted on before the installation.
  const std::string listed = Make("a.exe");
  ASSERT_TRUE(work_->Write("Uninstall.Tmp", listed + "\r\n"));
  ASSERT_TRUE(work_->Write("files\\payload.bin", "x"));

  {
    ModalAnswer answer({Exit});
    EXPECT_THROW(QuitRoad::EndSetup_Click(), tk::ProcessEnded);
    EXPECT_FALSE(answer.missed());
  }
  EXPECT_TRUE(QuitConfirmed);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].text, kQuitMessage);
  EXPECT_EQ(host.boxes[0].style, tk::vbCritical);
  EXPECT_EQ(host.boxes[0].title, "Velmarind setup");
  EXPECT_EQ(host.boxes[0].beepsBefore, 0);
  EXPECT_FALSE(host.waitShownAtMessage);
  EXPECT_FALSE(FrmQuit().Loaded());
  EXPECT_FALSE(FrmRegistry().Loaded());
  EXPECT_TRUE(Exists(listed));
  // The end of the program emptied the work folder.
  EXPECT_TRUE(ListNames(SourceDir + "\\*").empty());
}

TEST_F(QuitRoadTest, AQuitDuringTheCopyRollsBackWhatTheInstallationCreated) {
  RollBackWatch host;
  InstallStarted = true;

  const std::vector<std::string> listed = {
      Make("a.exe"),
      Make("sub\\b.dll"),            // its folder empties: removed
      Make("keep\\c.txt"),           // its folder keeps old.txt: stays
      Make("deep\\inner\\x.dat"),    // inner is removed, deep is not
      Make("twice\\y.dat"),
  };
  const std::vector<std::string> before = {Make("old.txt"), Make("keep\\old.txt")};
  // The interrupted copy, alone in a folder the copy made.
  CopyUnderWay = Make("new\\partial.bin");
  CopyUnderWayExisted = false;
  host.watchedFile = listed[0];

  // As the copy leaves them: the list and the half-written file open, under
  // numbers with a gap below them.
  ASSERT_EQ(tk::Open(SourceDir + "\\Uninstall.Tmp", tk::OpenMode::Output, 3), 0);
  for (const std::string& path : listed) ASSERT_EQ(tk::PrintLine(3, path), 0);
  ASSERT_EQ(tk::PrintLine(3, ""), 0);
  ASSERT_EQ(tk::Open(CopyUnderWay, tk::OpenMode::Binary, 5), 0);

  g_waitPaints.clear();
  g_hook = SetWindowsHookExA(WH_CALLWNDPROC, &WatchPaint, nullptr, GetCurrentThreadId());
  ASSERT_NE(g_hook, nullptr);
  {
    ModalAnswer answer({Exit, ExitHighlighted});  // through the highlighted twin
    EXPECT_THROW(QuitRoad::EndSetup_Click(), tk::ProcessEnded);
    EXPECT_FALSE(answer.missed());
  }
  UnhookWindowsHookEx(g_hook);

  // The message first, then the roll-back under the please-wait window.
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].text, kQuitMessage);
  EXPECT_EQ(host.boxes[0].title, "Velmarind setup");
  EXPECT_FALSE(host.waitShownAtMessage);
  EXPECT_TRUE(host.listedFileThereAtMessage);
  ASSERT_FALSE(g_waitPaints.empty());
  EXPECT_EQ(g_waitPaints.back(), "Annullamento dell'installazione...");
  EXPECT_FALSE(FrmRegistry().Loaded());

  for (const std::string& path : listed) EXPECT_FALSE(Exists(path)) << path;
  for (const std::string& path : before) EXPECT_TRUE(Exists(path)) << path;
  EXPECT_FALSE(Exists(CopyUnderWay));
  EXPECT_FALSE(Exists(InApp("new")));
  EXPECT_FALSE(Exists(InApp("sub")));
  EXPECT_FALSE(Exists(InApp("twice")));
  EXPECT_FALSE(Exists(InApp("deep\\inner")));
  EXPECT_TRUE(Exists(InApp("deep")));
  EXPECT_TRUE(Exists(InApp("keep")));
  EXPECT_EQ(ListNames(app_ + "\\*"), (std::vector<std::string>{"deep", "keep", "old.txt"}));
  EXPECT_FALSE(tk::IsOpen(3));
  EXPECT_FALSE(tk::IsOpen(5));
  EXPECT_TRUE(ListNames(SourceDir + "\\*").empty());
}

// A quit before the installation removes the folders that this run's
// folder check made and that are still empty: the installation folder and
// the empty ones made above it. A made folder that holds a file stays, and
// so do the folders that were there before.
TEST_F(QuitRoadTest, AQuitRemovesTheEmptyFoldersThisRunMade) {
  ScriptedHost host;
  host.answers = {tk::vbYes, tk::vbYes};
  std::string chosen = InApp("Velmarind\\Demo"), other = InApp("Altro\\Demo");
  ASSERT_FALSE(CheckTargetPath(chosen));
  ASSERT_FALSE(CheckTargetPath(other));
  ASSERT_TRUE(WriteFileBytes(InApp("Altro\\nota.txt"), "x"));

  {
    ModalAnswer answer({Exit});
    EXPECT_THROW(QuitRoad::EndSetup_Click(), tk::ProcessEnded);
    EXPECT_FALSE(answer.missed());
  }
  EXPECT_EQ(ListNames(app_ + "\\*"), std::vector<std::string>{"Altro"});
  EXPECT_EQ(ListNames(InApp("Altro\\*")), std::vector<std::string>{"nota.txt"});
}

TEST_F(QuitRoadTest, AnInterruptedCopyOverAnExistingFileKeepsItAndAMissingListStillEnds) {
  ScriptedHost host;
  InstallStarted = true;
  CopyUnderWay = Make("replaced.exe");
  CopyUnderWayExisted = true;

  {
    ModalAnswer answer({Exit});
    EXPECT_THROW(QuitRoad::EndSetup_Click(), tk::ProcessEnded);
    EXPECT_FALSE(answer.missed());
  }
  EXPECT_EQ(host.boxes.size(), 1u);
  EXPECT_TRUE(Exists(CopyUnderWay));
}

TEST_F(QuitRoadTest, TheSystemCloseBeforeTheInstallationEndsWithoutRollBack) {
  RollBackWatch host;
  const std::string listed = Make("a.exe");
  ASSERT_TRUE(work_->Write("Uninstall.Tmp", listed + "\r\n"));

  int16_t cancel = 0;
  {
    ModalAnswer answer({Exit});
    EXPECT_THROW(QuitRoad::Form_Unload(cancel), tk::ProcessEnded);
    EXPECT_FALSE(answer.missed());
  }
  EXPECT_EQ(cancel, 1);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].text, kQuitMessage);
  EXPECT_FALSE(host.waitShownAtMessage);
  EXPECT_FALSE(FrmRegistry().Loaded());
  EXPECT_TRUE(Exists(listed));
  EXPECT_TRUE(ListNames(SourceDir + "\\*").empty());
}

TEST_F(QuitRoadTest, ACloseCommandWhileTheDialogIsUpLeavesTheAnswerToTheExitRoad) {
  ScriptedHost host;
  InstallStarted = true;
  const std::string listed = Make("a.exe");
  ASSERT_TRUE(work_->Write("Uninstall.Tmp", listed + "\r\n"));

  int16_t cancel = 0;
  bool closeReturned = false;
  {
    ModalAnswer answer({Exit}, [&] {
      QuitRoad::Form_Unload(cancel);
      closeReturned = true;
    });
    EXPECT_THROW(QuitRoad::EndSetup_Click(), tk::ProcessEnded);
    EXPECT_FALSE(answer.missed());
  }
  EXPECT_TRUE(closeReturned);
  EXPECT_EQ(cancel, 1);
  EXPECT_EQ(host.boxes.size(), 1u);
  // The Exit road that opened the dialog rolled back.
  EXPECT_FALSE(Exists(listed));
}

}  // namespace

namespace {

// The wizard's Exit pictures and the system's close command reach the quit
// dialog; the program's own Unload closes the window without it.
TEST_F(QuitRoadTest, TheWizardsExitPicturesAndTheSystemCloseOpenTheDialog) {
  ScriptedHost host;
  ShowWizard();
  FrmSetupWindow& w = FrmSetup();
  for (tk::Image* picture : {&w.EndSetup, &w.EndSetup_giallo, &w.ESCI_ORA}) {
    ModalAnswer answer({Back});
    ASSERT_TRUE(picture->Click);
    picture->Click();
    EXPECT_FALSE(answer.missed());
    EXPECT_FALSE(QuitConfirmed);
  }
  {
    ModalAnswer answer({Back});
    SendMessageA(w.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(answer.missed());
  }
  EXPECT_TRUE(w.Loaded());
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_TRUE(w.Unload());
  EXPECT_FALSE(FrmQuit().Loaded());
}

// Once the installation has copied its payload (it disables the quit
// pictures through the wizard's setup view) no quit road leads to the quit
// dialog: the highlighted Exit that the resting mouse shows, the small close
// cross and the system's close command open nothing and take nothing away.
TEST_F(QuitRoadTest, AfterTheCopyTheQuitPicturesAndTheSystemCloseOpenNothing) {
  ScriptedHost host;
  ShowWizard();
  FrmSetupWindow& w = FrmSetup();
  w.Step = 6;
  w.ShowStep(w.Step);
  const RECT r = w.EndSetup.PixelRect();
  PostMessageA(w.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
  tk::DoEvents();
  EXPECT_TRUE(w.EndSetup_giallo.Visible() && !w.EndSetup.Visible());
  InstallStarted = true;
  FrmSetupView().DisableQuitPictures();

  ModalAnswer answer({Back});
  for (const tk::Image* picture : {&w.EndSetup_giallo, &w.ESCI_ORA}) {
    testsupport::ClickAt(w.hwnd(), {static_cast<int>(picture->Left()), static_cast<int>(picture->Top()),
                                    static_cast<int>(picture->Width()), static_cast<int>(picture->Height())});
    tk::DoEvents();
  }
  PostMessageA(w.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
  tk::DoEvents();
  EXPECT_EQ(answer.shows(), 0);
  EXPECT_FALSE(QuitConfirmed);
  EXPECT_TRUE(w.Loaded());
  EXPECT_TRUE(host.boxes.empty());
}

}  // namespace

namespace {

// A replacement that the copy deferred is cancelled by a confirmed quit on
// either road: no restart, no temporary copy, no line or pending rename of
// ours; what wininit.ini and the NT family's list held before stays.
TEST_F(QuitRoadTest, AConfirmedQuitCancelsTheDeferredReplacements) {
  ScriptedHost host;
  WininitAside wininit;
  PendingRenamesAside pendingRenames;
  // Another program's rename at the next start.
  const std::string otherNew = Make("other.000");
  ASSERT_TRUE(MoveFileExA(otherNew.c_str(), InApp("other.dll").c_str(),
                          MOVEFILE_DELAY_UNTIL_REBOOT | MOVEFILE_REPLACE_EXISTING));
  const auto pendingBefore = pendingRenames.Read();
  ASSERT_TRUE(pendingBefore);
  const std::string linesBefore = "[rename]\r\nC:\\other\\a.dll=C:\\other\\a.000\r\n";

  for (const bool exitRoad : {true, false}) {
    SCOPED_TRACE(exitRoad ? "Exit road" : "system close");
    // The Exit road finds no wininit.ini, the close road one with lines.
    if (!exitRoad) {
      ASSERT_TRUE(WriteFileBytes(wininit.path(), linesBefore));
    }
    InstallStarted = true;
    QuitConfirmed = false;
    // The first round's end removed the work folder and left it.
    CreateDirectoryA(SourceDir.c_str(), nullptr);
    CreateDirectoryA((SourceDir + "\\files").c_str(), nullptr);
    SetCurrentDirectoryA(SourceDir.c_str());
    ASSERT_TRUE(work_->Write("files\\Lib.dll", "nuovo"));
    const std::string target = Make("Lib.dll"), temp = InApp("Lib.000");
    {
      HeldOpen running(target);
      ASSERT_TRUE(running.held());
      ASSERT_FALSE(Gest_File::CopyFileWithProgress("files\\Lib.dll", target));
    }
    ASSERT_TRUE(RestartNeeded);
    ASSERT_TRUE(Exists(temp));
    ASSERT_NE(pendingRenames.Read(), pendingBefore);

    {
      ModalAnswer answer({Exit});
      int16_t cancel = 0;
      if (exitRoad) {
        EXPECT_THROW(QuitRoad::EndSetup_Click(), tk::ProcessEnded);
      } else {
        EXPECT_THROW(QuitRoad::Form_Unload(cancel), tk::ProcessEnded);
      }
      EXPECT_FALSE(answer.missed());
    }
    EXPECT_TRUE(host.restartRequests.empty());
    EXPECT_FALSE(RestartNeeded);
    EXPECT_FALSE(Exists(temp));
    EXPECT_EQ(ReadFileBytes(target), "dati");
    if (exitRoad) {
      EXPECT_FALSE(ReadFileBytes(wininit.path()));
    } else {
      EXPECT_EQ(ReadFileBytes(wininit.path()), linesBefore);
    }
    EXPECT_EQ(pendingRenames.Read(), pendingBefore);
  }
}

// A close command, or a click on the wizard's Exit, that arrives while the
// roll-back yields before its first deletion neither opens the dialog again
// nor stops the roll-back.
TEST_F(QuitRoadTest, ACloseCommandOrAnExitDuringTheRollBackIsPassedOver) {
  struct CloseAtTheMessage : ScriptedHost {
    int ShowMessageBox(const std::string& text, int style, const std::string& title) override {
      FrmSetupWindow& w = FrmSetup();
      PostMessageA(w.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
      testsupport::ClickAt(w.hwnd(), {static_cast<int>(w.EndSetup.Left()), static_cast<int>(w.EndSetup.Top()),
                                      static_cast<int>(w.EndSetup.Width()), static_cast<int>(w.EndSetup.Height())});
      return ScriptedHost::ShowMessageBox(text, style, title);
    }
  } host;
  ShowWizard();
  InstallStarted = true;
  const std::string listed = Make("a.exe");
  ASSERT_TRUE(work_->Write("Uninstall.Tmp", listed + "\r\n"));

  {
    // Were the dialog to open again, Back would answer it.
    ModalAnswer answer(std::vector<ModalAnswer::Path>{{Exit}, {Back}});
    EXPECT_THROW(QuitRoad::EndSetup_Click(), tk::ProcessEnded);
    EXPECT_FALSE(answer.missed());
    EXPECT_EQ(answer.shows(), 1);
  }
  EXPECT_TRUE(QuitConfirmed);
  EXPECT_EQ(host.boxes.size(), 1u);
  EXPECT_FALSE(Exists(listed));
  EXPECT_TRUE(FrmSetup().Unload());
}

}  // namespace
