// The wizard's pages and the moves between them: the page switcher, Next,
// Back, Enter, the licence and check-box caption labels and the folder
// browse dialog.
#include <memory>

#include "engine/Installation.h"
#include "engine/ProgramManager.h"
#include "engine/SetupState.h"
#include "toolkit/Events.h"
#include "toolkit/Files.h"
#include "toolkit/Host.h"
#include "toolkit/Owners.h"
#include "toolkit/Screen.h"
#include "toolkit/Win.h"
#include "wizard/FrmSetup.h"
#include "wizard/HD_Info.h"
#include "wizard/DriveReportText.h"
#include "wizard/Pages.h"
#include "wizard/SetupLayout.h"
#include "wizard/TargetPath.h"

namespace {

constexpr int kLicenceFile = 1;

// Marks a page change as under way for as long as it lives.
class PageChange {
 public:
  explicit PageChange(bool& flag) : flag_(flag) { flag_ = true; }
  ~PageChange() { flag_ = false; }
  PageChange(const PageChange&) = delete;
  PageChange& operator=(const PageChange&) = delete;

 private:
  bool& flag_;
};

// The hourglass while a page is built; the default pointer after it.
class Hourglass {
 public:
  Hourglass() { tk::SetMousePointer(tk::vbHourglass); }
  ~Hourglass() { tk::SetMousePointer(tk::vbDefault); }
  Hourglass(const Hourglass&) = delete;
  Hourglass& operator=(const Hourglass&) = delete;
};

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The whole licence text; "" when it cannot be read.
std::string LicenceText() {
  std::string text;
  if (tk::Open("Licence.txt", tk::OpenMode::Binary, kLicenceFile) != 0) return text;
  tk::FileNumberGuard licence(kLicenceFile);
  if (tk::ReadAll(kLicenceFile, text) != 0) text.clear();
  return text;
}

// What each page does beyond showing and placing its controls.
void PageWork(FrmSetupWindow& w, int16_t step) {
  switch (step) {
    case 0:
      w.Lic_Accetto.SetValue(false);
      w.Lic_NonAccetto.SetValue(true);
      // The whole start-up again: the settings file's folder and group
      // replace the user's entries.
      w.Form_Load();
      return;
    case 1: w.Welcome.SetText(LicenceText()); return;
    case 2:
      w.ErroreSpazio.SetText("");
      w.SelPath.SetCaption(Pages::FolderInstruction);
      SetupInfo.InstallDir = Trimmed(SetupInfo.InstallDir);
      w.CopyPath.SetText(SetupInfo.InstallDir);
      return;
    case 3: {
      w.CopyPath.SetText(SetupInfo.InstallDir);
      w.ErroreSpazio.SetTop(HD_Info::kWarningTopLow);
      w.ErroreSpazio.SetText("");
      const std::string folder = w.CopyPath.Text();
      HD_Info::DriveInfoReport(folder.substr(0, 1) + ":\\", SetupInfo.TotalBytes, w.Welcome);
      return;
    }
    case 4:
      w.ErroreSpazio.SetText("");
      w.PrgGroup.Clear();
      if (!ProgramManager::GetProgramGroup(1).empty()) {
        std::string name;
        int16_t index = 1;
        do {
          name = ProgramManager::GetProgramGroup(index);
          if (!name.empty()) w.PrgGroup.AddItem(name);
          ++index;
        } while (!name.empty() && index > 0);
      }
      w.PrgGroup.SetText(SetupInfo.ProgramGroup);
      w.SelPath.SetCaption(Pages::GroupInstruction);
      // Only a database application is started after the installation:
      // for any other the box would promise what never happens.
      w.AutoEsegui.SetVisible(!SetupInfo.MdeName.empty());
      w.AutoEsegui_txt.SetVisible(!SetupInfo.MdeName.empty());
      return;
    case 5:
      SetupInfo.ProgramGroup = w.PrgGroup.Text();
      w.Welcome.SetText(Pages::SummaryText(w.CopyPath.Text(), w.PrgGroup.Text()));
      w.SelPath.SetCaption(Pages::SummaryInstruction);
      return;
    default: return;
  }
}

}  // namespace

