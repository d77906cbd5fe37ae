/* A program planted beside Setup.exe under the name of one the program
   starts (Regedit.exe, regsvr32.exe): it leaves its marker and ends. */
#include "Marker.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
  (void)previous, (void)commandLine, (void)show;
  LeaveMarker(instance);
  return 0;
}
