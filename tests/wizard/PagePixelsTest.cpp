// What the wizard's pages show on the screen, read back from the window's
// DC and its edit boxes: which control lies over which where they overlap,
// and whether a box shows its text whole.
#include <string>
#include <utility>

#include "tests/wizard/NavigationTestFixture.h"
#include "toolkit/Gdi.h"

namespace {

using navtest::WizardPages;

constexpr tk::Color kPureRed = RGB(255, 0, 0);
constexpr tk::Color kLightGrey = RGB(224, 224, 224);
constexpr tk::Color kPanel = RGB(62, 101, 137);

const char kSpace[] = "ATTENZIONE: lo spazio disponibile è INSUFFICIENTE.";
const char kMedium[] = "ATTENZIONE:\r\nTipo di supporto non valido. Provare a cambiare il supporto, ad es. 'C:\\'";
const char kUnreadable[] = "ATTENZIONE:\r\nImpossibile leggere le informazioni dall'unità scelta.";

// The lines an edit box breaks its text into.
int ShownLines(const tk::TextBox& box) { return static_cast<int>(SendMessageA(box.hwnd(), EM_GETLINECOUNT, 0, 0)); }

// The height in pixels of a line of a box's font.
int LineHeight(const tk::TextBox& box) {
  tk::WindowDC dc(box.hwnd());
  tk::SelectScope font(dc.get(), reinterpret_cast<HFONT>(SendMessageA(box.hwnd(), WM_GETFONT, 0, 0)));
  TEXTMETRICA tm{};
  GetTextMetricsA(dc.get(), &tm);
  return tm.tmHeight;
}

// Whether the box's client area holds every line it breaks its text into.
::testing::AssertionResult HoldsItsLines(const tk::TextBox& box) {
  RECT client{};
  GetClientRect(box.hwnd(), &client);
  const int lines = ShownLines(box), height = LineHeight(box);
  if (client.bottom >= lines * height) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << client.bottom << " pixels high for " << lines << " lines of " << height;
}

class PagePixels : public WizardPages {
 protected:
  // The whole window repainted and read back.
  void Capture(tk::Canvas& shot) {
    RedrawWindow(w().hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    tk::DoEvents();
    ASSERT_TRUE(shot.CaptureClient(w().hwnd()));
  }

  // A child window's rectangle in the wizard's client pixels.
  RECT Place(const tk::ChildControl& c) {
    RECT r{};
    GetWindowRect(c.hwnd(), &r);
    MapWindowPoints(nullptr, w().hwnd(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  RECT Place(const tk::FaceControl& c) { return c.PixelRect(); }
  // A box's client area in the wizard's client pixels.
  RECT ClientPlace(const tk::ChildControl& c) {
    RECT r{};
    GetClientRect(c.hwnd(), &r);
    MapWindowPoints(c.hwnd(), w().hwnd(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }

  // Whether the control can be seen: hiding it changes what the window
  // shows in its place (nothing changes while another control covers it).
  template <class Control>
  bool Shows(Control& c) {
    const RECT r = Place(c);
    tk::Canvas shown, hidden;
    Capture(shown);
    c.SetVisible(false);
    Capture(hidden);
    c.SetVisible(true);
    tk::DoEvents();
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        if (shown.Pixel(x, y) != hidden.Pixel(x, y)) return true;
    return false;
  }

  // The pixels of a colour inside a rectangle of the window.
  int Count(tk::Color color, const RECT& r) {
    tk::Canvas shot;
    Capture(shot);
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += shot.Pixel(x, y) == color;
    return n;
  }

  // Whether the report shows nothing but its background where the warning
  // lies over it (read with the warning hidden).
  ::testing::AssertionResult WarningCoversNoReportText() {
    const RECT warning = Place(w().ErroreSpazio), report = ClientPlace(w().Welcome);
    RECT common{};
    if (!w().Welcome.Visible() || !IntersectRect(&common, &warning, &report)) return ::testing::AssertionSuccess();
    tk::Canvas shot;
    w().ErroreSpazio.SetVisible(false);
    Capture(shot);
    w().ErroreSpazio.SetVisible(true);
    tk::DoEvents();
    for (int y = common.top; y < common.bottom; ++y)
      for (int x = common.left; x < common.right; ++x)
        if (shot.Pixel(x, y) != kLightGrey)
          return ::testing::AssertionFailure() << "report text at " << x << "," << y << " under the warning at "
                                               << warning.top << ".." << warning.bottom;
    return ::testing::AssertionSuccess();
  }

  // The window's pixel row of the middle of the warning, and the rows of the
  // report's first empty line after its required-space line.
  int WarningMiddle() {
    const RECT warning = Place(w().ErroreSpazio);
    return (warning.top + warning.bottom) / 2;
  }
  std::pair<int, int> EmptyLineRows() {
    const std::string report = w().Welcome.Text();
    size_t at = report.find("\r\n\r\n", report.find("Spazio richiesto"));
    if (at == std::string::npos) return {0, 0};
    at += 2;
    const HWND box = w().Welcome.hwnd();
    const int line = static_cast<int>(SendMessageA(box, EM_LINEFROMCHAR, at, 0));
    const LRESULT pos = SendMessageA(box, EM_POSFROMCHAR, SendMessageA(box, EM_LINEINDEX, line, 0), 0);
    POINT top{static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
    MapWindowPoints(box, w().hwnd(), &top, 1);
    return {top.y, top.y + LineHeight(w().Welcome)};
  }
};

TEST_F(PagePixels, SpaceWarningStandsOnOneLineOverTheReportsEmptyLine) {
  // A nearly full disk of many terabytes: the report's longest line, which
  // may wrap in the report box.
  host_.diskNearlyFull = true;
  host_.total = 18000000000000ULL;
  GoToDriveReport();

  ASSERT_EQ(w().ErroreSpazio.Text(), kSpace);
  EXPECT_EQ(ShownLines(w().ErroreSpazio), 1);
  EXPECT_TRUE(HoldsItsLines(w().ErroreSpazio));
  const auto [top, bottom] = EmptyLineRows();
  EXPECT_GE(WarningMiddle(), top);
  EXPECT_LT(WarningMiddle(), bottom);
  EXPECT_TRUE(WarningCoversNoReportText());
}

TEST_F(PagePixels, MediumWarningsStandWholeAboveTheReport) {
  // A network drive with room.
  host_.driveType = DRIVE_REMOTE;
  GoToDriveReport();
  ASSERT_EQ(w().ErroreSpazio.Text(), kMedium);
  EXPECT_TRUE(HoldsItsLines(w().ErroreSpazio));
  EXPECT_TRUE(WarningCoversNoReportText());

  // A drive that cannot be read: no report below.
  ClickBack();
  host_.driveType = 0;
  host_.unreadable = true;
  ClickNext();
  ASSERT_EQ(w().Step, 3);
  ASSERT_EQ(w().ErroreSpazio.Text(), kUnreadable);
  EXPECT_TRUE(HoldsItsLines(w().ErroreSpazio));

  // A drive that passes after the warnings: the empty warning box is not
  // drawn, no band of the panel's colour lies over the report.
  ClickBack();
  host_.unreadable = false;
  ClickNext();
  ASSERT_EQ(w().Step, 3);
  ASSERT_EQ(w().ErroreSpazio.Text(), "");
  EXPECT_FALSE(w().ErroreSpazio.Visible());
  EXPECT_EQ(Count(kPanel, Place(w().ErroreSpazio)), 0);
  EXPECT_GT(Count(kLightGrey, Place(w().ErroreSpazio)), 0);
}

TEST_F(PagePixels, EachPageShowsItsBoxesAndTheSpaceWarningLiesOverTheReport) {
  // The welcome text covers the browse picture that is shown at creation.
  EXPECT_TRUE(Shows(w().Welcome));
  EXPECT_TRUE(w().Browse.Visible());
  EXPECT_FALSE(Shows(w().Browse));

  ClickNext();
  ASSERT_EQ(w().Step, 1);
  EXPECT_TRUE(Shows(w().Welcome));
  EXPECT_TRUE(Shows(w().Lic_Accetto));
  EXPECT_TRUE(Shows(w().Lic_NonAccetto));
  Click(w().Lic_Accetto_txt);

  ClickNext();
  ASSERT_EQ(w().Step, 2);
  EXPECT_TRUE(Shows(w().CopyPath));
  EXPECT_TRUE(Shows(w().Browse));

  // A drive without room for the package: the warning's red text stands
  // over the report.
  host_.diskNearlyFull = true;
  w().CopyPath.SetText(target_);
  ClickNext();
  ASSERT_EQ(w().Step, 3);
  ASSERT_EQ(w().ErroreSpazio.Text(), "ATTENZIONE: lo spazio disponibile è INSUFFICIENTE.");
  const RECT warning = Place(w().ErroreSpazio), report = Place(w().Welcome);
  RECT common{};
  ASSERT_TRUE(IntersectRect(&common, &warning, &report));
  EXPECT_TRUE(EqualRect(&common, &warning)) << "the warning lies inside the report";
  EXPECT_GT(Count(kPureRed, common), 30);
  EXPECT_TRUE(Shows(w().ErroreSpazio));
  EXPECT_TRUE(Shows(w().Welcome));

  Enter(w().hwnd());
  ASSERT_EQ(w().Step, 4);
  EXPECT_TRUE(Shows(w().PrgGroup));
  EXPECT_TRUE(Shows(w().DeskShort));
  EXPECT_FALSE(w().AutoEsegui.Visible()) << "a plain executable: nothing to run";

  ClickNext();
  ASSERT_EQ(w().Step, 5);
  EXPECT_TRUE(Shows(w().Welcome));

  // The progress page as Next past the summary builds it, without the
  // installation that would follow.
  w().Step = 6;
  w().ShowStep(w().Step);
  EXPECT_TRUE(Shows(w().picStatus(0)));
  EXPECT_TRUE(Shows(w().picStatus(1)));
}

}  // namespace
