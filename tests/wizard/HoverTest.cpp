// The wizard's picture buttons, in this process: the hover swaps as the
// mouse moves over the window, the twins' clicks and the pointers.
#include "tests/wizard/NavigationTestFixture.h"
#include "wizard/HD_Info.h"

namespace {

using navtest::WizardPages;

TEST_F(WizardPages, HoverSwapsThePicturesAndTheFaceResetsThem) {
  // The real pointer, wherever a test before left it, goes to the screen's
  // corner, off the window: only the moves posted here reach the window.
  ASSERT_TRUE(SetCursorPos(0, 0));
  tk::DoEvents();
  // Page 0: over Next its twin shows; Back is shown but stays under the
  // disabled Back picture.
  MoveMouse(w().NextStep);
  EXPECT_FALSE(w().NextStep.Visible());
  EXPECT_TRUE(w().Avanti_Blu.Visible());
  EXPECT_TRUE(w().Previous.Visible());
  EXPECT_FALSE(w().Previus_Blu.Visible());
  EXPECT_TRUE(w().Previous_Disabilitato.Visible());
  // The face puts the plain pictures back.
  MoveMouse(6900, 2250);
  EXPECT_TRUE(w().NextStep.Visible());
  EXPECT_FALSE(w().Avanti_Blu.Visible());

  // A click on the highlighted Next is Next.
  MoveMouse(w().NextStep);
  ASSERT_TRUE(w().Avanti_Blu.Visible());
  Click(w().Avanti_Blu);
  EXPECT_EQ(w().Step, 1);

  // Over Back (now shown): its twin; Next plain.
  MoveMouse(w().Previous);
  EXPECT_TRUE(w().Previus_Blu.Visible());
  EXPECT_FALSE(w().Previous.Visible());
  EXPECT_TRUE(w().NextStep.Visible());
  EXPECT_FALSE(w().Avanti_Blu.Visible());
  Click(w().Previus_Blu);
  EXPECT_EQ(w().Step, 0);

  // Exit: the highlight stays over a label without handlers, and goes at the
  // title label (or the face).
  MoveMouse(w().EndSetup);
  EXPECT_TRUE(w().EndSetup_giallo.Visible());
  EXPECT_FALSE(w().EndSetup.Visible());
  MoveMouse(w().AppName);
  EXPECT_FALSE(w().EndSetup.Visible());
  MoveMouse(w().Apptitle);
  EXPECT_TRUE(w().EndSetup.Visible());
  // ... or at the welcome text.
  MoveMouse(w().EndSetup);
  ASSERT_FALSE(w().EndSetup.Visible());
  PostMessageA(w().Welcome.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
  tk::DoEvents();
  EXPECT_TRUE(w().EndSetup.Visible());

  // Browse, on the folder page.
  ClickNext();
  Click(w().Lic_Accetto_txt);
  ClickNext();
  ASSERT_EQ(w().Step, 2);
  MoveMouse(w().Browse);
  EXPECT_FALSE(w().Browse.Visible());
  EXPECT_TRUE(w().BrowseColor.Visible());
  MoveMouse(6900, 2250);
  EXPECT_TRUE(w().Browse.Visible());
  EXPECT_FALSE(w().BrowseColor.Visible());

  // The progress page: the face shows Exit and leaves Next hidden.
  w().Step = 6;
  w().ShowStep(w().Step);
  MoveMouse(w().EndSetup);
  MoveMouse(6900, 2250);
  EXPECT_TRUE(w().EndSetup.Visible());
  EXPECT_FALSE(w().NextStep.Visible());
  EXPECT_FALSE(w().Avanti_Blu.Visible());

  // The pointing hand over the button pictures, the arrow over the close cross.
  for (const tk::Image* c : {&w().NextStep, &w().Avanti_Blu, &w().Previous, &w().Previus_Blu, &w().EndSetup,
                             &w().EndSetup_giallo, &w().Browse, &w().BrowseColor})
    EXPECT_NE(c->MouseIcon(), nullptr);
  EXPECT_EQ(w().ESCI_ORA.MouseIcon(), nullptr);
}

// The highlighted Next never acts for a disabled Next: a move over Next in
// the yields of the page change leaves the twin shown when the report then
// fails, a state built here directly.
TEST_F(WizardPages, TheNextTwinNeverActsForADisabledNext) {
  ASSERT_TRUE(SetCursorPos(0, 0));
  host_.diskNearlyFull = true;
  GoToDriveReport();
  w().SetNextEnabled(true);
  w().NextStep_MouseMove();
  ASSERT_TRUE(w().Avanti_Blu.Visible());
  HD_Info::DriveInfoReport("C:\\", SetupInfo.TotalBytes, w().Welcome);
  EXPECT_FALSE(w().NextStep.Enabled());
  EXPECT_TRUE(w().NextStep.Visible());
  EXPECT_FALSE(w().Avanti_Blu.Visible());

  // The twin shown over the disabled picture however it came: its click
  // does nothing.
  w().NextStep.SetVisible(false);
  w().Avanti_Blu.SetVisible(true);
  Click(w().Avanti_Blu);
  EXPECT_EQ(w().Step, 3);
}

}  // namespace
