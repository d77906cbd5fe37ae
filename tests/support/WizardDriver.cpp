#include "tests/support/WizardDriver.h"

#include <cmath>
#include <thread>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "tests/support/Wait.h"
#include "toolkit/Screen.h"
#include "wizard/SetupLayout.h"

namespace testsupport {
namespace {

using namespace std::chrono_literals;

using SetupLayout::Member;
using W = FrmSetupWindow;

// A control's place, as the wizard's layout gives it.
constexpr TwipsRect At(Member control) {
  const SetupLayout::Twips t = SetupLayout::Place(control);
  return {t.left, t.top, t.width, t.height};
}

// Whether the control is a child window of the wizard (the others are
// drawn on its face and cannot be seen from another process).
bool IsChildWindow(Member control) {
  return std::visit(
      [](auto pointer) {
        return std::is_base_of_v<tk::ChildControl, std::remove_reference_t<decltype(std::declval<W&>().*pointer)>>;
      },
      control);
}

// The quit dialog: its size and its Exit picture.
constexpr int kQuitWidth = 5220, kQuitHeight = 5400;
constexpr TwipsRect kQuitEndSetup{1905, 4695, 1470, 540};
constexpr TwipsRect kQuitBackToSetup{245, 4680, 1440, 510};

bool Near(int pixels, int twips, bool horizontal) {
  const int expected = horizontal ? tk::PixelsX(twips) : tk::PixelsY(twips);
  return std::abs(pixels - expected) <= 1;
}

struct ChildSearch {
  HWND form;
  TwipsRect rect;
  HWND found = nullptr;
  int distance = 0;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM lp) {
  auto* s = reinterpret_cast<ChildSearch*>(lp);
  if (GetParent(child) != s->form) return TRUE;
  RECT r;
  if (!GetWindowRect(child, &r)) return TRUE;
  POINT topLeft{r.left, r.top};
  if (!ScreenToClient(s->form, &topLeft)) return TRUE;
  if (!Near(topLeft.x, s->rect.left, true) || !Near(r.right - r.left, s->rect.width, true)) return TRUE;
  const int distance = std::abs(topLeft.y - tk::PixelsY(s->rect.top));
  if (!s->found || distance < s->distance) {
    s->found = child;
    s->distance = distance;
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
          if (WindowTitle(w) == SetupLayout::kCaption) wizard_ = w;
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
  // A page shows exactly the child windows that its row of the layout's
  // page table shows: the others are hidden, by it or by an earlier page;
  // those its own work may show or not ('w') are not looked at.
  std::vector<std::pair<const SetupLayout::PageShows*, bool>> windows;
  for (const SetupLayout::PageShows& row : SetupLayout::kPages)
    if (IsChildWindow(row.member)) windows.emplace_back(&row, Shown(At(row.member)));
  for (int page = 0; page <= 6; ++page) {
    bool matches = true;
    for (const auto& [row, shown] : windows)
      matches = matches && (row->pages[page] == 'w' || shown == (row->pages[page] == 'S'));
    if (!matches) continue;
    // The welcome, summary and drive-report pages (the last without a
    // warning) show the same boxes; the summary's text begins with an empty
    // line, the report's with its title.
    if (page == 0 || page == 3 || page == 5) {
      const std::string text = WelcomeText();
      if (text.rfind("\r\n", 0) == 0) return 5;
      if (text.rfind(" Informazioni sull'unit", 0) == 0) return 3;
      return 0;
    }
    return page;
  }
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

void WizardDriver::Next() const { ClickAt(wizard_, At(&W::NextStep)); }
void WizardDriver::Back() const { ClickAt(wizard_, At(&W::Previous)); }
void WizardDriver::Exit() const { ClickAt(wizard_, At(&W::EndSetup)); }
void WizardDriver::AcceptLicence() const { ClickAt(wizard_, At(&W::Lic_Accetto_txt)); }
void WizardDriver::ToggleDesktopLink() const { ClickAt(wizard_, At(&W::DeskShort_txt)); }
void WizardDriver::ToggleRunAfterInstall() const { ClickAt(wizard_, At(&W::AutoEsegui_txt)); }

bool WizardDriver::SetFolder(const std::string& folder) const {
  return SetTextOfWindow(ChildAt(wizard_, At(&W::CopyPath)), folder);
}
bool WizardDriver::SetGroup(const std::string& group) const {
  return SetTextOfWindow(ChildAt(wizard_, At(&W::PrgGroup)), group);
}
std::string WizardDriver::Folder() const { return TextOf(ChildAt(wizard_, At(&W::CopyPath))); }
std::string WizardDriver::Group() const { return TextOf(ChildAt(wizard_, At(&W::PrgGroup))); }
std::string WizardDriver::WelcomeText() const { return TextOf(ChildAt(wizard_, At(&W::Welcome))); }
int WizardDriver::DesktopLinkBox() const { return CheckOf(ChildAt(wizard_, At(&W::DeskShort))); }
int WizardDriver::RunAfterInstallBox() const { return CheckOf(ChildAt(wizard_, At(&W::AutoEsegui))); }

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
