// Letter numerals: A .. Z, AA, AB, ... (bijective base 26).
#include "format/numerals/numeral_writer.hpp"

// 1 gives A, 26 Z, 27 AA, 703 AAA; 0 writes nothing and returns start.
// Result: the new end.
extern "C" QRVAPI uint16_t FUGenerateLetterNumeral(QRVWCHAR *buffer, uint16_t start, uint16_t size, int32_t value) {
    qrv::numerals::NumeralWriter out(buffer, start, size);
    while (value != 0) {
        // Wraps like the machine's subtraction for the most negative value.
        value = static_cast<int32_t>(static_cast<uint32_t>(value) - 1u);
        out.put(qrv::numerals::offset_char('A', value % 26));
        value /= 26;
    }
    return out.finish();
}
