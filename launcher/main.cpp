// Setup.exe: the launcher's window is the start-up object. Once it has
// handed over, the program lives in the wizard's window events until the
// wizard ends the process (every way out goes through CleanUpAndExit).
#include "launcher/FrmLaunch.h"
#include "toolkit/Events.h"
#include "toolkit/Win.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  FrmLaunch launcher;
  launcher.Load();
  return tk::RunMessageLoop();
}
