// The wizard's and the quit dialog's pictures, icon and pointer as the
// program loads them from its own resources (this test links assets/Setup.rc).
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <type_traits>

#include "assets/resource.h"
#include "toolkit/Gdi.h"
#include "toolkit/Resources.h"
#include "toolkit/Win.h"

namespace {

using tk::Color;
using tk::Rgb;

constexpr Color kPanel = Rgb(62, 101, 137);      // the wizard's panel
constexpr Color kQuitPanel = Rgb(0, 0, 128);     // the quit dialog's back colour
constexpr Color kWhite = Rgb(255, 255, 255);
constexpr Color kLightBlue = Rgb(102, 168, 230);
constexpr Color kRed = Rgb(204, 30, 30);
constexpr Color kYellow = Rgb(255, 230, 90);
constexpr Color kBackdrop = Rgb(255, 0, 255);    // where nothing was drawn

int R(Color c) { return c & 0xFF; }
int G(Color c) { return (c >> 8) & 0xFF; }
int B(Color c) { return (c >> 16) & 0xFF; }

bool Dark(Color c) { return R(c) < 80 && G(c) < 80 && B(c) < 80; }
bool MidGrey(Color c) {
  return R(c) > 120 && R(c) < 185 && R(c) == G(c) && G(c) == B(c);
}
bool LightGrey(Color c) {
  return R(c) >= 200 && G(c) >= 200 && B(c) >= 200 && B(c) - R(c) < 16;
}

// The pixels of a picture as the program draws it: the picture is drawn
// onto a canvas of its own size, so a shape placed upside down or colours
// stored in the wrong byte order show in the samples.
struct Drawn {
  explicit Drawn(tk::Picture p) : picture(std::move(p)) {
    ok = !picture.empty() && canvas.Resize(picture.width(), picture.height(), kBackdrop, false);
    if (ok) picture.Draw(canvas.dc(), 0, 0, picture.width(), picture.height());
  }
  tk::Picture picture;
  tk::Canvas canvas;
  bool ok = false;

  Color at(int x, int y) const { return canvas.Pixel(x, y); }
  int Count(int l, int t, int r, int b, const std::function<bool(Color)>& test) const {
    int n = 0;
    for (int y = t; y < b; ++y)
      for (int x = l; x < r; ++x) n += test(at(x, y)) ? 1 : 0;
    return n;
  }
};

tk::Picture Bitmap(int id) { return tk::Picture::FromBitmapResource(id); }

// The header stored in the bitmap resource itself.
const BITMAPINFOHEADER* StoredHeader(int id) {
  HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2));  // RT_BITMAP
  if (!found) return nullptr;
  HGLOBAL loaded = LoadResource(nullptr, found);
  if (!loaded || SizeofResource(nullptr, found) < sizeof(BITMAPINFOHEADER)) return nullptr;
  return static_cast<const BITMAPINFOHEADER*>(LockResource(loaded));
}

struct Size {
  int id;
  const char* control;
  int width, height;
};

// Each picture's size is the one its control was laid out for.
constexpr Size kSizes[] = {
    {IDB_SETUP_FACE, "FrmSetup face", 547, 405},
    {IDB_NEXTSTEP, "NextStep", 96, 34},
    {IDB_AVANTI_BLU, "Avanti_Blu", 97, 35},
    {IDB_PREVIOUS, "Previous", 96, 34},
    {IDB_PREVIUS_BLU, "Previus_Blu", 95, 34},
    {IDB_PREVIOUS_DISABILITATO, "Previous_Disabilitato", 96, 34},
    {IDB_ENDSETUP, "EndSetup", 98, 32},
    {IDB_ENDSETUP_GIALLO, "EndSetup_giallo", 97, 33},
    {IDB_BROWSE, "Browse", 45, 32},
    {IDB_BROWSECOLOR, "BrowseColor", 45, 32},
    {IDB_ESCI_ORA, "ESCI_ORA", 27, 24},
    {IDB_LOGO, "Image1", 195, 42},
    {IDB_QUIT_FACE, "FrmQuit face", 350, 358},
    {IDB_QUIT_ENDSETUP, "FrmQuit.EndSetup", 98, 36},
    {IDB_QUIT_ENDSETUP_GIALLO, "FrmQuit.EndSetup_giallo", 97, 34},
    {IDB_QUIT_BACKTOSETUP, "FrmQuit.BackToSetup", 96, 34},
    {IDB_QUIT_BACKTOSETUP_BLU, "FrmQuit.BackToSetup_Blu", 95, 34},
    {IDB_QUIT_PREVIUS_BLU, "FrmQuit.Previus_Blu", 95, 34},
};

