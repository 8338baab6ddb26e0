#include "format/number/output_text.hpp"

#include "format/number/decimal_digit.hpp"

#include <algorithm>
#include <cstring>

namespace qrv::numformat {
OutputText::OutputText(QRVWCHAR *buffer, uint32_t size) : buffer_(buffer), limit_(std::min(size, kMaxOutput)) {}

void OutputText::put_bytes(const char *text, uint32_t maxBytes) {
    for (uint32_t i = 0; i < maxBytes && text[i] != 0 && !full(); ++i) put(static_cast<unsigned char>(text[i]));
}

void OutputText::put_wide(const QRVWCHAR *text, uint32_t count) {
    const uint32_t taken = std::min(count, limit_ - std::min(length_, limit_));
    std::memcpy(buffer_ + length_, text, taken * sizeof(QRVWCHAR));
    length_ += taken;
}

void OutputText::put_number(uint32_t number, uint32_t minDigits) {
    QRVWCHAR digits[12];
    uint32_t count = 0;
    do {
        digits[count++] = static_cast<QRVWCHAR>(u'0' + number % 10);
        number /= 10;
    } while (number != 0);
    while (count < minDigits && count < 12) digits[count++] = u'0';
    while (count > 0) put(digits[--count]);
}

void OutputText::insert(uint32_t position, QRVWCHAR c) {
    if (position > length_ || limit_ == 0) return;
    const uint32_t kept = std::min(length_, limit_ - 1);  // a full text loses its last character
    if (position > kept) return;
    std::memmove(&buffer_[position + 1], &buffer_[position], (kept - position) * sizeof(QRVWCHAR));
    buffer_[position] = c;
    length_ = kept + 1;
}

void OutputText::round_up(QRVWCHAR decimalSeparator, QRVWCHAR thousandsSeparator) {
    uint32_t leftmost = length_;
    for (uint32_t i = length_; i-- > 0;) {
        const QRVWCHAR c = buffer_[i];
        if (is_decimal_digit(c)) {
            if (c != u'9') {
                ++buffer_[i];
                return;
            }
            buffer_[i] = u'0';
            leftmost = i;
        } else if (c != decimalSeparator && c != thousandsSeparator) {
            break;
        }
    }
    insert(leftmost, u'1');
}

void OutputText::group(QRVWCHAR thousandsSeparator) {
    uint32_t first = 0;
    while (first < length_ && !is_decimal_digit(buffer_[first])) ++first;
    if (length_ - first <= 3) return;  // three digits at most: no separator
    uint32_t digits = 0;
    for (uint32_t i = first; i < length_; ++i) digits += is_decimal_digit(buffer_[i]) ? 1 : 0;
    // A separator goes before every third digit from the right but the
    // leftmost digit itself.
    const uint32_t separators = digits == 0 ? 0 : (digits - 1) / 3;
    if (length_ + separators <= limit_)
        group_in_place(first, separators, thousandsSeparator);
    else
        group_by_inserts(first, thousandsSeparator);
}

// Moves every character to its place in one pass from the right; the text
// with its separators fits.
void OutputText::group_in_place(uint32_t first, uint32_t separators, QRVWCHAR thousandsSeparator) {
    uint32_t to = length_ + separators;
    length_ = to;
    uint32_t fromRight = 0;
    for (uint32_t i = to - separators; separators > 0 && i-- > first;) {
        const QRVWCHAR c = buffer_[i];
        buffer_[--to] = c;
        if (!is_decimal_digit(c) || ++fromRight % 3 != 0) continue;
        buffer_[--to] = thousandsSeparator;
        --separators;
    }
}

// The separators one by one: a full text loses its last character to each.
void OutputText::group_by_inserts(uint32_t first, QRVWCHAR thousandsSeparator) {
    uint32_t fromRight = 0;
    for (uint32_t i = length_; i-- > first;) {
        if (!is_decimal_digit(buffer_[i])) continue;
        ++fromRight;
        if (fromRight % 3 == 0 && i > first) insert(i, thousandsSeparator);
    }
}

uint32_t OutputText::finish() {
    buffer_[length_] = 0;
    return length_;
}

}  // namespace qrv::numformat
