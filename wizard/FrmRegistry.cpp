#include "wizard/FrmRegistry.h"

namespace {
constexpr const char* kCreationCaption = "Attendere: aggiornamento del registro in corso...";
}

FrmRegistryWindow::FrmRegistryWindow() : Attesa(*this) {
  SetBorder(tk::FormBorder::SizableNoTitle);
  SetClientSize(4470, 855);
  Attesa.Move(90, 330, 4275, 255);
  Attesa.SetCaption(kCreationCaption);
  Attesa.SetBackStyle(tk::BackStyle::Transparent);
}

void FrmRegistryWindow::Form_Load() {
  // Each new window starts from its created state.
  Attesa.SetCaption(kCreationCaption);
  CentreOnScreen();
}

FrmRegistryWindow& FrmRegistry() {
  static FrmRegistryWindow window;
  return window;
}