TEST(Assets, EveryPictureHasItsControlsSizeInTrueColour) {
  for (const Size& s : kSizes) {
    SCOPED_TRACE(s.control);
    tk::Picture p = tk::Picture::FromBitmapResource(s.id);
    ASSERT_FALSE(p.empty());
    EXPECT_EQ(p.width(), s.width);
    EXPECT_EQ(p.height(), s.height);
    const BITMAPINFOHEADER* h = StoredHeader(s.id);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->biBitCount, 24);
    EXPECT_EQ(h->biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_GT(h->biHeight, 0);  // stored bottom-up, readable by every Windows
  }
}

TEST(Assets, WizardFaceShowsStripCloseCrossPanelAndLogoTab) {
  Drawn face(Bitmap(IDB_SETUP_FACE));
  ASSERT_TRUE(face.ok);
  // The light strip along the top of the panel, from edge to edge.
  EXPECT_TRUE(LightGrey(face.at(10, 20))) << std::hex << face.at(10, 20);
  EXPECT_TRUE(LightGrey(face.at(300, 10)));
  EXPECT_TRUE(LightGrey(face.at(505, 30)));
  // The red close cross at the place of ESCI_ORA (518, 8; 27 x 24).
  EXPECT_EQ(face.at(521, 11), kRed);
  EXPECT_EQ(face.at(541, 29), kRed);
  EXPECT_EQ(face.at(531, 20), kWhite);
  // The dark-blue panel below the strip, down to its bottom edge.
  for (auto [x, y] : {std::pair{200, 40}, {150, 200}, {20, 330}, {540, 337}, {540, 60}})
    EXPECT_EQ(face.at(x, y), kPanel) << x << "," << y;
  // The tab below the panel's left part, with the curved join beside it.
  for (auto [x, y] : {std::pair{100, 400}, {4, 360}, {205, 400}, {214, 345}, {225, 340}})
    EXPECT_EQ(face.at(x, y), kPanel) << x << "," << y;
  // The tab carries the logo: white lettering where Image1 stands.
  EXPECT_GT(face.Count(6, 350, 201, 392, [](Color c) { return c == kWhite; }), 300);
  EXPECT_EQ(face.Count(6, 393, 212, 405, [](Color c) { return c != kPanel; }), 0);
}

TEST(Assets, QuitFaceShowsStripAndCloseCrossAboveTheDialogsBlue) {
  Drawn face(Bitmap(IDB_QUIT_FACE));
  ASSERT_TRUE(face.ok);
  EXPECT_TRUE(LightGrey(face.at(20, 15)));  // where "FINE INSTALLAZIONE" stands
  EXPECT_TRUE(LightGrey(face.at(250, 28)));
  EXPECT_EQ(face.at(316, 6), kRed);  // the cross at the strip's right end
  EXPECT_EQ(face.at(327, 16), kWhite);
  for (auto [x, y] : {std::pair{175, 40}, {5, 200}, {340, 350}, {100, 357}})
    EXPECT_EQ(face.at(x, y), kQuitPanel) << x << "," << y;
}

struct Button {
  int id;
  const char* control;
  Color panel;  // the colour around its rounded corners: where it stands
  Color fill;
  std::function<bool(Color)> text;  // what the lettering looks like
};

TEST(Assets, ButtonsHaveTheirFaceAndLetteringColours) {
  auto black = Dark;
  auto white = [](Color c) { return c == kWhite; };
  const Button buttons[] = {
      {IDB_NEXTSTEP, "NextStep", kPanel, kWhite, black},
      {IDB_AVANTI_BLU, "Avanti_Blu", kPanel, kLightBlue, white},
      {IDB_PREVIOUS, "Previous", kPanel, kWhite, black},
      {IDB_PREVIUS_BLU, "Previus_Blu", kPanel, kLightBlue, white},
      {IDB_PREVIOUS_DISABILITATO, "Previous_Disabilitato", kPanel, kWhite, MidGrey},
      {IDB_ENDSETUP, "EndSetup", kPanel, kRed, white},
      {IDB_ENDSETUP_GIALLO, "EndSetup_giallo", kPanel, kLightBlue, white},
      {IDB_QUIT_ENDSETUP, "FrmQuit.EndSetup", kQuitPanel, kRed, white},
      {IDB_QUIT_ENDSETUP_GIALLO, "FrmQuit.EndSetup_giallo", kQuitPanel, kLightBlue, white},
      {IDB_QUIT_BACKTOSETUP, "FrmQuit.BackToSetup", kQuitPanel, kWhite, black},
      {IDB_QUIT_BACKTOSETUP_BLU, "FrmQuit.BackToSetup_Blu", kQuitPanel, kLightBlue, white},
      {IDB_QUIT_PREVIUS_BLU, "FrmQuit.Previus_Blu", kQuitPanel, kLightBlue, white},
  };
  for (const Button& b : buttons) {
    SCOPED_TRACE(b.control);
    Drawn d(Bitmap(b.id));
    ASSERT_TRUE(d.ok);
    const int w = d.picture.width(), h = d.picture.height();
    EXPECT_EQ(d.at(0, 0), b.panel);
    EXPECT_EQ(d.at(w - 1, h - 1), b.panel);
    EXPECT_EQ(d.at(4, h / 2), b.fill);
    EXPECT_EQ(d.at(w - 5, h / 2), b.fill);
    // Legible lettering across the middle, and only there.
    EXPECT_GT(d.Count(3, 3, w - 3, h - 3, b.text), 40);
    EXPECT_EQ(d.Count(3, 3, 9, h - 3, b.text), 0);
  }
  // The greyed Back has no black letters left.
  Drawn greyed(Bitmap(IDB_PREVIOUS_DISABILITATO));
  ASSERT_TRUE(greyed.ok);
  EXPECT_EQ(greyed.Count(0, 0, 96, 34, Dark), 0);
}

