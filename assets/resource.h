/* Resource ids of Setup.exe, shared by the resource script (windres) and
   the C++ sources. Plain #defines only, so that both can read it. */
#ifndef VELMARIND_ASSETS_RESOURCE_H
#define VELMARIND_ASSETS_RESOURCE_H

/* Icons */
#define IDI_LAUNCH 101 /* the launcher's window icon (32x32 and 16x16, 16 colours) */

/* Bitmaps */
#define IDB_LAUNCH_IMAGE2 201 /* the launcher's picture Image2 (33x35, 24-bit) */

/* The wizard's and the quit dialog's pictures (assets/wizard/, drawn by
   tools/draw_wizard_assets.py), named after the controls that show them. */
#define IDI_PRGICO 102 /* program-group icon beside PrgGroup (32x32, 16 colours) */
#define IDC_SETUP_HAND 301 /* the pointing-hand mouse pointer of the picture
                              buttons (32x32 cursor, hot spot at the finger tip) */

#define IDB_SETUP_FACE 210            /* FrmSetup's face, 547x405 */
#define IDB_NEXTSTEP 211              /* NextStep, 96x34 */
#define IDB_AVANTI_BLU 212            /* Avanti_Blu, 97x35 */
#define IDB_PREVIOUS 213              /* Previous, 96x34 */
#define IDB_PREVIUS_BLU 214           /* Previus_Blu, 95x34 */
#define IDB_PREVIOUS_DISABILITATO 215 /* Previous_Disabilitato, 96x34 */
#define IDB_ENDSETUP 216              /* EndSetup, 98x32 */
#define IDB_ENDSETUP_GIALLO 217       /* EndSetup_giallo, 97x33 */
#define IDB_BROWSE 218                /* Browse, 45x32 */
#define IDB_BROWSECOLOR 219           /* BrowseColor, 45x32 */
#define IDB_ESCI_ORA 220              /* ESCI_ORA, 27x24 */
#define IDB_LOGO 221                  /* Image1, 195x42 */

#define IDB_QUIT_FACE 230             /* FrmQuit's face, 350x358 */
#define IDB_QUIT_ENDSETUP 231         /* FrmQuit.EndSetup, 98x36 */
#define IDB_QUIT_ENDSETUP_GIALLO 232  /* FrmQuit.EndSetup_giallo, 97x34 */
#define IDB_QUIT_BACKTOSETUP 233      /* FrmQuit.BackToSetup, 96x34 */
#define IDB_QUIT_BACKTOSETUP_BLU 234  /* FrmQuit.BackToSetup_Blu, 95x34 */
#define IDB_QUIT_PREVIUS_BLU 235      /* FrmQuit.Previus_Blu, 95x34 */

#endif
