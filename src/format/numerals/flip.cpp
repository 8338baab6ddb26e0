// Reversal of a span of wide characters in place.
#include "format/numerals/numeral_writer.hpp"

#include <algorithm>

// Reverses buffer[start] .. buffer[end - 1]; a span shorter than two (or an
// end before the start) is left alone.  Result: 0.
extern "C" QRVAPI uint32_t FUFlipWString(QRVWCHAR *buffer, uint16_t start, uint16_t end) {
    if (end > start + 1) std::reverse(buffer + start, buffer + end);
    return 0;
}