TEST(Assets, SmallPicturesAndLogo) {
  Drawn cross(Bitmap(IDB_ESCI_ORA));
  ASSERT_TRUE(cross.ok);
  EXPECT_EQ(cross.at(2, 2), kRed);
  EXPECT_EQ(cross.at(24, 21), kRed);
  EXPECT_EQ(cross.at(13, 12), kWhite);
  EXPECT_GT(cross.Count(0, 0, 27, 24, [](Color c) { return c == kWhite; }), 40);

  // The same folder-tree symbol on white and on yellow.
  Drawn plain(Bitmap(IDB_BROWSE)), hot(Bitmap(IDB_BROWSECOLOR));
  ASSERT_TRUE(plain.ok && hot.ok);
  EXPECT_EQ(plain.at(40, 5), kWhite);
  EXPECT_EQ(hot.at(40, 5), kYellow);
  EXPECT_EQ(plain.at(0, 0), kPanel);
  int symbol = 0, differing = 0;
  for (int y = 3; y < 29; ++y)
    for (int x = 3; x < 42; ++x) {
      const bool inPlain = plain.at(x, y) != kWhite, inHot = hot.at(x, y) != kYellow;
      symbol += inPlain ? 1 : 0;
      differing += (inPlain != inHot) ? 1 : 0;
    }
  EXPECT_GT(symbol, 150);
  EXPECT_EQ(differing, 0);

  Drawn logo(Bitmap(IDB_LOGO));
  ASSERT_TRUE(logo.ok);
  EXPECT_EQ(logo.at(0, 0), kPanel);  // it stands on the tab of the face
  EXPECT_EQ(logo.at(194, 41), kPanel);
  EXPECT_GT(logo.Count(36, 0, 178, 42, [](Color c) { return c == kWhite; }), 300);
}

TEST(Assets, ProgramGroupIconInSixteenColours) {
  Drawn icon(tk::Picture::FromIconResource(IDI_PRGICO));
  ASSERT_TRUE(icon.ok);
  EXPECT_EQ(icon.picture.width(), 32);
  EXPECT_EQ(icon.at(0, 0), kBackdrop);  // transparent around the symbol
  EXPECT_EQ(icon.at(4, 12), Rgb(255, 255, 0));  // the folder
  EXPECT_EQ(icon.at(15, 14), Rgb(0, 0, 128));   // the group window's title bar
  EXPECT_EQ(icon.at(12, 22), Rgb(255, 0, 0));   // a program in it
  EXPECT_NE(tk::IconFromResource(IDI_PRGICO, 32), nullptr);
}

TEST(Assets, PointingHandIsACursorWithItsHotSpotAtTheFingerTip) {
  // Loaded as a cursor (not as an icon standing in for one), shared: the
  // system keeps it.
  HCURSOR hand = static_cast<HCURSOR>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_SETUP_HAND),
                                                 IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  ASSERT_NE(hand, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(hand, &info));
  tk::Bitmap mask(info.hbmMask), colour(info.hbmColor);
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 11u);
  EXPECT_EQ(info.yHotspot, 1u);

  // The mask (the top half of a monochrome cursor's mask): the tip of the
  // finger is opaque, the corners and just above the tip are see-through.
  BITMAP bm{};
  ASSERT_NE(GetObjectA(mask.get(), sizeof bm, &bm), 0);
  EXPECT_EQ(bm.bmWidth, 32);
  EXPECT_EQ(bm.bmHeight, colour ? 32 : 64);
  struct DeleteDc {
    void operator()(HDC dc) const { DeleteDC(dc); }
  };
  std::unique_ptr<std::remove_pointer_t<HDC>, DeleteDc> owner(CreateCompatibleDC(nullptr));
  HDC dc = owner.get();
  ASSERT_NE(dc, nullptr);
  {
    tk::SelectScope sel(dc, mask.get());
    EXPECT_EQ(GetPixel(dc, 11, 1), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 11, 0), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, 31, 31), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, 15, 24), RGB(0, 0, 0));  // the palm
  }

  EXPECT_NE(tk::CursorFromResource(IDC_SETUP_HAND), nullptr);
}

}  // namespace
