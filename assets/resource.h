/* Resource ids of Setup.exe, shared by the resource script (windres) and
   the C++ sources. Plain #defines only, so that both can read it. */
#ifndef VELMARIND_ASSETS_RESOURCE_H
#define VELMARIND_ASSETS_RESOURCE_H

/* Icons */
#define IDI_LAUNCH 101 /* the launcher's window icon (32x32 and 16x16, 16 colours) */

/* Bitmaps */
#define IDB_LAUNCH_IMAGE2 201 /* the launcher's picture Image2 (33x35, 24-bit) */

#endif
