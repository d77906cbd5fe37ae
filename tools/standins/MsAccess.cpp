// Stand-in for the Access runtime that starts an installed database
// application: records its command line in MSACCESS.log beside itself.
#include "toolkit/Win.h"
#include "tools/standins/CommandLog.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return standins::AppendCommandLine("MSACCESS.log") ? 0 : 1;
}
