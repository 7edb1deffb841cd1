#pragma once
// The ids of everything trelmo.exe carries in its resources, for the
// resource scripts and the C++ alike: plain macros, as the resource
// compiler reads nothing else.

// Bitmaps.
#define IDB_TILE_SHEET 101   // the cell tiles, 220 x 30
#define IDB_LOGO 102         // 78 x 92
#define IDB_DIGIT_STRIP 103  // 143 x 23

// The hand over the logo.
#define IDR_HAND_CURSOR 1

// Icons.
#define IDI_PROGRAM 102     // the window's, the information sheet's and the notification area's
#define IDI_EXIT 103        // the exit confirmation
#define IDI_NAME_ENTRY 104  // the name entry

// WAVE sounds.
#define IDR_LOCK_SOUND 110  // a shape settles
#define IDR_ROW_SOUND 111   // a row is removed

// Dialog templates.
#define IDD_ABOUT 1  // the information sheet's pages: 1, 5 and 6
#define IDD_KEY_HELP 5
#define IDD_SCORING 6
#define IDD_SCORE_TABLE 2
#define IDD_NAME_ENTRY 3
#define IDD_OPTIONS 4

// Controls of the score table and the name entry.
#define IDC_OK 1      // every template's OK: the system's IDOK
#define IDC_CANCEL 2  // and Cancel: IDCANCEL
#define IDC_CLEAR 102
#define IDC_NAME_BOX 103

// Controls of the options dialog.
#define IDC_SOUND 101
#define IDC_CLOCKWISE 103
#define IDC_SEVEN_SHAPES 104
#define IDC_ELEVEN_SHAPES 105
#define IDC_PREVIEW 109
#define IDC_INVERSION 110
#define IDC_LOOK_3D 111
#define IDC_DROP_TO_BOTTOM 307
#define IDC_FAST_FALL 308
