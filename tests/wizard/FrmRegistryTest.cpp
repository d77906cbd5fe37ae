// The please-wait window: its label, its frame, its place, and a second show.
#include <gtest/gtest.h>

#include "tests/support/Texts.h"
#include "toolkit/Win.h"
#include "wizard/FrmRegistry.h"

TEST(FrmRegistry, OpensCentredWithItsCaptionAndStartsFromItEachTime) {
  FrmRegistryWindow& w = FrmRegistry();
  w.Show();
  ASSERT_TRUE(w.Loaded());
  EXPECT_EQ(w.Attesa.Caption(), "Attendere: aggiornamento del registro in corso...");
  EXPECT_TRUE(testsupport::ShowsItsCaptionWhole(w.Attesa));
  const LONG style = GetWindowLongA(w.hwnd(), GWL_STYLE);
  EXPECT_TRUE(style & WS_THICKFRAME);
  EXPECT_FALSE((style & WS_CAPTION) == WS_CAPTION);
  RECT client{};
  GetClientRect(w.hwnd(), &client);
  EXPECT_EQ(client.right, 4470 / 15);
  EXPECT_EQ(client.bottom, 855 / 15);
  RECT r{};
  GetWindowRect(w.hwnd(), &r);
  EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((r.top + r.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);

  // Shown again while up: the same window, the caption it was given.
  const HWND first = w.hwnd();
  w.Attesa.SetCaption("Annullamento dell'installazione...");
  w.Show();
  EXPECT_EQ(w.hwnd(), first);
  EXPECT_EQ(w.Attesa.Caption(), "Annullamento dell'installazione...");
  EXPECT_TRUE(testsupport::ShowsItsCaptionWhole(w.Attesa));

  // Unloaded and shown anew: its created state.
  w.Unload();
  EXPECT_FALSE(w.Loaded());
  w.Show();
  EXPECT_EQ(w.Attesa.Caption(), "Attendere: aggiornamento del registro in corso...");
  w.Unload();
}
