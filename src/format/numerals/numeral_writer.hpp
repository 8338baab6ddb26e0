// The common shape of the numeral writers: characters are produced least
// significant first, each at the next position while it is below the size
// (later ones are dropped, so a short buffer keeps the low digits), and the
// span is reversed in place at the end.
#pragma once

#include <qrvex/numerals.h>

namespace qrv::numerals {

class NumeralWriter {
public:
    NumeralWriter(QRVWCHAR *buffer, uint16_t start, uint16_t size)
        : buffer_(buffer), start_(start), position_(start), size_(size) {}

    void put(QRVWCHAR c) {
        if (position_ < size_) buffer_[position_++] = c;
    }

    // Reverses what was written and gives the new end position.
    uint16_t finish() {
        FUFlipWString(buffer_, start_, position_);
        return position_;
    }

    QRVWCHAR *buffer() const { return buffer_; }
    uint16_t position() const { return position_; }
    void set_position(uint16_t p) { position_ = p; }
    uint16_t size() const { return size_; }

private:
    QRVWCHAR *buffer_;
    uint16_t start_;
    uint16_t position_;
    uint16_t size_;
};

// The character of a signed remainder above a base character.  Negative
// remainders land below the base: they are not given a meaning, only a
// definite character.
inline QRVWCHAR offset_char(char base, int32_t remainder) {
    return static_cast<QRVWCHAR>(static_cast<uint32_t>(base) + static_cast<uint32_t>(remainder));
}

}  // namespace qrv::numerals
