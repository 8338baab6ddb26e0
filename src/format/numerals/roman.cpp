// Roman numerals below one thousand.
#include "format/numerals/numeral_writer.hpp"

namespace qrv::numerals {
namespace {

// Each digit's numeral written backwards in the letters of the units; the
// writer's final reversal turns it round.
constexpr const char *kBackwardDigits[10] = {"*", "I", "II", "III", "VI", "V", "IV", "IIV", "IIIV", "XI"};

void put_roman_digit(NumeralWriter &out, uint32_t digit, char one, char five, char ten) {
    if (digit == 0 || digit > 9) return;
    for (const char *p = kBackwardDigits[digit]; *p; ++p) {
        const char letter = *p == 'I' ? one : *p == 'V' ? five : *p == 'X' ? ten : 0;
        if (letter != 0) out.put(static_cast<QRVWCHAR>(static_cast<unsigned char>(letter)));
    }
}

}  // namespace
}  // namespace qrv::numerals

using qrv::numerals::NumeralWriter;

// Writes one digit (1 to 9; anything else writes nothing) backwards with the
// given letters from position, within size.  Result: the new position.
extern "C" QRVAPI uint16_t FUGetRoman1To9(QRVWCHAR *buffer, uint16_t position, uint16_t size, uint32_t digit,
                                          char oneLetter, char fiveLetter, char tenLetter) {
    NumeralWriter out(buffer, position, size);
    qrv::numerals::put_roman_digit(out, digit, oneLetter, fiveLetter, tenLetter);
    return out.position();
}

// Thousands are dropped: 0 and multiples of 1000 write nothing, 2024 gives
// XXIV.  Negative values write nothing.  Result: the new end.
extern "C" QRVAPI uint16_t FUGenerateRomanNumeral(QRVWCHAR *buffer, uint16_t start, uint16_t size, int32_t value) {
    NumeralWriter out(buffer, start, size);
    const int32_t below_thousand = value % 1000;
    qrv::numerals::put_roman_digit(out, static_cast<uint32_t>(below_thousand % 10), 'I', 'V', 'X');
    qrv::numerals::put_roman_digit(out, static_cast<uint32_t>(below_thousand / 10 % 10), 'X', 'L', 'C');
    qrv::numerals::put_roman_digit(out, static_cast<uint32_t>(below_thousand / 100 % 10), 'C', 'D', 'M');
    return out.finish();
}
