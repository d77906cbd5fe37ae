// The quit dialog in this process: its first state, its hover swaps as the
// mouse messages reach it, and the drag from its face.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/Texts.h"
#include "toolkit/Screen.h"
#include "toolkit/Win.h"
#include "wizard/FrmQuit.h"

namespace {

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// The middle of a control, in client pixels.
LPARAM Centre(const tk::FaceControl& c) {
  const RECT r = c.PixelRect();
  return At((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void MoveTo(LPARAM where) { SendMessageA(FrmQuit().hwnd(), WM_MOUSEMOVE, 0, where); }

struct Shown {
  bool EndSetup, EndSetup_giallo, BackToSetup, BackToSetup_Blu;
  bool operator==(const Shown&) const = default;
};

Shown ButtonsShown() {
  const FrmQuitWindow& q = FrmQuit();
  return {q.EndSetup.Visible(), q.EndSetup_giallo.Visible(), q.BackToSetup.Visible(), q.BackToSetup_Blu.Visible()};
}

std::ostream& operator<<(std::ostream& os, const Shown& s) {
  return os << "EndSetup " << s.EndSetup << ", EndSetup_giallo " << s.EndSetup_giallo << ", BackToSetup "
            << s.BackToSetup << ", BackToSetup_Blu " << s.BackToSetup_Blu;
}

// A place of the face where no control lies.
const LPARAM kBareFace = At(340, 352);

class QuitDialog : public ::testing::Test {
 protected:
  void TearDown() override { FrmQuit().Unload(); }
};

TEST_F(QuitDialog, OpensInItsCreatedStateEachTime) {
  FrmQuitWindow& q = FrmQuit();
  for (int round = 0; round < 2; ++round) {
    q.Show();
    ASSERT_TRUE(q.Loaded());

    const LONG style = GetWindowLongA(q.hwnd(), GWL_STYLE);
    EXPECT_TRUE(style & WS_BORDER);
    EXPECT_NE(style & WS_CAPTION, WS_CAPTION);
    EXPECT_FALSE(style & WS_SYSMENU);
    EXPECT_EQ(q.Caption(), "");
    RECT client{}, window{};
    GetClientRect(q.hwnd(), &client);
    GetWindowRect(q.hwnd(), &window);
    EXPECT_EQ(client.right, 5220 / 15);
    EXPECT_EQ(client.bottom, 5400 / 15);
    EXPECT_EQ(window.right - window.left, 350);
    EXPECT_EQ(window.bottom - window.top, 362);
    EXPECT_NEAR((window.left + window.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((window.top + window.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    EXPECT_EQ(q.BackColor(), RGB(0, 0, 128));

    // The outline: the top row and the rounded top corners are cut away,
    // the bottom runs past the window.
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(q.hwnd(), rgn), ERROR);
    EXPECT_FALSE(PtInRegion(rgn, 175, 0));
    EXPECT_FALSE(PtInRegion(rgn, 1, 2));
    EXPECT_TRUE(PtInRegion(rgn, 175, 1));
    EXPECT_TRUE(PtInRegion(rgn, 1, 361));
    EXPECT_TRUE(PtInRegion(rgn, 347, 361));
    DeleteObject(rgn);

    struct LabelRow {
      const tk::Label* label;
      const char* caption;
      double left, top, width, height;
      tk::Color color;
    };
    const std::vector<LabelRow> labels = {
        {&q.Label5, "FINE INSTALLAZIONE", 150, 150, 2592, 255, RGB(0, 0, 0)},
        {&q.Label4, " Fare clic su «Indietro» per continuare l'installazione, oppure su «Uscita» per terminare.", 270,
         3060, 4500, 495, RGB(255, 255, 255)},
        {&q.Label3, "Occorrerà eseguire nuovamente l'intera procedura di installazione dell'applicazione.", 225, 2190,
         4500, 495, RGB(255, 255, 255)},
        {&q.Label2, "Se si desidera uscire adesso dall'installazione, l'applicazione non sarà installata.", 210, 1290,
         4500, 525, RGB(255, 255, 255)},
        {&q.Label1, "L'installazione non è completa.", 225, 690, 4500, 495, RGB(255, 255, 255)},
    };
    for (const LabelRow& row : labels) {
      SCOPED_TRACE(row.caption);
      EXPECT_EQ(row.label->Caption(), row.caption);
      EXPECT_EQ(row.label->Left(), row.left);
      EXPECT_EQ(row.label->Top(), row.top);
      EXPECT_EQ(row.label->Width(), row.width);
      EXPECT_EQ(row.label->Height(), row.height);
      EXPECT_EQ(row.label->ForeColor(), row.color);
      EXPECT_EQ(row.label->Back(), tk::BackStyle::Transparent);
      EXPECT_EQ(row.label->Font(), (tk::FontSpec{"MS Sans Serif", 8.25, true}));
      EXPECT_TRUE(row.label->Visible());
      EXPECT_TRUE(testsupport::ShowsItsCaptionWhole(*row.label));
    }

    struct PictureRow {
      const char* name;
      const tk::Image* image;
      double left, top, width, height;
      int pictureWidth, pictureHeight;
      bool hand;
    };
    const std::vector<PictureRow> pictures = {
        {"EndSetup", &q.EndSetup, 1905, 4695, 1470, 540, 98, 36, true},
        {"BackToSetup", &q.BackToSetup, 245, 4680, 1440, 510, 96, 34, true},
        {"BackToSetup_Blu", &q.BackToSetup_Blu, 240, 4680, 1425, 510, 95, 34, true},
        {"EndSetup_giallo", &q.EndSetup_giallo, 1890, 4680, 1455, 510, 97, 34, true},
        {"Previus_Blu", &q.Previus_Blu, 255, 4710, 1425, 510, 95, 34, false},
    };
    for (const PictureRow& row : pictures) {
      SCOPED_TRACE(row.name);
      EXPECT_EQ(row.image->Left(), row.left);
      EXPECT_EQ(row.image->Top(), row.top);
      EXPECT_EQ(row.image->Width(), row.width);
      EXPECT_EQ(row.image->Height(), row.height);
      EXPECT_EQ(row.image->picture().width(), row.pictureWidth);
      EXPECT_EQ(row.image->picture().height(), row.pictureHeight);
      EXPECT_EQ(row.image->MouseIcon() != nullptr, row.hand);
    }
    EXPECT_EQ(q.EndSetup.MouseIcon(), q.BackToSetup_Blu.MouseIcon());

    // Highlighted Back instead of the plain one; the plain Exit over its twin.
    EXPECT_EQ(ButtonsShown(), (Shown{true, true, false, true}));
    EXPECT_TRUE(q.Previus_Blu.Visible());

    // Leave it changed: the next show starts afresh.
    MoveTo(Centre(q.EndSetup));
    EXPECT_EQ(ButtonsShown(), (Shown{false, true, true, false}));
    q.Unload();
    EXPECT_FALSE(q.Loaded());
  }
}

TEST_F(QuitDialog, ButtonsSwapAsTheMouseMovesOverThem) {
  FrmQuitWindow& q = FrmQuit();
  q.Show();
  ASSERT_TRUE(q.Loaded());

  // At first the highlighted Back picture lies at Back's place: it has no
  // mouse-move of its own, so nothing changes there.
  MoveTo(Centre(q.BackToSetup_Blu));
  EXPECT_EQ(ButtonsShown(), (Shown{true, true, false, true}));
  // Labels have no behaviour either.
  MoveTo(Centre(q.Label4));
  EXPECT_EQ(ButtonsShown(), (Shown{true, true, false, true}));

  // The first move over the face turns Back plain.
  MoveTo(kBareFace);
  EXPECT_EQ(ButtonsShown(), (Shown{true, false, true, false}));

  // Over Exit: the plain Exit lies above its twin, so the move reaches it.
  MoveTo(Centre(q.EndSetup));
  EXPECT_EQ(ButtonsShown(), (Shown{false, true, true, false}));
  // Moving on over the shown twin changes nothing.
  MoveTo(Centre(q.EndSetup_giallo));
  EXPECT_EQ(ButtonsShown(), (Shown{false, true, true, false}));

  // Straight from Exit to Back.
  MoveTo(Centre(q.BackToSetup));
  EXPECT_EQ(ButtonsShown(), (Shown{true, false, false, true}));

  // And back to the face.
  MoveTo(kBareFace);
  EXPECT_EQ(ButtonsShown(), (Shown{true, false, true, false}));
}

// Records the presses the dialog sends itself on its title bar's behalf,
// without letting the system start the move (which would wait for the
// button to be released).
WNDPROC g_original = nullptr;
std::vector<WPARAM> g_captionPresses;
LRESULT CALLBACK Recorder(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCLBUTTONDOWN) {
    g_captionPresses.push_back(wp);
    return 0;
  }
  return CallWindowProcA(g_original, hwnd, msg, wp, lp);
}

TEST_F(QuitDialog, IsDraggedFromItsFaceOnly) {
  FrmQuitWindow& q = FrmQuit();
  q.Show();
  ASSERT_TRUE(q.Loaded());
  g_captionPresses.clear();
  g_original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(q.hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Recorder)));
  ASSERT_NE(g_original, nullptr);

  const auto press = [&](UINT down, UINT up, WPARAM held, LPARAM where) {
    g_captionPresses.clear();
    SendMessageA(q.hwnd(), down, held, where);
    SendMessageA(q.hwnd(), up, 0, where);
    return g_captionPresses;
  };
  const std::vector<WPARAM> dragged{HTCAPTION}, still{};

  EXPECT_EQ(press(WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, kBareFace), dragged);
  // The close cross is only painted on the face: a press there drags too.
  EXPECT_EQ(press(WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, At(335, 12)), dragged);
  // Any button.
  EXPECT_EQ(press(WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, kBareFace), dragged);
  // Not from a label, nor from the picture beneath the Back pictures.
  EXPECT_EQ(press(WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, Centre(q.Label1)), still);
  const RECT under = q.Previus_Blu.PixelRect();
  EXPECT_EQ(press(WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, At(under.left + 20, under.bottom - 1)), still);
  EXPECT_TRUE(q.Loaded());

  SetWindowLongPtrA(q.hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_original));
}

}  // namespace
