// Stand-in for the uninstaller the package carries (installed as
// AppRemove.Exe): records its command line in appremove.log beside itself.
#include "toolkit/Win.h"
#include "tools/standins/CommandLog.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return standins::AppendCommandLine("appremove.log") ? 0 : 1;
}
