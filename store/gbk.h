#pragma once
// GBK text measured and cut in bytes.
#include <cstddef>

// A GBK lead byte starts a two-byte character.
inline bool IsGbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

// Copies at most maxBytes bytes of the zero-terminated src into dst (which
// holds maxBytes + 1) and terminates it. A double-byte character that the
// cut would split is left out whole, so the text never ends in half a
// character.
void CopyGbkPrefix(char* dst, const char* src, size_t maxBytes);
