#include "resources/dialog_script.h"

#include <cstring>

namespace {

// The Win32 style bits the script names (winuser.h).
struct StyleConstant {
    const char* name;
    long long value;
};

constexpr long long kCentreStyle = 0x0800;  // DS_CENTER

constexpr StyleConstant kStyleConstants[] = {
    {"DS_3DLOOK", 0x0004},        {"DS_MODALFRAME", 0x0080},     {"DS_CENTER", kCentreStyle},
    {"DS_CONTEXTHELP", 0x2000},   {"WS_POPUP", 0x80000000LL},    {"WS_VISIBLE", 0x10000000},
    {"WS_CAPTION", 0x00C00000},   {"WS_BORDER", 0x00800000},     {"WS_GROUP", 0x00020000},
    {"WS_TABSTOP", 0x00010000},   {"SS_LEFT", 0x0000},           {"SS_ICON", 0x0003},
    {"SS_ETCHEDHORZ", 0x0010},    {"BS_PUSHBUTTON", 0x0000},     {"BS_DEFPUSHBUTTON", 0x0001},
    {"BS_AUTOCHECKBOX", 0x0003},  {"BS_GROUPBOX", 0x0007},       {"BS_AUTORADIOBUTTON", 0x0009},
    {"BS_CENTER", 0x0300},        {"ES_LEFT", 0x0000},
};

constexpr long long kGroupStyle = 0x00020000;    // WS_GROUP
constexpr long long kTabStopStyle = 0x00010000;  // WS_TABSTOP
constexpr long long kStaticTypeMask = 0x1F;      // SS_TYPEMASK
constexpr long long kButtonTypeMask = 0x0F;      // BS_TYPEMASK

constexpr int kMaxNameBytes = 40;
constexpr int kMaxValueBytes = 160;
constexpr int kMaxMacros = 64;
constexpr int kMaxLineBytes = 512;
constexpr int kMaxMacroDepth = 8;

struct Macro {
    char name[kMaxNameBytes];
    char value[kMaxValueBytes];
};

struct Macros {
    int count;
    Macro entries[kMaxMacros];
};

bool IsNameStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameChar(char c) { return IsNameStart(c) || IsDigit(c); }

int HexDigit(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads one statement's text left to right; every reader leaves the cursor
// unspecified when it fails, and a failure ends the whole parse.
struct Cursor {
    const char* at;

    void SkipSpaces() {
        while (*at == ' ' || *at == '\t') ++at;
    }
    bool AtEnd() {
        SkipSpaces();
        return *at == '\0';
    }
    bool Take(char c) {
        SkipSpaces();
        if (*at != c) return false;
        ++at;
        return true;
    }
    bool Name(char (&out)[kMaxNameBytes]) {
        SkipSpaces();
        if (!IsNameStart(*at)) return false;
        int length = 0;
        while (IsNameChar(*at)) {
            if (length == kMaxNameBytes - 1) return false;
            out[length++] = *at++;
        }
        out[length] = '\0';
        return true;
    }
    bool Keyword(const char* word) {
        SkipSpaces();
        const size_t length = std::strlen(word);
        if (std::strncmp(at, word, length) != 0 || IsNameChar(at[length])) return false;
        at += length;
        return true;
    }
    bool StartsString() {
        SkipSpaces();
        return *at == '"';
    }
    // A quoted text; "" inside stands for one quote.
    bool String(char (&out)[kMaxDialogTextBytes]) {
        if (!Take('"')) return false;
        int length = 0;
        for (;;) {
            if (*at == '\0') return false;
            if (*at == '"' && at[1] != '"') break;
            if (*at == '"') ++at;
            if (length == kMaxDialogTextBytes - 1) return false;
            out[length++] = *at++;
        }
        ++at;
        out[length] = '\0';
        return true;
    }
    bool Number(long long& value) {
        SkipSpaces();
        if (!IsDigit(*at)) return false;
        value = 0;
        if (at[0] == '0' && (at[1] == 'x' || at[1] == 'X')) {
            at += 2;
            if (HexDigit(*at) < 0) return false;
            for (int digits = 0; HexDigit(*at) >= 0; ++digits, ++at) {
                if (digits == 8) return false;
                value = value * 16 + HexDigit(*at);
            }
        } else {
            for (int digits = 0; IsDigit(*at); ++digits, ++at) {
                if (digits == 10) return false;
                value = value * 10 + (*at - '0');
            }
        }
        return !IsNameChar(*at);
    }
};

const Macro* FindMacro(const Macros& macros, const char* name) {
    for (int i = macros.count - 1; i >= 0; --i)
        if (std::strcmp(macros.entries[i].name, name) == 0) return &macros.entries[i];
    return nullptr;
}

bool Expression(Cursor& cursor, const Macros& macros, long long& value, int depth = 0);

// A number, a style constant or a macro, with an optional minus.
bool Term(Cursor& cursor, const Macros& macros, long long& value, int depth) {
    const bool negative = cursor.Take('-');
    char name[kMaxNameBytes];
    const char* start = cursor.at;
    if (cursor.Name(name)) {
        if (const Macro* macro = FindMacro(macros, name)) {
            if (depth == kMaxMacroDepth) return false;
            Cursor inner{macro->value};
            if (!Expression(inner, macros, value, depth + 1) || !inner.AtEnd()) return false;
        } else {
            bool known = false;
            for (const StyleConstant& constant : kStyleConstants) {
                if (std::strcmp(constant.name, name) == 0) {
                    value = constant.value;
                    known = true;
                }
            }
            if (!known) return false;
        }
    } else {
        cursor.at = start;
        if (!cursor.Number(value)) return false;
    }
    if (negative) value = -value;
    return true;
}

// Terms joined by "|", up to a comma or the end of the statement.
bool Expression(Cursor& cursor, const Macros& macros, long long& value, int depth) {
    if (!Term(cursor, macros, value, depth)) return false;
    while (cursor.Take('|')) {
        long long next = 0;
        if (!Term(cursor, macros, next, depth)) return false;
        value |= next;
    }
    return true;
}

bool IntExpression(Cursor& cursor, const Macros& macros, int& value) {
    long long wide = 0;
    if (!Expression(cursor, macros, wide) || wide < -0x7FFFFFFFLL || wide > 0x7FFFFFFFLL) return false;
    value = static_cast<int>(wide);
    return true;
}

// "a, b, c, d" for a position and size.
bool Rectangle(Cursor& cursor, const Macros& macros, int& x, int& y, int& width, int& height) {
    return IntExpression(cursor, macros, x) && cursor.Take(',') && IntExpression(cursor, macros, y) &&
           cursor.Take(',') && IntExpression(cursor, macros, width) && cursor.Take(',') &&
           IntExpression(cursor, macros, height);
}

// Copies one line without its "//" comment (quotes respected) and without
// surrounding spaces. Returns where the next line starts, or null when the
// line is too long.
const char* NextLine(const char* text, char (&line)[kMaxLineBytes]) {
    int length = 0;
    bool quoted = false;
    bool comment = false;
    for (; *text != '\0' && *text != '\n'; ++text) {
        if (!quoted && text[0] == '/' && text[1] == '/') comment = true;
        if (comment || *text == '\r') continue;
        if (*text == '"') quoted = !quoted;
        if (length == kMaxLineBytes - 1) return nullptr;
        line[length++] = *text;
    }
    while (length > 0 && (line[length - 1] == ' ' || line[length - 1] == '\t')) --length;
    line[length] = '\0';
    return *text == '\n' ? text + 1 : text;
}

bool Define(Cursor& cursor, Macros& macros) {
    if (macros.count == kMaxMacros) return false;
    Macro& macro = macros.entries[macros.count];
    if (!cursor.Name(macro.name)) return false;
    cursor.SkipSpaces();
    if (std::strlen(cursor.at) >= sizeof macro.value) return false;
    std::strcpy(macro.value, cursor.at);
    ++macros.count;
    return true;
}

// Window class names are not case-sensitive.
bool SameClassName(const char* a, const char* b) {
    for (;; ++a, ++b) {
        const char lowerA = (*a >= 'A' && *a <= 'Z') ? static_cast<char>(*a - 'A' + 'a') : *a;
        const char lowerB = (*b >= 'A' && *b <= 'Z') ? static_cast<char>(*b - 'A' + 'a') : *b;
        if (lowerA != lowerB) return false;
        if (lowerA == '\0') return true;
    }
}

bool KindOf(const char* windowClass, long long style, ControlKind& kind) {
    if (SameClassName(windowClass, "Static")) {
        switch (style & kStaticTypeMask) {
        case 0x00: kind = ControlKind::Label; return true;  // SS_LEFT
        case 0x03: kind = ControlKind::Icon; return true;
        case 0x10: kind = ControlKind::EtchedRule; return true;
        default: return false;
        }
    }
    if (SameClassName(windowClass, "Button")) {
        switch (style & kButtonTypeMask) {
        case 0x0:
        case 0x1: kind = ControlKind::PushButton; return true;
        case 0x3: kind = ControlKind::CheckBox; return true;
        case 0x7: kind = ControlKind::GroupBox; return true;
        case 0x9: kind = ControlKind::RadioButton; return true;
        default: return false;
        }
    }
    if (SameClassName(windowClass, "Edit")) {
        kind = ControlKind::EditBox;
        return true;
    }
    return false;
}

// CONTROL text-or-icon, id, "Class", style, x, y, w, h
bool Control(Cursor& cursor, const Macros& macros, DialogTemplate& dialog) {
    if (dialog.controlCount == kMaxDialogControls) return false;
    DialogControl control = {};
    bool hasText = cursor.StartsString();
    if (hasText ? !cursor.String(control.text) : !IntExpression(cursor, macros, control.iconId)) return false;
    char windowClass[kMaxDialogTextBytes];
    long long style = 0;
    if (!cursor.Take(',') || !IntExpression(cursor, macros, control.id) || !cursor.Take(',') ||
        !cursor.String(windowClass) || !cursor.Take(',') || !Expression(cursor, macros, style) ||
        !cursor.Take(',') ||
        !Rectangle(cursor, macros, control.x, control.y, control.width, control.height) || !cursor.AtEnd())
        return false;
    if (!KindOf(windowClass, style, control.kind)) return false;
    // An icon is named by its resource id; every other control has a text.
    if ((control.kind == ControlKind::Icon) == hasText) return false;
    control.startsGroup = (style & kGroupStyle) != 0;
    control.tabStop = (style & kTabStopStyle) != 0;
    dialog.controls[dialog.controlCount++] = control;
    return true;
}

enum class Place { BetweenTemplates, BeforeControls, AmongControls };

// One statement of the templates, in the place the reader has reached.
bool Statement(Cursor& cursor, const Macros& macros, Place& place, DialogScript& result) {
    if (place == Place::BetweenTemplates) {
        if (result.templateCount == kMaxDialogTemplates) return false;
        DialogTemplate& dialog = result.templates[result.templateCount];
        dialog = DialogTemplate{};
        if (!IntExpression(cursor, macros, dialog.id) || !cursor.Keyword("DIALOG") ||
            !Rectangle(cursor, macros, dialog.x, dialog.y, dialog.width, dialog.height) || !cursor.AtEnd())
            return false;
        ++result.templateCount;
        place = Place::BeforeControls;
        return true;
    }
    DialogTemplate& dialog = result.templates[result.templateCount - 1];
    if (place == Place::AmongControls) {
        if (cursor.Keyword("END")) {
            place = Place::BetweenTemplates;
            return cursor.AtEnd();
        }
        return cursor.Keyword("CONTROL") && Control(cursor, macros, dialog);
    }
    if (cursor.Keyword("STYLE")) {
        long long style = 0;
        if (!Expression(cursor, macros, style)) return false;
        dialog.centred = (style & kCentreStyle) != 0;
    } else if (cursor.Keyword("CAPTION")) {
        if (!cursor.String(dialog.caption)) return false;
    } else if (cursor.Keyword("FONT")) {
        long long points = 0;
        char face[kMaxDialogTextBytes];
        if (!cursor.Number(points) || !cursor.Take(',') || !cursor.String(face)) return false;
    } else if (cursor.Keyword("BEGIN")) {
        place = Place::AmongControls;
    } else {
        return false;
    }
    return cursor.AtEnd();
}

// Reads the lines of one text: directives always, statements only when
// `result` is given.
bool ReadText(const char* text, Macros& macros, DialogScript* result) {
    Place place = Place::BetweenTemplates;
    char line[kMaxLineBytes];
    while (*text != '\0') {
        text = NextLine(text, line);
        if (text == nullptr) return false;
        Cursor cursor{line};
        if (cursor.AtEnd()) continue;
        if (cursor.Take('#')) {
            if (cursor.Keyword("define")) {
                if (!Define(cursor, macros)) return false;
            } else if (!cursor.Keyword("pragma")) {
                return false;
            }
            continue;
        }
        if (result == nullptr || !Statement(cursor, macros, place, *result)) return false;
    }
    return place == Place::BetweenTemplates;
}

}  // namespace

bool ParseDialogScript(const char* header, const char* script, DialogScript& result) {
    result.templateCount = 0;
    Macros macros;
    macros.count = 0;
    return ReadText(header, macros, nullptr) && ReadText(script, macros, &result);
}

const DialogTemplate* FindDialogTemplate(const DialogScript& script, int id) {
    for (int i = 0; i < script.templateCount; ++i)
        if (script.templates[i].id == id) return &script.templates[i];
    return nullptr;
}

const DialogControl* FindDialogControl(const DialogTemplate& dialog, int id) {
    for (int i = 0; i < dialog.controlCount; ++i)
        if (dialog.controls[i].id == id) return &dialog.controls[i];
    return nullptr;
}

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) return -1;
    const long long product = static_cast<long long>(number) * numerator;
    const long long magnitude = product < 0 ? -product : product;
    const long long divisor = denominator < 0 ? -static_cast<long long>(denominator) : denominator;
    const long long quotient = (magnitude + divisor / 2) / divisor;
    const long long result = (product < 0) != (denominator < 0) ? -quotient : quotient;
    if (result > 0x7FFFFFFFLL || result < -0x7FFFFFFFLL - 1) return -1;
    return static_cast<int>(result);
}

DialogBaseUnits BaseUnitsForFont(int alphabetWidth, int fontHeight) {
    constexpr int kLetters = 26;  // the width of 52 letters over 26, rounded half up, halved
    return {(alphabetWidth / kLetters + 1) / 2, fontHeight};
}

int DialogUnitsToPixelsX(int units, DialogBaseUnits base) { return MulDiv(units, base.x, 4); }
int DialogUnitsToPixelsY(int units, DialogBaseUnits base) { return MulDiv(units, base.y, 8); }

PixelRect DialogRectToPixels(int x, int y, int width, int height, DialogBaseUnits base) {
    return {DialogUnitsToPixelsX(x, base), DialogUnitsToPixelsY(y, base), DialogUnitsToPixelsX(width, base),
            DialogUnitsToPixelsY(height, base)};
}