void FrmSetupWindow::ShowStep(int16_t& step) {
  Form_MouseMove(0, 0, 0, 0);
  // Only the drive report disables the Next picture, for its own page: any
  // other page (the folder page a failed report sends the user back to
  // among them) takes clicks on it again.
  SetNextEnabled(true);
  if (step < 0 || step > 6) return;
  Hourglass busy;
  // Leaving the folder page, the folder is checked before page 3 shows
  // anything: a rejected folder builds the folder page again, with the
  // cleaned-up folder. Back from page 4 the folder box is hidden and the
  // folder was checked already.
  if (step == 3) {
    SetupInfo.InstallDir = CopyPath.Text();
    if (CopyPath.Visible() && CheckTargetPath(SetupInfo.InstallDir)) {
      step = 2;
      CopyPath.SetFocus();
    }
  }
  // Leaving the options page, a group the Programs menu cannot hold keeps
  // the page as the user left it, with the focus in the group box.
  if (step == 5 && PrgGroup.Visible() && CheckProgramGroup(PrgGroup.Text())) {
    step = 4;
    PrgGroup.SetFocus();
    return;
  }
  SetupLayout::ShowControls(*this, step);
  PageWork(*this, step);
  SetupLayout::PlaceControls(*this, step);
}

void FrmSetupWindow::NextStep_Click() {
  // A click or Enter during the yields of a change under way would build
  // its page over the first one's and could pass over the folder check:
  // it is dropped.
  if (changingPage_) return;
  PageChange change(changingPage_);
  Previous_Disabilitato.SetVisible(false);
  Previous.SetVisible(true);
  if (Step == 1 && Lic_NonAccetto.Value()) {
    tk::MsgBox(Pages::LicenceRefused, Pages::LicenceRefusedStyle, Caption());
    return;
  }
  ++Step;
  ShowStep(Step);
  if (Step > 5) {
    Previous.SetVisible(false);
    Previous_Disabilitato.SetVisible(false);
    NextStep.SetVisible(false);
    tk::DoEvents();
    Gest_File::RunInstallation(FrmSetupView());
  }
}

void FrmSetupWindow::Previous_Click() {
  if (changingPage_) return;
  PageChange change(changingPage_);
  --Step;
  ShowStep(Step);
  if (Step > 0) NextStep.SetVisible(true);
  else Previous_Disabilitato.SetVisible(true);
}

void FrmSetupWindow::Form_KeyPress(int& keyAscii) {
  // Whether Next is enabled is not looked at: Enter moves on from a drive
  // report that has disabled the Next picture.
  if (keyAscii == 13 && (NextStep.Visible() || Avanti_Blu.Visible())) NextStep_Click();
}

void FrmSetupWindow::Lic_Accetto_txt_Click() {
  Lic_Accetto.SetValue(true);
  Lic_NonAccetto.SetValue(false);
}

void FrmSetupWindow::Lic_NonAccetto_txt_Click() {
  Lic_NonAccetto.SetValue(true);
  Lic_Accetto.SetValue(false);
}

void FrmSetupWindow::AutoEsegui_txt_Click() { AutoEsegui.SetValue(Pages::ToggledCheckValue(AutoEsegui.Value())); }

void FrmSetupWindow::DeskShort_txt_Click() { DeskShort.SetValue(Pages::ToggledCheckValue(DeskShort.Value())); }

void FrmSetupWindow::Browse_Click() {
  // COM for the browse dialog, for as long as it lives.
  const tk::ComApartment com;
  BROWSEINFOA info{};
  info.hwndOwner = hwnd();
  info.pidlRoot = nullptr;
  info.pszDisplayName = nullptr;
  info.lpszTitle = Pages::BrowseTitle;
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  info.lpfn = nullptr;
  info.lParam = 0;
  info.iImage = 0;
  const tk::ItemIdList chosen(::SHBrowseForFolderA(&info));
  if (!chosen) return;  // cancelled
  std::string buffer(512, ' ');
  if (!::SHGetPathFromIDListA(chosen.get(), buffer.data())) return;
  CopyPath.SetText(buffer.substr(0, buffer.find('\0')));
}
