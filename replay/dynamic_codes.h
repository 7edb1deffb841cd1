#pragma once
#include <cstdint>

#include "replay/bit_writer.h"
#include "replay/deflate.h"

// A dynamic block's codes, and its header: the two codes' lengths, run-length
// coded with symbols 16 to 18 and sent in the code-length code.
struct DynamicCodes {
    uint8_t literalBits[kLengthSymbols];
    uint16_t literalCodes[kLengthSymbols];
    uint8_t distanceBits[kDistanceSymbols];
    uint16_t distanceCodes[kDistanceSymbols];
    int literalCount, distanceCount, codeLengthCount;  // as sent: trailing zero lengths left out
    uint8_t runSymbol[kLengthSymbols + kDistanceSymbols];
    uint8_t runExtra[kLengthSymbols + kDistanceSymbols];
    int runs;
    uint8_t codeLengthBits[kCodeLengthSymbols];
    uint16_t codeLengthCodes[kCodeLengthSymbols];

    DynamicCodes(const uint32_t* literals, const uint32_t* distances);
    long HeaderBits() const;
    void WriteHeader(BitWriter& out) const;

private:
    void AddRun(int symbol, int extra = 0) {
        runSymbol[runs] = static_cast<uint8_t>(symbol);
        runExtra[runs++] = static_cast<uint8_t>(extra);
    }
    void RunLengthCode(const uint8_t* lengths, int total);
};
