#include "tests/support/WizardDriver.h"

#include <cmath>
#include <thread>
#include <vector>

#include "tests/support/Wait.h"
#include "toolkit/Screen.h"

namespace testsupport {
namespace {

using namespace std::chrono_literals;

// The wizard's controls, where FrmSetup lays them out.
constexpr TwipsRect kNextStep{1830, 4545, 1440, 510};
constexpr TwipsRect kPrevious{120, 4530, 1440, 510};
constexpr TwipsRect kEndSetup{4845, 4560, 1470, 480};
constexpr TwipsRect kLicAccettoTxt{420, 4050, 1440, 255};
constexpr TwipsRect kDeskShortTxt{850, 3345, 3600, 255};
constexpr TwipsRect kAutoEseguiTxt{850, 3780, 3600, 255};
// Windowed controls; the heights of Welcome and of the combo box vary, and
// the warning box's top and height follow the drive report.
constexpr TwipsRect kWelcome{120, 1290, 4275, -1};
constexpr TwipsRect kLicAccetto{180, 4020, 225, 255};
constexpr TwipsRect kCopyPath{255, 3150, 3270, 320};
constexpr TwipsRect kErroreSpazio{195, -1, 4005, -1};
constexpr TwipsRect kPrgGroup{630, 2670, 3780, -1};
constexpr TwipsRect kDeskShort{630, 3300, 195, 285};
constexpr TwipsRect kAutoEsegui{630, 3720, 195, 285};
constexpr TwipsRect kPicStatus0{255, 2820, 4095, 285};
// The quit dialog: its size and its Exit picture.
constexpr int kQuitWidth = 5220, kQuitHeight = 5400;
constexpr TwipsRect kQuitEndSetup{1905, 4695, 1470, 540};
constexpr TwipsRect kQuitBackToSetup{245, 4680, 1440, 510};

bool Near(int pixels, int twips, bool horizontal) {
  if (twips < 0) return true;
  const int expected = horizontal ? tk::PixelsX(twips) : tk::PixelsY(twips);
  return std::abs(pixels - expected) <= 1;
}

struct ChildSearch {
  HWND form;
  TwipsRect rect;
  HWND found = nullptr;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM lp) {
  auto* s = reinterpret_cast<ChildSearch*>(lp);
  if (GetParent(child) != s->form) return TRUE;
  RECT r;
  if (!GetWindowRect(child, &r)) return TRUE;
  POINT topLeft{r.left, r.top};
  if (!ScreenToClient(s->form, &topLeft)) return TRUE;
  if (Near(topLeft.x, s->rect.left, true) && Near(topLeft.y, s->rect.top, false) &&
      Near(r.right - r.left, s->rect.width, true) && Near(r.bottom - r.top, s->rect.height, false)) {
    s->found = child;
    return FALSE;
  }
  return TRUE;
}

LPARAM PointAt(const TwipsRect& rect) {
  const int x = tk::PixelsX(rect.left + rect.width / 2);
  const int y = tk::PixelsY(rect.top + rect.height / 2);
  return MAKELPARAM(x, y);
}

int CheckOf(HWND box) {
  if (!box) return -1;
  DWORD_PTR state = 0;
  if (!SendMessageTimeoutA(box, BM_GETCHECK, 0, 0, SMTO_NORMAL, 5000, &state)) return -1;
  return static_cast<int>(state);
}

bool SetTextOfWindow(HWND window, const std::string& text) {
  if (!window) return false;
  DWORD_PTR done = 0;
  return SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL, 5000,
                             &done) &&
         done == TRUE;
}

}  // namespace

void ClickAt(HWND form, const TwipsRect& rect) {
  const LPARAM at = PointAt(rect);
  PostMessageA(form, WM_MOUSEMOVE, 0, at);
  PostMessageA(form, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(form, WM_LBUTTONUP, 0, at);
}

HWND ChildAt(HWND form, const TwipsRect& rect) {
  ChildSearch search{form, rect};
  EnumChildWindows(form, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string TextOf(HWND window) {
  if (!window) return "";
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 5000, &length)) return "";
  std::vector<char> buffer(length + 1, '\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), SMTO_NORMAL,
                           5000, &copied))
    return "";
  return std::string(buffer.data(), copied);
}

