#pragma once
// Raw DEFLATE (RFC 1951) both ways, over byte streams, for the replay link.
// The tables both directions read are here, once.
#include <cstdint>

constexpr int kWindowSize = 32768;       // the farthest a match may reach back
constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 258;
constexpr int kEndOfBlock = 256;
constexpr int kLengthSymbols = 286;      // literals, end of block, 29 lengths
constexpr int kDistanceSymbols = 30;
constexpr int kCodeLengthSymbols = 19;
constexpr int kMaxCodeBits = 15;         // literal/length and distance codes
constexpr int kMaxCodeLengthBits = 7;    // the code that sends the other codes' lengths
constexpr int kMaxStoredLength = 65535;  // bytes of one stored block

// Length symbols 257 to 285: the shortest length each stands for, and how
// many extra bits follow it.
constexpr int kLengthSlots = kLengthSymbols - kEndOfBlock - 1;
constexpr uint16_t kLengthBase[kLengthSlots] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                      31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr uint8_t kLengthExtra[kLengthSlots] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                      2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr uint16_t kDistanceBase[kDistanceSymbols] = {1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
                                        193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr uint8_t kDistanceExtra[kDistanceSymbols] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6,
                                        6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
// Code-length symbols 16 (the last length again), 17 and 18 (zeros): the
// fewest repeats each stands for, and how many extra bits add to that.
constexpr int kFirstRepeatSymbol = 16;
constexpr uint8_t kRepeatBase[3] = {3, 3, 11};
constexpr uint8_t kRepeatExtra[3] = {2, 3, 7};
// The order in which a dynamic block's header gives the code-length code's lengths.
constexpr uint8_t kCodeLengthOrder[kCodeLengthSymbols] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5,
                                                          11, 4,  12, 3, 13, 2, 14, 1, 15};

// The fixed block's code lengths (symbols 286, 287 and distances 30, 31 have
// codes but are never valid).
constexpr int kFixedLiteralSymbols = 288;
constexpr int FixedLengthBits(int symbol) {
    return symbol < 144 ? 8 : symbol < 256 ? 9 : symbol < 280 ? 7 : 8;
}
constexpr int kFixedDistanceBits = 5;

// Where the compressed bytes go, and where they come from.
class ByteSink {
public:
    virtual void Put(uint8_t byte) = 0;

protected:
    ~ByteSink() = default;
};

class ByteSource {
public:
    // The next byte, or -1 after the last one.
    virtual int Next() = 0;

protected:
    ~ByteSource() = default;
};

// Compresses `data` into one or more blocks, the last marked final, padded
// to a whole byte.
void Deflate(const uint8_t* data, int length, ByteSink& sink);

enum class InflateResult { Ok, Corrupt, TooLong };

// Decompresses a raw DEFLATE stream into out[0, capacity); *length is the
// count of bytes written. Whatever follows the final block is not read.
InflateResult Inflate(ByteSource& source, uint8_t* out, int capacity, int* length);
