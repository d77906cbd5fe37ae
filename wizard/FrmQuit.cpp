#include "wizard/FrmQuit.h"

#include <string>

#include "assets/resource.h"
#include "engine/SetupState.h"
#include "toolkit/Host.h"
#include "toolkit/Resources.h"
#include "toolkit/Win.h"
#include "wizard/FormRegionWin.h"

namespace {

constexpr tk::Color kPanel = RGB(0, 0, 128);  // &H00800000&
constexpr tk::Color kWhite = RGB(255, 255, 255);
constexpr tk::Color kBlack = RGB(0, 0, 0);

constexpr const char* kQuitMessage = "Installazione interrotta dall'Utente.";

void PlaceLabel(tk::Label& label, const std::string& caption, double left, double top, double width, double height,
                tk::Color color) {
  label.SetCaption(caption);
  label.Move(left, top, width, height);
  label.SetFont({"MS Sans Serif", 8.25, true});
  label.SetForeColor(color);
  label.SetBackStyle(tk::BackStyle::Transparent);
}

void PlacePicture(tk::Image& image, int bitmapId, double left, double top, double width, double height,
                  HCURSOR pointer) {
  image.LoadPicture(bitmapId);
  image.Move(left, top, width, height);
  image.SetMouseIcon(pointer);
}

}  // namespace

FrmQuitWindow::FrmQuitWindow()
    : Label5(*this),
      EndSetup(*this),
      BackToSetup(*this),
      BackToSetup_Blu(*this),
      Label4(*this),
      Label3(*this),
      Label2(*this),
      Label1(*this),
      EndSetup_giallo(*this),
      Previus_Blu(*this) {
  SetBorder(tk::FormBorder::FixedSingleNoTitle);
  SetCaption("");
  SetClientSize(5220, 5400);
  SetBackColor(kPanel);
  SetPicture(tk::Picture::FromBitmapResource(IDB_QUIT_FACE));

  const HCURSOR hand = tk::CursorFromResource(IDC_SETUP_HAND);

  PlaceLabel(Label5, "FINE INSTALLAZIONE", 150, 150, 2592, 255, kBlack);
  PlacePicture(EndSetup, IDB_QUIT_ENDSETUP, 1905, 4695, 1470, 540, hand);
  PlacePicture(BackToSetup, IDB_QUIT_BACKTOSETUP, 245, 4680, 1440, 510, hand);
  PlacePicture(BackToSetup_Blu, IDB_QUIT_BACKTOSETUP_BLU, 240, 4680, 1425, 510, hand);
  PlaceLabel(Label4,
             " Fare clic su «Indietro» per continuare l'installazione, oppure su «Uscita» per terminare.", 270,
             3060, 4500, 495, kWhite);
  PlaceLabel(Label3, "Occorrerà eseguire nuovamente l'intera procedura di installazione dell'applicazione.", 225,
             2190, 4500, 495, kWhite);
  PlaceLabel(Label2, "Se si desidera uscire adesso dall'installazione, l'applicazione non sarà installata.", 210,
             1290, 4500, 525, kWhite);
  PlaceLabel(Label1, "L'installazione non è completa.", 225, 690, 4500, 495, kWhite);
  PlacePicture(EndSetup_giallo, IDB_QUIT_ENDSETUP_GIALLO, 1890, 4680, 1455, 510, hand);
  PlacePicture(Previus_Blu, IDB_QUIT_PREVIUS_BLU, 255, 4710, 1425, 510, nullptr);

  EndSetup.Click = [this] { EndSetup_Click(); };
  EndSetup.MouseMove = [this](int b, int s, float x, float y) { EndSetup_MouseMove(b, s, x, y); };
  BackToSetup.Click = [this] { BackToSetup_Click(); };
  BackToSetup.MouseMove = [this](int b, int s, float x, float y) { BackToSetup_MouseMove(b, s, x, y); };
  BackToSetup_Blu.Click = [this] { BackToSetup_Blu_Click(); };
  EndSetup_giallo.Click = [this] { EndSetup_giallo_Click(); };
}

void FrmQuitWindow::Form_Load() {
  tk::Region outline = FormRegion::MakeFormRegion(FormRegion::ShapedWindow::FrmQuit, 1, 1, 0, 0);
  // Once the window holds the region, the window system owns it.
  if (outline && ::SetWindowRgn(hwnd(), outline.get(), TRUE)) outline.release();

  // The created state: the highlighted Back picture shows until the mouse
  // first moves over the face; the plain Exit picture covers its twin.
  Label5.SetVisible(true);
  EndSetup.SetVisible(true);
  BackToSetup.SetVisible(false);
  BackToSetup_Blu.SetVisible(true);
  Label4.SetVisible(true);
  Label3.SetVisible(true);
  Label2.SetVisible(true);
  Label1.SetVisible(true);
  EndSetup_giallo.SetVisible(true);
  Previus_Blu.SetVisible(true);

  CentreOnScreen();
}

void FrmQuitWindow::EndSetup_Click() {
  QuitConfirmed = true;
  tk::MsgBox(kQuitMessage, tk::vbCritical, SetupInfo.SoftwareHouseName + " setup");
  Unload();
}

void FrmQuitWindow::BackToSetup_Click() {
  QuitConfirmed = false;
  Unload();
}

void FrmQuitWindow::BackToSetup_MouseMove(int, int, float, float) {
  BackToSetup_Blu.SetVisible(true);
  BackToSetup.SetVisible(false);
  EndSetup_giallo.SetVisible(false);
  EndSetup.SetVisible(true);
}

void FrmQuitWindow::EndSetup_MouseMove(int, int, float, float) {
  EndSetup_giallo.SetVisible(true);
  EndSetup.SetVisible(false);
  BackToSetup_Blu.SetVisible(false);
  BackToSetup.SetVisible(true);
}

void FrmQuitWindow::Form_MouseMove(int, int, float, float) {
  EndSetup_giallo.SetVisible(false);
  EndSetup.SetVisible(true);
  BackToSetup_Blu.SetVisible(false);
  BackToSetup.SetVisible(true);
}

void FrmQuitWindow::BackToSetup_Blu_Click() { BackToSetup_Click(); }

void FrmQuitWindow::EndSetup_giallo_Click() { EndSetup_Click(); }

void FrmQuitWindow::Form_MouseDown(int, int, float, float) {
  // The system moves the window with the mouse as if its title bar had been
  // pressed.
  ::ReleaseCapture();
  ::SendMessageA(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

FrmQuitWindow& FrmQuit() {
  static FrmQuitWindow window;
  return window;
}
