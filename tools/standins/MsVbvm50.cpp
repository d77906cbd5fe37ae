// Stand-in for the runtime library the package carries: a DLL that loads
// and offers nothing.
#include "toolkit/Win.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
