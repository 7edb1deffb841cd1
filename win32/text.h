#pragma once
// GBK is the program's own text. Whatever code page the system runs with,
// text crosses into and out of it as UTF-16, converted with code page 936,
// so the labels, buttons, menus, boxes and dialogs read the same on every
// Windows.
#include <windows.h>

constexpr UINT kGbkCodePage = 936;

// One of the program's texts as UTF-16: short texts only (labels, captions,
// names, questions); the first 127 characters of a longer one.
struct WideText {
    wchar_t text[128];
    int length;  // UTF-16 units, without the terminator
    operator const wchar_t*() const { return text; }
};

// `length` GBK bytes, or up to the terminator when length < 0.
WideText Widen(const char* gbk, int length = -1);

// UTF-16 back into GBK, terminated within `size` bytes, never splitting a
// double-byte character; a character GBK cannot hold becomes "?".
void Narrow(const wchar_t* wide, char* gbk, int size);

// A font like a stock one at `dpi`, which the caller frees, where the stock
// font itself will not do: where the system's code page for programs that
// are not Unicode is not GBK's (the stock fonts cannot show the texts), or
// at another scale than 96 dots per inch, where it is the stock font's size
// at 96 scaled. Null where the stock font will do.
HFONT CreateFontLike(int stockFont, int dpi);
