// Decimal numerals.
#include "format/numerals/numeral_writer.hpp"

// Writes value in decimal from start; 0 writes "0".  Digits beyond size are
// dropped from the most significant end.  Negative values take their digits
// from signed remainders, which fall below '0'.  Result: the new end.
extern "C" QRVAPI uint16_t FUGenerateDecimalNumeral(QRVWCHAR *buffer, uint16_t start, uint16_t size, int32_t value) {
    qrv::numerals::NumeralWriter out(buffer, start, size);
    do {
        out.put(qrv::numerals::offset_char('0', value % 10));
        value /= 10;
    } while (value != 0);
    return out.finish();
}
