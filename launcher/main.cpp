// Setup.exe: the launcher's window is the start-up object. Once it has
// handed over, the program lives in the wizard's window events until the
// wizard ends the process (every way out goes through CleanUpAndExit).
#include "launcher/FrmLaunch.h"
#include "toolkit/Events.h"
#include "toolkit/SystemLibrary.h"
#include "toolkit/Win.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // Before the first window: what the system's own libraries load later on
  // the program's behalf is then never taken from beside Setup.exe. Where
  // the system cannot limit the search, the program goes on as before.
  tk::LimitLibrarySearchToSystemFolder();
  FrmLaunch launcher;
  launcher.Load();
  return tk::RunMessageLoop();
}
