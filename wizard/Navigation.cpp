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
#include "wizard/Pages.h"
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

}  // namespace

void FrmSetupWindow::ShowStep(int16_t& step) {
  Form_MouseMove(0, 0, 0, 0);
  // Only the drive report disables the Next picture, for its own page: any
  // other page (the folder page a failed report sends the user back to
  // among them) takes clicks on it again.
  NextStep.SetEnabled(true);
  for (;;) {
    switch (step) {
      case 0: {
        Hourglass busy;
        Previous_Disabilitato.SetVisible(true);
        NextStep.SetVisible(true);
        Lic_Accetto.SetVisible(false);
        Lic_Accetto_txt.SetVisible(false);
        Lic_NonAccetto.SetVisible(false);
        Lic_NonAccetto_txt.SetVisible(false);
        Lic_Accetto.SetValue(false);
        Lic_NonAccetto.SetValue(true);
        PrgGroup.SetVisible(false);
        SelPath.SetVisible(false);
        CopyPath.SetVisible(false);
        PrgIco.SetVisible(false);
        Browse.SetVisible(false);
        // The whole start-up again: the settings file's folder and group
        // replace the user's entries.
        Form_Load();
        Welcome.SetTop(1290);
        Welcome.SetHeight(3165);
        Welcome.SetVisible(true);
        return;
      }
      case 1: {
        Hourglass busy;
        Lic_Accetto.SetVisible(true);
        Lic_Accetto_txt.SetVisible(true);
        Lic_NonAccetto.SetVisible(true);
        Lic_NonAccetto_txt.SetVisible(true);
        PrgGroup.SetVisible(false);
        SelPath.SetVisible(false);
        CopyPath.SetVisible(false);
        PrgIco.SetVisible(false);
        Browse.SetVisible(false);
        Welcome.SetText(LicenceText());
        Welcome.SetTop(1290);
        Welcome.SetHeight(2640);
        Welcome.SetVisible(true);
        return;
      }
      case 2: {
        Hourglass busy;
        Lic_Accetto.SetVisible(false);
        Lic_Accetto_txt.SetVisible(false);
        Lic_NonAccetto.SetVisible(false);
        Lic_NonAccetto_txt.SetVisible(false);
        ErroreSpazio.SetText("");
        ErroreSpazio.SetVisible(false);
        PrgGroup.SetVisible(false);
        SelPath.SetCaption(Pages::FolderInstruction);
        SelPath.SetVisible(true);
        CopyPath.SetVisible(true);
        PrgIco.SetVisible(false);
        SetupInfo.InstallDir = Trimmed(SetupInfo.InstallDir);
        CopyPath.SetText(SetupInfo.InstallDir);
        Browse.SetVisible(true);
        BrowseColor.SetVisible(false);
        Welcome.SetTop(1290);
        Welcome.SetVisible(false);
        return;
      }
      case 3: {
        Hourglass busy;
        SetupInfo.InstallDir = CopyPath.Text();
        // Only when coming forward from the folder page: back from page 4
        // the folder box is hidden and the folder was checked already.
        if (CopyPath.Visible() && CheckTargetPath(SetupInfo.InstallDir)) {
          step = 2;
          CopyPath.SetFocus();
          continue;  // the folder page again, with the cleaned-up folder
        }
        DeskShort.SetVisible(false);
        DeskShort_txt.SetVisible(false);
        AutoEsegui.SetVisible(false);
        AutoEsegui_txt.SetVisible(false);
        PrgIco.SetVisible(false);
        PrgGroup.SetVisible(false);
        CopyPath.SetText(SetupInfo.InstallDir);
        ErroreSpazio.SetTop(2500);
        ErroreSpazio.SetText("");
        ErroreSpazio.SetVisible(true);
        Welcome.SetVisible(true);
        NextStep.SetEnabled(true);
        const std::string folder = CopyPath.Text();
        HD_Info::DriveInfoReport(folder.substr(0, 1) + ":\\", SetupInfo.TotalBytes, Welcome);
        Welcome.SetHeight(3165);
        SelPath.SetVisible(false);
        CopyPath.SetVisible(false);
        PrgIco.SetVisible(false);
        Browse.SetVisible(false);
        BrowseColor.SetVisible(false);
        return;
      }
      case 4: {
        Hourglass busy;
        DeskShort.SetVisible(true);
        DeskShort_txt.SetVisible(true);
        AutoEsegui.SetVisible(true);
        AutoEsegui_txt.SetVisible(true);
        PrgIco.SetVisible(true);
        PrgIco.Move(PrgIco.Left(), 2610);
        ErroreSpazio.SetText("");
        ErroreSpazio.SetVisible(false);
        PrgGroup.SetVisible(true);
        PrgGroup.Clear();
        if (!ProgramManager::GetProgramGroup(1).empty()) {
          std::string name;
          int16_t index = 1;
          do {
            name = ProgramManager::GetProgramGroup(index);
            if (!name.empty()) PrgGroup.AddItem(name);
            ++index;
          } while (!name.empty() && index > 0);
        }
        PrgGroup.SetText(SetupInfo.ProgramGroup);
        SelPath.SetCaption(Pages::GroupInstruction);
        SelPath.SetVisible(true);
        CopyPath.SetVisible(false);
        Browse.SetVisible(false);
        BrowseColor.SetVisible(false);
        Welcome.SetVisible(false);
        return;
      }
      case 5: {
        Hourglass busy;
        DeskShort.SetVisible(false);
        DeskShort_txt.SetVisible(false);
        AutoEsegui.SetVisible(false);
        AutoEsegui_txt.SetVisible(false);
        PrgIco.SetVisible(false);
        SetupInfo.ProgramGroup = PrgGroup.Text();
        lblStatus(0).SetVisible(false);
        lblStatus(1).SetVisible(false);
        picStatus(0).SetVisible(false);
        picStatus(1).SetVisible(false);
        PrgGroup.SetVisible(false);
        SelPath.SetVisible(true);
        CopyPath.SetVisible(false);
        PrgIco.SetVisible(false);
        Browse.SetVisible(false);
        BrowseColor.SetVisible(false);
        Welcome.SetVisible(true);
        Welcome.SetText(Pages::SummaryText(CopyPath.Text(), PrgGroup.Text()));
        SelPath.SetCaption(Pages::SummaryInstruction);
        return;
      }
      case 6: {
        Hourglass busy;
        lblStatus(0).SetVisible(true);
        lblStatus(1).SetVisible(true);
        picStatus(0).SetVisible(true);
        picStatus(1).SetVisible(true);
        NextStep.SetVisible(false);
        Previous.SetVisible(false);
        Previus_Blu.SetVisible(false);
        PrgGroup.SetVisible(false);
        SelPath.SetVisible(false);
        CopyPath.SetVisible(false);
        PrgIco.SetVisible(false);
        Browse.SetVisible(false);
        BrowseColor.SetVisible(false);
        Welcome.SetVisible(false);
        return;
      }
      default: return;
    }
  }
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
