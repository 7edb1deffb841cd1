#include "store/gbk.h"

void CopyGbkPrefix(char* dst, const char* src, size_t maxBytes) {
    size_t kept = 0;
    while (kept < maxBytes && src[kept] != '\0') {
        const bool doubleByte = IsGbkLeadByte(static_cast<unsigned char>(src[kept])) && src[kept + 1] != '\0';
        const size_t width = doubleByte ? 2 : 1;
        if (kept + width > maxBytes) break;
        kept += width;
    }
    for (size_t i = 0; i < kept; ++i) dst[i] = src[i];
    dst[kept] = '\0';
}
