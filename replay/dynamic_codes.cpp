#include "replay/dynamic_codes.h"

#include <algorithm>

#include "replay/huffman.h"

namespace {

int RunExtraBits(int symbol) { return symbol < kFirstRepeatSymbol ? 0 : kRepeatExtra[symbol - kFirstRepeatSymbol]; }

}  // namespace

DynamicCodes::DynamicCodes(const uint32_t* literals, const uint32_t* distances) {
    BuildCodeLengths(literals, kLengthSymbols, kMaxCodeBits, literalBits);
    BuildCodeLengths(distances, kDistanceSymbols, kMaxCodeBits, distanceBits);
    AssignCodes(literalBits, kLengthSymbols, literalCodes);
    AssignCodes(distanceBits, kDistanceSymbols, distanceCodes);
    literalCount = kLengthSymbols;
    while (literalCount > kEndOfBlock + 1 && literalBits[literalCount - 1] == 0) --literalCount;
    distanceCount = kDistanceSymbols;
    while (distanceCount > 1 && distanceBits[distanceCount - 1] == 0) --distanceCount;
    uint8_t all[kLengthSymbols + kDistanceSymbols];
    std::copy(literalBits, literalBits + literalCount, all);
    std::copy(distanceBits, distanceBits + distanceCount, all + literalCount);
    RunLengthCode(all, literalCount + distanceCount);
    uint32_t counts[kCodeLengthSymbols] = {};
    for (int i = 0; i < runs; ++i) ++counts[runSymbol[i]];
    BuildCodeLengths(counts, kCodeLengthSymbols, kMaxCodeLengthBits, codeLengthBits);
    AssignCodes(codeLengthBits, kCodeLengthSymbols, codeLengthCodes);
    codeLengthCount = kCodeLengthSymbols;
    while (codeLengthCount > 4 && codeLengthBits[kCodeLengthOrder[codeLengthCount - 1]] == 0) --codeLengthCount;
}

// Each run of a length other than 0 as the length once, then 16 for the
// rest; each run of zeros as 18 while it is long, then 17. What is left
// over, shorter than any repeat, goes length by length.
void DynamicCodes::RunLengthCode(const uint8_t* lengths, int total) {
    constexpr int kRepeatLast = kFirstRepeatSymbol, kShortZeros = kFirstRepeatSymbol + 1,
                  kLongZeros = kFirstRepeatSymbol + 2;
    runs = 0;
    for (int i = 0; i < total;) {
        const int value = lengths[i];
        int run = 1;
        while (i + run < total && lengths[i + run] == value) ++run;
        i += run;
        if (value != 0) {
            AddRun(value);
            --run;
        }
        for (const int symbol : {value == 0 ? kLongZeros : kRepeatLast, value == 0 ? kShortZeros : kRepeatLast}) {
            const int kind = symbol - kFirstRepeatSymbol;
            const int fewest = kRepeatBase[kind], most = fewest + (1 << kRepeatExtra[kind]) - 1;
            for (; run >= fewest; run -= std::min(run, most)) AddRun(symbol, std::min(run, most) - fewest);
        }
        for (; run > 0; --run) AddRun(value);
    }
}

long DynamicCodes::HeaderBits() const {
    long bits = 5 + 5 + 4 + 3L * codeLengthCount;
    for (int i = 0; i < runs; ++i) bits += codeLengthBits[runSymbol[i]] + RunExtraBits(runSymbol[i]);
    return bits;
}

void DynamicCodes::WriteHeader(BitWriter& out) const {
    out.Put(static_cast<uint32_t>(literalCount - (kEndOfBlock + 1)), 5);
    out.Put(static_cast<uint32_t>(distanceCount - 1), 5);
    out.Put(static_cast<uint32_t>(codeLengthCount - 4), 4);
    for (int i = 0; i < codeLengthCount; ++i) out.Put(codeLengthBits[kCodeLengthOrder[i]], 3);
    for (int i = 0; i < runs; ++i) {
        out.Put(codeLengthCodes[runSymbol[i]], codeLengthBits[runSymbol[i]]);
        out.Put(runExtra[i], RunExtraBits(runSymbol[i]));
    }
}
