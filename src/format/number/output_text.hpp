// The wide output of a formatter: bounded writes, the decimal carry of
// rounding, and thousands grouping.
#pragma once

#include <qrvex/types.h>

#include <cstdint>

namespace qrv::numformat {

// The longest output, terminator not counted.
constexpr uint32_t kMaxOutput = 255;

class OutputText {
public:
    // buffer must hold kMaxOutput + 1 characters; size bounds the writes.
    OutputText(QRVWCHAR *buffer, uint32_t size);

    bool full() const { return length_ >= limit_; }
    uint32_t length() const { return length_; }
    const QRVWCHAR *data() const { return buffer_; }

    // Room left, and the end of the text, for a writer that puts up to
    // room() characters there itself and hands back its new end.
    uint32_t room() const { return full() ? 0 : limit_ - length_; }
    QRVWCHAR *end() { return buffer_ + length_; }
    void extend_to(const QRVWCHAR *end) { length_ = static_cast<uint32_t>(end - buffer_); }
    // Drops what was written after the text had this length.
    void cut_to(uint32_t length) { length_ = length; }

    void put(QRVWCHAR c) {
        if (!full()) buffer_[length_++] = c;
    }
    void put_bytes(const char *text, uint32_t maxBytes = UINT32_MAX);  // each byte zero-extended
    void put_wide(const QRVWCHAR *text, uint32_t count);
    void put_number(uint32_t number, uint32_t minDigits);
    void insert(uint32_t position, QRVWCHAR c);

    // Raises the number written so far by one in its last place: digits
    // carry leftwards across the two separators; a carry out of the
    // leftmost digit puts "1" in front of it.
    void round_up(QRVWCHAR decimalSeparator, QRVWCHAR thousandsSeparator);
    // Puts the separator before every third digit from the right, from the
    // first digit of the output to its end.
    void group(QRVWCHAR thousandsSeparator);

    // Terminates the text and returns its length.
    uint32_t finish();

private:
    void group_in_place(uint32_t first, uint32_t separators, QRVWCHAR thousandsSeparator);
    void group_by_inserts(uint32_t first, QRVWCHAR thousandsSeparator);

    QRVWCHAR *buffer_;
    uint32_t limit_;
    uint32_t length_ = 0;
};

}  // namespace qrv::numformat
