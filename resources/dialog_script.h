#pragma once
// The dialog templates of resources/dialogs.rc, read by the programs that
// lay their dialogs out themselves. The reader knows the narrow dialect the
// script is written in: "#define NAME value", "//" comments, "#pragma"
// lines, "NAME DIALOG x, y, w, h" with STYLE, CAPTION and FONT, and a
// BEGIN ... END block of CONTROL statements. Positions and sizes stay in
// dialog units; their conversion to pixels is at the end.

enum class ControlKind { Label, Icon, EtchedRule, GroupBox, PushButton, CheckBox, RadioButton, EditBox };

constexpr int kMaxDialogTemplates = 8;
constexpr int kMaxDialogControls = 24;
constexpr int kMaxDialogTextBytes = 64;  // with the terminator

struct DialogControl {
    ControlKind kind;
    int id;                          // -1 for the unnamed statics
    char text[kMaxDialogTextBytes];  // as written, "&" marks and all; empty for an icon
    int iconId;                      // the icon resource of an Icon; 0 otherwise
    int x, y, width, height;
    bool startsGroup;  // WS_GROUP
    bool tabStop;      // WS_TABSTOP
};

struct DialogTemplate {
    int id;
    int x, y, width, height;
    char caption[kMaxDialogTextBytes];
    bool centred;  // DS_CENTER
    int controlCount;
    DialogControl controls[kMaxDialogControls];  // in template (tab) order
};

struct DialogScript {
    int templateCount;
    DialogTemplate templates[kMaxDialogTemplates];
};

// Reads the macros of `header` (ids.h), then the templates of `script`
// (dialogs.rc). False, with `result` incomplete, when either holds anything
// outside the dialect, a name that is not defined, or more than the fixed
// sizes above allow.
bool ParseDialogScript(const char* header, const char* script, DialogScript& result);

// The template with the given id, or null.
const DialogTemplate* FindDialogTemplate(const DialogScript& script, int id);
// The control with the given id, or null.
const DialogControl* FindDialogControl(const DialogTemplate& dialog, int id);

// The templates embedded in the program (resources/dialog_script.cmake),
// read at the first call and kept: the one with the given id, or null, as
// for every id when the embedded script cannot be read.
const DialogTemplate* DialogTemplateById(int id);

// Win32's MulDiv: number * numerator / denominator rounded half away from
// zero, -1 for a zero denominator.
int MulDiv(int number, int numerator, int denominator);

// The dialog base units of a font: its height in pixels and its average
// character width, which Windows takes from the width of the 52 letters.
struct DialogBaseUnits {
    int x;
    int y;
};

constexpr char kBaseUnitAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

DialogBaseUnits BaseUnitsForFont(int alphabetWidth, int fontHeight);

struct PixelRect {
    int x, y, width, height;
};

// Horizontal units are a quarter of base x, vertical ones an eighth of base y.
int DialogUnitsToPixelsX(int units, DialogBaseUnits base);
int DialogUnitsToPixelsY(int units, DialogBaseUnits base);
PixelRect DialogRectToPixels(int x, int y, int width, int height, DialogBaseUnits base);