bool WizardDriver::WaitWizard(std::chrono::milliseconds timeout) {
  return WaitFor(
      [&] {
        for (HWND w : program_.TopWindows(""))
          if (WindowTitle(w) == "Velmarind Installer") wizard_ = w;
        return wizard_ != nullptr;
      },
      timeout);
}

bool WizardDriver::Shown(const TwipsRect& rect) const {
  const HWND child = ChildAt(wizard_, rect);
  return child && IsWindowVisible(child);
}

int WizardDriver::Page() const {
  if (!wizard_ || !IsWindow(wizard_)) return -1;
  const bool welcome = Shown(kWelcome), licence = Shown(kLicAccetto), folder = Shown(kCopyPath),
             report = Shown(kErroreSpazio), group = Shown(kPrgGroup), desk = Shown(kDeskShort),
             progress = Shown(kPicStatus0);
  const auto only = [&](std::initializer_list<bool> wanted) {
    int shown = welcome + licence + folder + report + group + desk + progress;
    int expected = 0;
    for (bool w : wanted) {
      if (!w) return false;
      ++expected;
    }
    return shown == expected;
  };
  if (only({progress})) return 6;
  if (only({group, desk})) return 4;
  if (only({welcome, report})) return 3;
  if (only({folder})) return 2;
  if (only({welcome, licence})) return 1;
  if (only({welcome})) return WelcomeText().rfind("\r\n", 0) == 0 ? 5 : 0;
  return -1;
}

bool WizardDriver::WaitPage(int page, std::chrono::milliseconds timeout) const {
  // The page's controls show before its handler has quite ended: let the
  // wizard's thread come back to its message loop, then look again.
  return WaitFor(
      [&] {
        if (Page() != page) return false;
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(wizard_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
        std::this_thread::sleep_for(200ms);
        return Page() == page;
      },
      timeout);
}

void WizardDriver::Next() const { ClickAt(wizard_, kNextStep); }
void WizardDriver::Back() const { ClickAt(wizard_, kPrevious); }
void WizardDriver::Exit() const { ClickAt(wizard_, kEndSetup); }
void WizardDriver::AcceptLicence() const { ClickAt(wizard_, kLicAccettoTxt); }
void WizardDriver::ToggleDesktopLink() const { ClickAt(wizard_, kDeskShortTxt); }
void WizardDriver::ToggleRunAfterInstall() const { ClickAt(wizard_, kAutoEseguiTxt); }

bool WizardDriver::SetFolder(const std::string& folder) const {
  return SetTextOfWindow(ChildAt(wizard_, kCopyPath), folder);
}
bool WizardDriver::SetGroup(const std::string& group) const {
  return SetTextOfWindow(ChildAt(wizard_, kPrgGroup), group);
}
std::string WizardDriver::Folder() const { return TextOf(ChildAt(wizard_, kCopyPath)); }
std::string WizardDriver::Group() const { return TextOf(ChildAt(wizard_, kPrgGroup)); }
std::string WizardDriver::WelcomeText() const { return TextOf(ChildAt(wizard_, kWelcome)); }
int WizardDriver::DesktopLinkBox() const { return CheckOf(ChildAt(wizard_, kDeskShort)); }
int WizardDriver::RunAfterInstallBox() const { return CheckOf(ChildAt(wizard_, kAutoEsegui)); }

HWND WizardDriver::WaitQuitDialog(std::chrono::milliseconds timeout) const {
  HWND dialog = nullptr;
  WaitFor(
      [&] {
        for (HWND w : program_.TopWindows("")) {
          RECT client;
          if (WindowTitle(w).empty() && GetClientRect(w, &client) && Near(client.right, kQuitWidth, true) &&
              Near(client.bottom, kQuitHeight, false))
            dialog = w;
        }
        return dialog != nullptr;
      },
      timeout);
  return dialog;
}

void WizardDriver::ConfirmQuit(HWND dialog) { ClickAt(dialog, kQuitEndSetup); }
void WizardDriver::BackFromQuit(HWND dialog) { ClickAt(dialog, kQuitBackToSetup); }

}  // namespace testsupport
