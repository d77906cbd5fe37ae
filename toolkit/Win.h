// The one way the project includes Windows: every file that calls Win32
// includes this header, and only files built for Windows may.
#pragma once

#ifndef _WIN32
#error "toolkit/Win.h is for the Windows build only"
#endif

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>
