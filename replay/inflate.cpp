// The decompressor: reads every block type and refuses any stream that is
// not exactly what the format allows, without reading or writing outside
// the buffers whatever the input.
#include "replay/deflate.h"

namespace {

constexpr int kMaxSymbols = kFixedLiteralSymbols;  // the largest alphabet

// Least significant bit first, as the format packs everything but codes.
class BitReader {
public:
    explicit BitReader(ByteSource& source) : source_(source) {}

    // The next n bits (up to 16) as a number, or -1 when the input ends
    // first, and from then on.
    int Take(int n) {
        while (count_ < n) {
            const int byte = ended_ ? -1 : source_.Next();
            ended_ = byte < 0;
            if (ended_) return -1;
            bits_ |= static_cast<uint32_t>(byte) << count_;
            count_ += 8;
        }
        const int value = static_cast<int>(bits_ & ((1u << n) - 1));
        bits_ >>= n;
        count_ -= n;
        return value;
    }

    // Drops what is left of the byte being read, before a stored block.
    void SkipToByte() {
        bits_ >>= count_ % 8;
        count_ -= count_ % 8;
    }

private:
    ByteSource& source_;
    uint32_t bits_ = 0;
    int count_ = 0;
    bool ended_ = false;
};

// A canonical code for decoding: how many codes each length has, and the
// symbols in the order of their codes.
struct Code {
    int16_t count[kMaxCodeBits + 1];
    int16_t symbol[kMaxSymbols];
    int used;  // symbols with a code
};

// Returns how many codes of the longest length are left unassigned: 0 for a
// complete code, more for an incomplete one, less for an over-subscribed one.
int Build(Code& code, const uint8_t* lengths, int n) {
    for (int16_t& c : code.count) c = 0;
    for (int i = 0; i < n; ++i) ++code.count[lengths[i]];
    code.used = n - code.count[0];
    int left = 1;
    for (int bits = 1; bits <= kMaxCodeBits; ++bits) {
        left = 2 * left - code.count[bits];
        if (left < 0) return left;
    }
    int next[kMaxCodeBits + 1] = {0, 0};
    for (int bits = 1; bits < kMaxCodeBits; ++bits) next[bits + 1] = next[bits] + code.count[bits];
    for (int i = 0; i < n; ++i)
        if (lengths[i] != 0) code.symbol[next[lengths[i]]++] = static_cast<int16_t>(i);
    return left;
}

// One symbol, a bit at a time: codes of a length follow all shorter ones, so
// the code read so far is a symbol once it falls below the first code of
// the next length. -1 when the input ends, or the bits are no code.
int Decode(BitReader& in, const Code& code) {
    int value = 0, first = 0, index = 0;
    for (int bits = 1; bits <= kMaxCodeBits; ++bits) {
        const int bit = in.Take(1);
        if (bit < 0) return -1;
        value |= bit;
        const int count = code.count[bits];
        if (value - first < count) return code.symbol[index + value - first];
        index += count;
        first = (first + count) << 1;
        value <<= 1;
    }
    return -1;
}

class Inflater {
public:
    Inflater(ByteSource& source, uint8_t* out, int capacity) : in_(source), out_(out), capacity_(capacity) {}

    InflateResult Run() {
        for (;;) {
            const int final = in_.Take(1);
            const int type = in_.Take(2);
            InflateResult result = InflateResult::Corrupt;
            if (type == 0) result = Stored();
            else if (type == 1) result = Fixed();
            else if (type == 2) result = Dynamic();
            if (result != InflateResult::Ok) return result;
            if (final == 1) return InflateResult::Ok;
        }
    }

    int length() const { return length_; }

private:
    InflateResult Stored() {
        in_.SkipToByte();
        const int size = in_.Take(16), complement = in_.Take(16);
        if (size < 0 || complement < 0 || (size ^ 0xFFFF) != complement) return InflateResult::Corrupt;
        for (int i = 0; i < size; ++i) {
            const int byte = in_.Take(8);
            if (byte < 0) return InflateResult::Corrupt;
            if (length_ == capacity_) return InflateResult::TooLong;
            out_[length_++] = static_cast<uint8_t>(byte);
        }
        return InflateResult::Ok;
    }

