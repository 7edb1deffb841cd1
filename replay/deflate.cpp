// The compressor: LZ77 matches found through hash chains over the last
// 32 KiB, lazily (a match is put off by one byte when the next one is
// longer), then each block of symbols sent in whichever of the three block
// types comes out shortest.
#include <algorithm>
#include <iterator>

#include "replay/bit_writer.h"
#include "replay/deflate.h"
#include "replay/dynamic_codes.h"
#include "replay/huffman.h"

namespace {

constexpr int kHashBits = 15;
constexpr int kMaxChain = 4096;        // earlier places a search looks at
constexpr int kBlockSymbols = 1 << 14; // literals and matches of one block

// Static rather than on the stack: 256 KB is four times a WebAssembly stack.
int32_t head[1 << kHashBits];  // the latest place with each hash, or -1
int32_t previous[kWindowSize];  // the place before p with p's hash, at p % kWindowSize

struct Symbol {
    uint16_t value;     // a literal byte, or a match's length
    uint16_t distance;  // 0 for a literal
};
Symbol symbols[kBlockSymbols];

int LengthSlot(int length) {
    int slot = 0;
    while (slot < kLengthSlots - 1 && kLengthBase[slot + 1] <= length) ++slot;
    return slot;
}

int DistanceSlot(int distance) {
    int slot = 0;
    while (slot < kDistanceSymbols - 1 && kDistanceBase[slot + 1] <= distance) ++slot;
    return slot;
}

class MatchFinder {
public:
    MatchFinder(const uint8_t* data, int length) : data_(data), length_(length) {
        std::fill(std::begin(head), std::end(head), -1);
    }

    // Makes `at` a place later searches can find.
    void Insert(int at) {
        if (at + kMinMatch > length_) return;
        int32_t& latest = head[Hash(at)];
        previous[at % kWindowSize] = latest;
        latest = at;
    }

    // The longest match for the bytes at `at` among the places inserted, its
    // length (0 when shorter than kMinMatch) and *distance.
    int Longest(int at, int* distance) const {
        const int most = std::min(kMaxMatch, length_ - at);
        if (most < kMinMatch) return 0;
        int best = kMinMatch - 1;
        int chain = kMaxChain;
        for (int place = head[Hash(at)]; place >= 0 && at - place <= kWindowSize && chain-- > 0;) {
            if (data_[place + best] == data_[at + best]) {
                int n = 0;
                while (n < most && data_[place + n] == data_[at + n]) ++n;
                if (n > best) {
                    best = n;
                    *distance = at - place;
                    if (n == most) break;
                }
            }
            const int before = previous[place % kWindowSize];
            if (before >= place) break;  // its slot was taken by a later place: the chain ends
            place = before;
        }
        return best >= kMinMatch ? best : 0;
    }

private:
    int Hash(int at) const {
        const uint32_t three = data_[at] | data_[at + 1] << 8 | data_[at + 2] << 16;
        return static_cast<int>((three * 2654435761u) >> (32 - kHashBits));
    }

    const uint8_t* data_;
    int length_;
};

// The symbols of the block being gathered, their counts, and the span of
// input they stand for.
class BlockWriter {
public:
    BlockWriter(const uint8_t* data, ByteSink& sink) : data_(data), out_(sink) { Reset(0); }

    void Literal(int byte) {
        symbols[count_++] = Symbol{static_cast<uint16_t>(byte), 0};
        ++literals_[byte];
        end_ += 1;
    }

    void Match(int length, int distance) {
        symbols[count_++] = Symbol{static_cast<uint16_t>(length), static_cast<uint16_t>(distance)};
        ++literals_[kEndOfBlock + 1 + LengthSlot(length)];
        ++distances_[DistanceSlot(distance)];
        end_ += length;
    }

    bool full() const { return count_ == kBlockSymbols; }

    void Flush(bool final);

private:
    void Reset(int start) {
        std::fill(std::begin(literals_), std::end(literals_), 0);
        std::fill(std::begin(distances_), std::end(distances_), 0);
        literals_[kEndOfBlock] = 1;
        count_ = 0;
        start_ = end_ = start;
    }

    long ExtraBits() const;
    long StoredBits() const;
    void WriteStored(bool final);
    void WriteSymbols(const uint16_t* literalCodes, const uint8_t* literalBits, const uint16_t* distanceCodes,
                      const uint8_t* distanceBits);

