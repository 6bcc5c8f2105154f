// Reads values for a fuzz target from its input bytes; once the bytes run
// out every value is zero.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

class FuzzInput
{
public:
    FuzzInput(const uint8_t *data, size_t size) : data_(data), size_(size) {}

    bool empty() const { return pos_ >= size_; }

    uint8_t byte()
    {
        return pos_ < size_ ? data_[pos_++] : 0;
    }

    // A value in [lo, hi], from 16 bits.
    float in(float lo, float hi)
    {
        const unsigned v = unsigned(byte()) << 8 | byte();
        return lo + (hi - lo) * float(v) / 65535.0f;
    }

    // Any finite float, most of them in the range a mouse can reach, some
    // at the edges of what a float holds.
    float position()
    {
        switch (byte() % 8) {
        case 0: {
            float f;
            uint8_t b[4] = {byte(), byte(), byte(), byte()};
            std::memcpy(&f, b, 4);
            return std::isfinite(f) ? f : 0.0f;
        }
        case 1:
            return 0.0f;
        case 2:
            return float(int(byte()) - 128);  // small whole numbers, exact hits
        default:
            return in(-3000, 3000);
        }
    }

private:
    const uint8_t *data_;
    size_t size_;
    size_t pos_ = 0;
};