    InflateResult Fixed() {
        uint8_t lengths[kMaxSymbols + 32];
        for (int s = 0; s < kMaxSymbols; ++s) lengths[s] = static_cast<uint8_t>(FixedLengthBits(s));
        for (int s = 0; s < 32; ++s) lengths[kMaxSymbols + s] = kFixedDistanceBits;
        Build(literals_, lengths, kMaxSymbols);
        Build(distances_, lengths + kMaxSymbols, 32);  // 30 and 31 are decoded, then refused
        return Codes();
    }

    InflateResult Dynamic() {
        const int literalCount = in_.Take(5) + 257, distanceCount = in_.Take(5) + 1, codeLengthCount = in_.Take(4) + 4;
        // The input's end shows in the last count, read after the others.
        if (literalCount > kLengthSymbols || distanceCount > kDistanceSymbols || codeLengthCount < 4)
            return InflateResult::Corrupt;
        uint8_t lengths[kLengthSymbols + kDistanceSymbols] = {};
        for (int i = 0; i < codeLengthCount; ++i) {
            const int bits = in_.Take(3);
            if (bits < 0) return InflateResult::Corrupt;
            lengths[kCodeLengthOrder[i]] = static_cast<uint8_t>(bits);
        }
        Code codeLengths;
        if (Build(codeLengths, lengths, kCodeLengthSymbols) != 0) return InflateResult::Corrupt;

        const int total = literalCount + distanceCount;
        for (int i = 0; i < total;) {
            const int symbol = Decode(in_, codeLengths);
            if (symbol < 0) return InflateResult::Corrupt;
            if (symbol < kFirstRepeatSymbol) {
                lengths[i++] = static_cast<uint8_t>(symbol);
                continue;
            }
            const int kind = symbol - kFirstRepeatSymbol;
            if (kind == 0 && i == 0) return InflateResult::Corrupt;  // no last length to repeat
            const uint8_t value = kind == 0 ? lengths[i - 1] : 0;
            const int extra = in_.Take(kRepeatExtra[kind]);
            int repeat = extra + kRepeatBase[kind];
            if (extra < 0 || i + repeat > total) return InflateResult::Corrupt;
            while (repeat-- > 0) lengths[i++] = value;
        }
        if (lengths[kEndOfBlock] == 0) return InflateResult::Corrupt;
        if (Build(literals_, lengths, literalCount) != 0) return InflateResult::Corrupt;
        // A distance code may be incomplete only when it has one code (of one
        // bit) or none at all (a block of literals).
        const int left = Build(distances_, lengths + literalCount, distanceCount);
        if (left < 0 || (left > 0 && distances_.used > 1) || (distances_.used == 1 && distances_.count[1] != 1))
            return InflateResult::Corrupt;
        return Codes();
    }

    // The compressed data of a fixed or dynamic block, to its end code.
    InflateResult Codes() {
        for (;;) {
            int symbol = Decode(in_, literals_);
            if (symbol < 0) return InflateResult::Corrupt;
            if (symbol < kEndOfBlock) {
                if (length_ == capacity_) return InflateResult::TooLong;
                out_[length_++] = static_cast<uint8_t>(symbol);
                continue;
            }
            if (symbol == kEndOfBlock) return InflateResult::Ok;
            symbol -= kEndOfBlock + 1;
            if (symbol >= kLengthSlots) return InflateResult::Corrupt;  // 286 and 287
            const int lengthExtra = in_.Take(kLengthExtra[symbol]);
            const int distanceSymbol = Decode(in_, distances_);
            if (lengthExtra < 0 || distanceSymbol < 0 || distanceSymbol >= kDistanceSymbols)
                return InflateResult::Corrupt;
            const int distanceExtra = in_.Take(kDistanceExtra[distanceSymbol]);
            if (distanceExtra < 0) return InflateResult::Corrupt;
            const int size = kLengthBase[symbol] + lengthExtra;
            const int distance = kDistanceBase[distanceSymbol] + distanceExtra;
            if (distance > length_) return InflateResult::Corrupt;
            if (size > capacity_ - length_) return InflateResult::TooLong;
            // Byte by byte: a match may overlap the bytes it is writing.
            for (int i = 0; i < size; ++i, ++length_) out_[length_] = out_[length_ - distance];
        }
    }

    BitReader in_;
    uint8_t* out_;
    int capacity_;
    int length_ = 0;
    Code literals_;
    Code distances_;
};

}  // namespace

InflateResult Inflate(ByteSource& source, uint8_t* out, int capacity, int* length) {
    Inflater inflater(source, out, capacity);
    const InflateResult result = inflater.Run();
    *length = inflater.length();
    return result;
}