    const uint8_t* data_;
    BitWriter out_;
    uint32_t literals_[kLengthSymbols];
    uint32_t distances_[kDistanceSymbols];
    int count_;
    int start_, end_;
};

long BlockWriter::ExtraBits() const {
    long bits = 0;
    for (int i = 0; i < count_; ++i)
        if (symbols[i].distance != 0)
            bits += kLengthExtra[LengthSlot(symbols[i].value)] + kDistanceExtra[DistanceSlot(symbols[i].distance)];
    return bits;
}

// Each stored block of up to 65535 bytes: its 3 header bits, the rest of
// that byte, and 4 bytes of length.
long BlockWriter::StoredBits() const {
    const long bytes = end_ - start_;
    const long blocks = std::max(1L, (bytes + kMaxStoredLength - 1) / kMaxStoredLength);
    const long firstPad = (8 - (out_.pending() + 3) % 8) % 8;
    return blocks * (3 + 32) + firstPad + (blocks - 1) * 5 + bytes * 8;
}

void BlockWriter::WriteStored(bool final) {
    int at = start_;
    do {
        const int size = std::min(kMaxStoredLength, end_ - at);
        out_.Put(final && at + size == end_ ? 1 : 0, 1);
        out_.Put(0, 2);
        out_.FinishByte();
        out_.Put(static_cast<uint32_t>(size), 16);
        out_.Put(static_cast<uint32_t>(size ^ 0xFFFF), 16);
        for (int i = 0; i < size; ++i) out_.Put(data_[at + i], 8);
        at += size;
    } while (at < end_);
}

void BlockWriter::WriteSymbols(const uint16_t* literalCodes, const uint8_t* literalBits,
                               const uint16_t* distanceCodes, const uint8_t* distanceBits) {
    for (int i = 0; i < count_; ++i) {
        const Symbol s = symbols[i];
        if (s.distance == 0) {
            out_.Put(literalCodes[s.value], literalBits[s.value]);
            continue;
        }
        const int length = LengthSlot(s.value), distance = DistanceSlot(s.distance);
        const int symbol = kEndOfBlock + 1 + length;
        out_.Put(literalCodes[symbol], literalBits[symbol]);
        out_.Put(s.value - kLengthBase[length], kLengthExtra[length]);
        out_.Put(distanceCodes[distance], distanceBits[distance]);
        out_.Put(s.distance - kDistanceBase[distance], kDistanceExtra[distance]);
    }
    out_.Put(literalCodes[kEndOfBlock], literalBits[kEndOfBlock]);
}

void BlockWriter::Flush(bool final) {
    // The fixed code's lengths over all 288 symbols: the two never sent
    // still come before the 9-bit codes.
    uint8_t fixedLiteralBits[kFixedLiteralSymbols], fixedDistanceBits[kDistanceSymbols];
    for (int s = 0; s < kFixedLiteralSymbols; ++s) fixedLiteralBits[s] = static_cast<uint8_t>(FixedLengthBits(s));
    std::fill(std::begin(fixedDistanceBits), std::end(fixedDistanceBits), kFixedDistanceBits);
    const DynamicCodes dynamic(literals_, distances_);
    long fixedBits = 3 + ExtraBits(), dynamicBits = 3 + ExtraBits() + dynamic.HeaderBits();
    for (int s = 0; s < kLengthSymbols; ++s) {
        fixedBits += static_cast<long>(literals_[s]) * fixedLiteralBits[s];
        dynamicBits += static_cast<long>(literals_[s]) * dynamic.literalBits[s];
    }
    for (int s = 0; s < kDistanceSymbols; ++s) {
        fixedBits += static_cast<long>(distances_[s]) * kFixedDistanceBits;
        dynamicBits += static_cast<long>(distances_[s]) * dynamic.distanceBits[s];
    }

    if (StoredBits() <= std::min(fixedBits, dynamicBits)) {
        WriteStored(final);
    } else if (fixedBits <= dynamicBits) {
        uint16_t literalCodes[kFixedLiteralSymbols], distanceCodes[kDistanceSymbols];
        AssignCodes(fixedLiteralBits, kFixedLiteralSymbols, literalCodes);
        AssignCodes(fixedDistanceBits, kDistanceSymbols, distanceCodes);
        out_.Put(final ? 1 : 0, 1);
        out_.Put(1, 2);
        WriteSymbols(literalCodes, fixedLiteralBits, distanceCodes, fixedDistanceBits);
    } else {
        out_.Put(final ? 1 : 0, 1);
        out_.Put(2, 2);
        dynamic.WriteHeader(out_);
        WriteSymbols(dynamic.literalCodes, dynamic.literalBits, dynamic.distanceCodes, dynamic.distanceBits);
    }
    if (final) out_.FinishByte();
    Reset(end_);
}

}  // namespace

void Deflate(const uint8_t* data, int length, ByteSink& sink) {
    MatchFinder finder(data, length);
    BlockWriter block(data, sink);
    auto literal = [&](int at) {
        block.Literal(data[at]);
        if (block.full()) block.Flush(false);
    };
    auto match = [&](int length, int distance) {
        block.Match(length, distance);
        if (block.full()) block.Flush(false);
    };
    // A match found at `at` waits (as `pending`) until the match at the
    // next byte is known: if that one is longer, the first byte goes as a
    // literal instead.
    int pendingLength = 0, pendingDistance = 0;
    for (int at = 0; at < length;) {
        int distance = 0;
        const int found = finder.Longest(at, &distance);
        if (pendingLength != 0 && found <= pendingLength) {
            match(pendingLength, pendingDistance);
            for (int p = at; p < at - 1 + pendingLength; ++p) finder.Insert(p);
            at += pendingLength - 1;
            pendingLength = 0;
            continue;
        }
        if (pendingLength != 0) literal(at - 1);
        finder.Insert(at);
        if (found != 0) {
            pendingLength = found;
            pendingDistance = distance;
        } else {
            literal(at);
        }
        ++at;
    }
    if (pendingLength != 0) match(pendingLength, pendingDistance);
    block.Flush(true);
}
