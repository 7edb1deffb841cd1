#include "replay/link.h"

#include <cstring>

#include "replay/deflate.h"

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

int CharValue(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '-') return 62;
    if (c == '_') return 63;
    return -1;
}

// Writes each three bytes as four characters, a last one or two as two or
// three; past the capacity it only counts.
class Base64Writer : public ByteSink {
public:
    Base64Writer(char* code, int capacity) : code_(code), capacity_(capacity) {}

    void Put(uint8_t byte) override {
        group_ = group_ << 8 | byte;
        if (++bytes_ == 3) Emit(4);
    }

    // The whole code's length.
    int Finish() {
        if (bytes_ != 0) {
            const int chars = bytes_ + 1;
            group_ <<= 8 * (3 - bytes_);
            Emit(chars);
        }
        return length_;
    }

private:
    void Emit(int chars) {
        for (int i = 0; i < chars; ++i, ++length_)
            if (length_ < capacity_) code_[length_] = kAlphabet[(group_ >> (18 - 6 * i)) & 63];
        group_ = 0;
        bytes_ = 0;
    }

    char* code_;
    int capacity_;
    int length_ = 0;
    uint32_t group_ = 0;
    int bytes_ = 0;
};

// The bytes of a code already checked to be base64url of a whole number of
// bytes. The bits a last partial character holds beyond the last byte are
// not looked at.
class Base64Reader : public ByteSource {
public:
    Base64Reader(const char* code, int length) : code_(code), length_(length) {}

    int Next() override {
        while (held_ < 8) {
            if (at_ == length_) return -1;
            bits_ = bits_ << 6 | static_cast<uint32_t>(CharValue(code_[at_++]));
            held_ += 6;
        }
        held_ -= 8;
        return static_cast<int>((bits_ >> held_) & 0xFF);
    }

private:
    const char* code_;
    int length_;
    int at_ = 0;
    uint32_t bits_ = 0;
    int held_ = 0;
};

bool IsBase64Url(const char* code, int length) {
    if (length % 4 == 1) return false;  // 6 bits: no byte ends there
    for (int i = 0; i < length; ++i)
        if (CharValue(code[i]) < 0) return false;
    return true;
}

}  // namespace

int EncodeReplayCode(const char* script, int length, char* code, int capacity) {
    Base64Writer writer(code, capacity);
    Deflate(reinterpret_cast<const uint8_t*>(script), length, writer);
    const int written = writer.Finish();
    if (written > capacity) return -1;
    if (written < capacity) code[written] = '\0';
    return written;
}

DecodedLink DecodeReplayLink(const char* text, int length, char* script, int capacity) {
    const char* code = text;
    int codeLength = length;
    const int markerLength = static_cast<int>(sizeof kReplayMarker - 1);
    for (int i = 0; i + markerLength <= length; ++i)
        if (std::memcmp(text + i, kReplayMarker, markerLength) == 0) {
            code = text + i + markerLength;
            codeLength = 0;
            while (code + codeLength < text + length && code[codeLength] != '&') ++codeLength;
            break;
        }
    if (!IsBase64Url(code, codeLength)) return {LinkProblem::NotBase64, 0};
    if (capacity < 1) return {LinkProblem::TooLong, 0};

    Base64Reader reader(code, codeLength);
    int written = 0;
    // The script is whole when the final block ends: whatever follows it is
    // not read, and not refused, as an inflater reading a stream does.
    const InflateResult result = Inflate(reader, reinterpret_cast<uint8_t*>(script), capacity - 1, &written);
    if (result == InflateResult::Corrupt) return {LinkProblem::NotDeflate, 0};
    if (result == InflateResult::TooLong) return {LinkProblem::TooLong, 0};
    script[written] = '\0';
    return {LinkProblem::None, written};
}

const char* LinkProblemText(LinkProblem problem) {
    switch (problem) {
    case LinkProblem::None: return "no problem";
    case LinkProblem::NotBase64: return "the link is not base64url";
    case LinkProblem::NotDeflate: return "the link's data is not DEFLATE compressed";
    case LinkProblem::TooLong: return "the link's script is too long";
    }
    return "unknown problem";
}
