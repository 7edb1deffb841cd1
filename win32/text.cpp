#include "win32/text.h"

#include <cstring>

#include "store/gbk.h"

WideText Widen(const char* gbk, int length) {
    WideText wide = {};
    if (gbk == nullptr) return wide;
    if (length < 0) length = static_cast<int>(std::strlen(gbk));
    const int capacity = static_cast<int>(sizeof wide.text / sizeof wide.text[0]) - 1;
    wide.length = MultiByteToWideChar(kGbkCodePage, 0, gbk, length, wide.text, capacity);
    if (wide.length == 0 && length > 0) {
        // Too long for the buffer: keep what fits, cut at a whole character.
        char cut[sizeof wide.text / sizeof wide.text[0]];
        CopyGbkPrefix(cut, gbk, static_cast<size_t>(capacity));
        wide.length = MultiByteToWideChar(kGbkCodePage, 0, cut, -1, wide.text, capacity + 1) - 1;
        if (wide.length < 0) wide.length = 0;
    }
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

bool SystemCodePageIsGbk() { return GetACP() == kGbkCodePage; }

HFONT CreateGbkFont(int height, int weight) {
    // No face named: the font mapper picks one that holds the character set.
    return CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"");
}
