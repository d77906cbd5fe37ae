// The wizard window's layout as data: every control of FrmSetup with its
// place and its state when the window is created, and what each page shows.
// The window's constructor and its page switcher read these tables, and so
// do the tests that drive the window: moving a control or changing what a
// page shows is one edit here. Windows build only.
#pragma once

#include <variant>

#include "assets/resource.h"
#include "wizard/FrmSetup.h"

namespace SetupLayout {

using W = FrmSetupWindow;

// A control of the window, as the member that holds it; its kind is the
// member's type.
using Member = std::variant<tk::TextBox W::*, tk::TimerControl W::*, tk::PictureBox W::*, tk::CheckBox W::*,
                            tk::OptionButton W::*, tk::ComboBox W::*, tk::Label W::*, tk::Image W::*>;

// A place on the window in twips.
struct Twips {
  int left, top, width, height;
};

// A font as the classic controls describe it; no face: the control's own.
struct Font {
  const char* face = nullptr;
  double size = 0;
  bool bold = false;
};

// What the constructor sets beyond place, picture, caption and value.
enum Options : unsigned {
  MultiLine = 1,     // text box of several lines (with its scroll bar unless NoScrollBar)
  NoScrollBar = 2,   // a multi-line text box without its scroll bar
  NoBorder = 4,      // text box without border
  Locked = 8,        // text box that takes no typing
  Disabled = 16,     // the timer: no ticks
  Transparent = 32,  // label drawn straight on the face
  Hand = 64,         // the pointing-hand pointer of the picture buttons
};

inline constexpr tk::Color kNoColor = 0xFFFFFFFF;  // the control's own colour
inline constexpr tk::Color kWhite = RGB(255, 255, 255);
inline constexpr tk::Color kBlack = RGB(0, 0, 0);
inline constexpr tk::Color kRed = RGB(255, 0, 0);
inline constexpr tk::Color kLightGrey = RGB(224, 224, 224);
// The panel's dark blue, on which the warning box, the check boxes and the
// options stand.
inline constexpr tk::Color kPanel = RGB(62, 101, 137);

inline constexpr Font kSansSerif{"MS Sans Serif", 8.25, false};
inline constexpr Font kSansSerifBold{"MS Sans Serif", 8.25, true};
// Small enough for each licence option's caption to stand on one line in its width.
inline constexpr Font kOptionCaption{"Arial", 8, false};

// One control: where it stands and how the window is created with it.
struct Control {
  Member member;
  Twips place{};                // all zero: none set (the timer)
  int bitmap = 0;               // picture: a bitmap resource
  int icon = 0;                 // picture: an icon resource
  const char* caption = nullptr;
  bool shown = false;           // visible at creation
  int value = -1;               // check box 0 to 2, option 0 or 1; -1: none set
  Font font{};
  tk::Color back = kNoColor;
  tk::Color fore = kNoColor;
  unsigned options = 0;
};

// The window itself: caption, client size in twips, face picture, back colour.
inline constexpr const char* kCaption = "Velmarind Installer";
inline constexpr int kClientWidth = 8205, kClientHeight = 6090;
inline constexpr int kFace = IDB_SETUP_FACE;
inline constexpr tk::Color kFaceBack = RGB(0, 0, 128);

// Every control, in the window's order of creation (the order of the
// members): among overlapping pictures an earlier one lies above a later one.
inline constexpr Control kControls[] = {
    {.member = &W::Welcome, .place = {120, 1290, 4275, 3165}, .shown = true, .back = kLightGrey,
     .options = MultiLine | Locked},
    {.member = &W::tmrTime, .options = Disabled},
    {.member = &W::picBuffer, .place = {0, 0, 4420, 40}},
    // Small enough for the space warning to stand on one line in its width.
    {.member = &W::ErroreSpazio, .place = {195, 3120, 4005, 225}, .font = {"Arial", 7.5, false}, .back = kPanel,
     .fore = kRed, .options = MultiLine | NoScrollBar | NoBorder | Locked},
    {.member = &W::DeskShort, .place = {630, 3300, 195, 285}, .value = 1, .back = kPanel, .options = Hand},
    {.member = &W::AutoEsegui, .place = {630, 3720, 195, 285}, .caption = "Esegui subito dopo l'installazione",
     .value = 1, .back = kPanel, .options = Hand},
    {.member = &W::Lic_Accetto, .place = {180, 4020, 225, 255}, .value = 0, .back = kPanel},
    {.member = &W::Lic_NonAccetto, .place = {2220, 4020, 210, 255}, .value = 1, .back = kPanel},
    {.member = &W::picStatus0, .place = {255, 2820, 4095, 285}, .font = kSansSerifBold, .back = kWhite},
    {.member = &W::PrgGroup, .place = {630, 2670, 3780, 315}},
    {.member = &W::CopyPath, .place = {255, 3150, 3270, 320}},
    {.member = &W::picStatus1, .place = {240, 3660, 4095, 285}, .font = kSansSerifBold, .back = kWhite},
    {.member = &W::AutoEsegui_txt, .place = {850, 3780, 3600, 255}, .caption = "Esegui subito dopo l'installazione",
     .font = kSansSerifBold, .fore = kWhite, .options = Transparent | Hand},
    {.member = &W::DeskShort_txt, .place = {850, 3345, 3600, 255}, .caption = "Crea collegamento anche su Desktop",
     .font = kSansSerifBold, .fore = kWhite, .options = Transparent | Hand},
    {.member = &W::Lic_NonAccetto_txt, .place = {2460, 4050, 1920, 255}, .caption = "Non accetto (non installa)",
     .font = kOptionCaption, .fore = kWhite, .options = Transparent | Hand},
    {.member = &W::Lic_Accetto_txt, .place = {420, 4050, 1440, 255}, .caption = "Accetto (prosegue)",
     .font = kOptionCaption, .fore = kWhite, .options = Transparent | Hand},
    {.member = &W::ESCI_ORA, .place = {7770, 120, 405, 360}, .bitmap = IDB_ESCI_ORA, .shown = true},
    {.member = &W::SelPath, .place = {135, 1770, 4335, 795},
     .caption = "Occorre selezionare la cartella in cui si desidera installare l'applicazione. Fare clic sul "
                "pulsante di fianco al percorso per sfogliare le cartelle.",
     .font = kSansSerifBold, .fore = kWhite, .options = Transparent},
    {.member = &W::lblStatus0, .place = {270, 2595, 4065, 255}, .caption = "", .font = kSansSerifBold,
     .fore = kWhite, .options = Transparent},
    {.member = &W::lblStatus1, .place = {270, 3400, 4065, 255}, .caption = "", .font = kSansSerifBold,
     .fore = kWhite, .options = Transparent},
    {.member = &W::PrgIco, .place = {120, 2610, 480, 480}, .icon = IDI_PRGICO},
    {.member = &W::AppName, .place = {330, 570, 4215, 525}, .caption = "", .shown = true,
     .font = {"Tahoma", 14, true}, .fore = kWhite, .options = Transparent},
    {.member = &W::Apptitle, .place = {420, 180, 5925, 285}, .caption = "Titolo Applicazione", .shown = true,
     .font = {"Arial", 9, true}, .fore = kBlack, .options = Transparent},
    {.member = &W::Previous_Disabilitato, .place = {120, 4535, 1440, 510}, .bitmap = IDB_PREVIOUS_DISABILITATO,
     .shown = true},
    {.member = &W::EndSetup, .place = {4845, 4560, 1470, 480}, .bitmap = IDB_ENDSETUP, .shown = true,
     .options = Hand},
    {.member = &W::NextStep, .place = {1830, 4545, 1440, 510}, .bitmap = IDB_NEXTSTEP, .shown = true,
     .options = Hand},
    {.member = &W::Previous, .place = {120, 4530, 1440, 510}, .bitmap = IDB_PREVIOUS, .options = Hand},
    {.member = &W::Label1, .place = {2730, 5190, 225, 225}, .caption = "®", .shown = true, .font = kSansSerif,
     .fore = kWhite, .options = Transparent},
    {.member = &W::Image1, .place = {90, 5250, 2925, 630}, .bitmap = IDB_LOGO, .shown = true},
    {.member = &W::Avanti_Blu, .place = {1830, 4545, 1455, 525}, .bitmap = IDB_AVANTI_BLU, .options = Hand},
    {.member = &W::EndSetup_giallo, .place = {4830, 4545, 1455, 495}, .bitmap = IDB_ENDSETUP_GIALLO,
     .shown = true, .options = Hand},
    {.member = &W::Previus_Blu, .place = {120, 4530, 1425, 510}, .bitmap = IDB_PREVIUS_BLU, .shown = true,
     .options = Hand},
    {.member = &W::Browse, .place = {3660, 3105, 675, 480}, .bitmap = IDB_BROWSE, .shown = true, .options = Hand},
    {.member = &W::BrowseColor, .place = {3660, 3105, 675, 480}, .bitmap = IDB_BROWSECOLOR, .options = Hand},
};

// What each page (0 to 6) does to a control when the page switcher builds
// it: 'S' shows it, '-' hides it, '.' leaves it as it is, 'w' hides it for
// the page's own work to show when it has something to show (the warning
// box when it holds a warning, the run-after-install box when something
// will be run). The page's own work runs after these.
struct PageShows {
  Member member;
  char pages[8];
};
//                                  page 0123456
inline constexpr PageShows kPages[] = {
    {&W::Welcome,                       "SS-S-S-"},
    {&W::SelPath,                       "--S-SS-"},
    {&W::CopyPath,                      "--S----"},
    {&W::Browse,                        "--S----"},
    {&W::BrowseColor,                   "..-----"},
    {&W::ErroreSpazio,                  "..-w-.."},
    {&W::Lic_Accetto,                   "-S-...."},
    {&W::Lic_Accetto_txt,               "-S-...."},
    {&W::Lic_NonAccetto,                "-S-...."},
    {&W::Lic_NonAccetto_txt,            "-S-...."},
    {&W::PrgGroup,                      "----S--"},
    {&W::PrgIco,                        "----S--"},
    {&W::DeskShort,                     "...-S-."},
    {&W::DeskShort_txt,                 "...-S-."},
    {&W::AutoEsegui,                    "...-w-."},
    {&W::AutoEsegui_txt,                "...-w-."},
    {&W::lblStatus0,                    ".....-S"},
    {&W::lblStatus1,                    ".....-S"},
    {&W::picStatus0,                    ".....-S"},
    {&W::picStatus1,                    ".....-S"},
    {&W::NextStep,                      "S.....-"},
    {&W::Previous_Disabilitato,         "S......"},
    {&W::Previous,                      "......-"},
    {&W::Previus_Blu,                   "......-"},
};

// Where a page puts a control once its own work is done; kKeep leaves that
// coordinate as it is.
inline constexpr int kKeep = -1;
struct PagePlace {
  int page;
  Member member;
  int top, height;
};
inline constexpr PagePlace kPagePlaces[] = {
    {0, &W::Welcome, 1290, 3165},   // the welcome text
    {1, &W::Welcome, 1290, 2640},   // the licence, above the two options
    {2, &W::Welcome, 1290, kKeep},  // hidden, at its top
    {3, &W::Welcome, kKeep, 3165},  // the drive report
    {4, &W::PrgIco, 2610, kKeep},   // beside the group box
};

// The row of a control; every member of the window has one.
constexpr const Control& Row(Member member) {
  for (const Control& c : kControls)
    if (c.member == member) return c;
  throw "a control without a row";  // not a constant expression: a compile-time error
}
constexpr Twips Place(Member member) { return Row(member).place; }

// Creates the window's controls as the table says (the constructor's work).
void CreateControls(W& window);
// The page's shows and hides, then its placements; the page switcher runs
// the page's own work between the two.
void ShowControls(W& window, int page);
void PlaceControls(W& window, int page);
// Whether a control is visible now.
bool Visible(const W& window, Member member);

}  // namespace SetupLayout
