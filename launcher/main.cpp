// Setup.exe: the launcher's window is the start-up object. Once it has
// handed over, the program lives in the wizard's window events until the
// wizard ends the process.
#include "launcher/FrmLaunch.h"
#include "toolkit/Events.h"
#include "toolkit/Win.h"

// Until the wizard exists the program ends after the unpacking.
bool ShowWizardWindow() { return false; }

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  FrmLaunch launcher;
  launcher.Load();
  if (!ShowWizardWindow()) return 0;
  return tk::RunMessageLoop();
}
