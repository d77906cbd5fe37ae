// What the wizard's pages show on the screen, read back from the window's
// DC: which control lies over which where they overlap.
#include "tests/wizard/NavigationTestFixture.h"
#include "toolkit/Gdi.h"

namespace {

using navtest::WizardPages;

constexpr tk::Color kPureRed = RGB(255, 0, 0);

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
};

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
  EXPECT_TRUE(Shows(w().AutoEsegui));

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
