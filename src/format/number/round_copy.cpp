// Copying the first digits of a digit string, rounded on the next one.
#include <qrvex/numformat.h>

namespace {

template <typename Char>
uint32_t round_copy(Char *destination, const Char *digits, uint32_t count) {
    for (uint32_t i = 0; i < count; ++i) destination[i] = digits[i];
    destination[count] = 0;
    const Char next = digits[count];
    if (next < Char('5') || next > Char('9')) return 0;
    for (uint32_t i = count; i-- > 0;) {
        if (destination[i] != Char('9')) {
            ++destination[i];
            return 0;
        }
        destination[i] = Char('0');
    }
    return 1;
}

}  // namespace

extern "C" {

// Copies count digits to destination, terminated there, raising the last
// copied digit when digits[count] is "5" to "9" (a "9" becomes "0" and the
// raise moves left).  Returns 1 when the raise ran out of the leftmost digit
// (the caller puts a "1" in front), else 0.  digits must hold count + 1
// characters; destination count + 1.
QRVAPI uint32_t FURoundCopy(char *destination, const char *digits, uint32_t count) {
    return round_copy(destination, digits, count);
}

// FURoundCopy over wide characters.
QRVAPI uint32_t FURoundCopyW(QRVWCHAR *destination, const QRVWCHAR *digits, uint32_t count) {
    return round_copy(destination, digits, count);
}

}  // extern "C"
