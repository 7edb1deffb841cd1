#include "win32/text.h"

#include <cstring>

#include "store/gbk.h"

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

HFONT CreateGbkFontLike(int stockFont) {
    if (GetACP() == kGbkCodePage) return nullptr;
    LOGFONTW stock = {};
    GetObjectW(GetStockObject(stockFont), sizeof stock, &stock);
    // No face named: the font mapper picks one that holds the character set.
    return CreateFontW(stock.lfHeight, 0, 0, 0, stock.lfWeight, FALSE, FALSE, FALSE, GB2312_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"");
}
