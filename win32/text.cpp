#include "win32/text.h"

#include <cstring>

#include "draw/scale.h"
#include "store/gbk.h"
#include "win32/dpi.h"

WideText Widen(const char* gbk, int length) {
    WideText wide = {};
    if (gbk == nullptr) return wide;
    if (length < 0) length = static_cast<int>(std::strlen(gbk));
    // Every GBK character is one UTF-16 unit, so keeping the first units
    // cuts at a whole character.
    wchar_t all[512];
    const int bytes = length < 511 ? length : 511;
    const int units = bytes > 0 ? MultiByteToWideChar(kGbkCodePage, 0, gbk, bytes, all, 512) : 0;
    const int capacity = static_cast<int>(sizeof wide.text / sizeof wide.text[0]) - 1;
    wide.length = units < capacity ? units : capacity;
    for (int i = 0; i < wide.length; ++i) wide.text[i] = all[i];
    wide.text[wide.length] = L'\0';
    return wide;
}

void Narrow(const wchar_t* wide, char* gbk, int size) {
    if (size <= 0) return;
    gbk[0] = '\0';
    if (wide == nullptr) return;
    // Converted whole first, then cut, so the cut never halves a character.
    char whole[512];
    const int written = WideCharToMultiByte(kGbkCodePage, 0, wide, -1, whole, sizeof whole, "?", nullptr);
    if (written <= 0) whole[0] = '\0';
    whole[sizeof whole - 1] = '\0';
    CopyGbkPrefix(gbk, whole, static_cast<size_t>(size - 1));
}

namespace {

// A stock font's size at 96 dots per inch, as (average width, height). The
// system font is 7 by 16 there, on Windows and on Wine alike; what it
// reports at another scale differs between them (Wine scales its height
// and keeps its width). The other stock fonts are raster fonts of one
// size, made for 96.
SIZE SizeAtBase(int stockFont, const LOGFONTW& stock) {
    if (stockFont == SYSTEM_FONT) return {7, 16};
    return {stock.lfWidth, stock.lfHeight};
}

}  // namespace

HFONT CreateFontLike(int stockFont, int dpi) {
    LOGFONTW font = {};
    GetObjectW(GetStockObject(stockFont), sizeof font, &font);
    const bool gbk = GetACP() == kGbkCodePage;
    // At 96 on a screen of 96 the stock font is the one the program has
    // always used.
    const bool base = dpi == kBaseDpi && ScreenDpi() == kBaseDpi;
    if (gbk && base) return nullptr;
    if (!base) {
        const SIZE size = SizeAtBase(stockFont, font);
        font.lfHeight = MulDiv(size.cy, dpi, kBaseDpi);
        font.lfWidth = MulDiv(size.cx, dpi, kBaseDpi);
    }
    if (!gbk) {
        // No face named: the font mapper picks one that holds the character
        // set, at its own width.
        font.lfWidth = 0;
        font.lfCharSet = GB2312_CHARSET;
        font.lfOutPrecision = OUT_DEFAULT_PRECIS;
        font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        font.lfQuality = DEFAULT_QUALITY;
        font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
        font.lfFaceName[0] = L'\0';
    }
    return CreateFontIndirectW(&font);
}
