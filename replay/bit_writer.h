#pragma once
// The compressor's output: values packed least significant bit first, as
// DEFLATE packs everything (codes come bit-reversed to fit).
#include <cstdint>

#include "replay/deflate.h"

class BitWriter {
public:
    explicit BitWriter(ByteSink& sink) : sink_(sink) {}

    void Put(uint32_t value, int n) {
        bits_ |= value << count_;
        count_ += n;
        for (; count_ >= 8; count_ -= 8, bits_ >>= 8) sink_.Put(static_cast<uint8_t>(bits_));
    }

    void FinishByte() {
        if (count_ > 0) Put(0, 8 - count_);
    }

    int pending() const { return count_; }

private:
    ByteSink& sink_;
    uint32_t bits_ = 0;
    int count_ = 0;
};
