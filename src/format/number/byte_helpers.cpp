// Small byte helpers: reversed copies and unsigned numbers as text.
#include <qrvex/numformat.h>

#include <algorithm>
#include <cstring>

extern "C" {

// Copies count bytes with their order reversed (the last source byte
// first).  The two ranges may overlap.
QRVAPI void FUReverseByteCopy(void *destination, const void *source, uint16_t count) {
    if (destination == nullptr || source == nullptr || count == 0) return;
    auto *bytes = static_cast<unsigned char *>(destination);
    std::memmove(bytes, source, count);
    std::reverse(bytes, bytes + count);
}

// Writes the decimal digits of the number's low 16 bits, taken unsigned,
// without leading zeros and terminated; returns the digit count.
QRVAPI uint32_t FUNumToString(uint32_t number, char *buffer) {
    uint32_t value = number & 0xFFFF;
    char digits[5];
    uint32_t count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    for (uint32_t i = 0; i < count; ++i) buffer[i] = digits[count - 1 - i];
    buffer[count] = 0;
    return count;
}

}  // extern "C"
