// Default section titles: a word from the string resources, a space and the
// section's number.
#include <qrvex/numerals.h>
#include <qrvplatform/platform.h>
#include <qrvut.h>

namespace qrv::numerals {
namespace {

constexpr uint32_t kKeepPresentWord = 0;

// The word's string identifier by kind; kind 3 and kinds above 8 keep the
// word already in the buffer.
uint32_t word_string_id(uint32_t kind) {
    static constexpr uint32_t ids[9] = {77537, 77538, 77540, kKeepPresentWord, 77539, 77541, 77539, 77543, 77544};
    return kind < 9 ? ids[kind] : kKeepPresentWord;
}

}  // namespace
}  // namespace qrv::numerals

// The caller's buffer must hold the word, a space, up to eleven characters of
// number and the terminator; only the word is fetched within size.  Result:
// the title's length in wide characters.
extern "C" QRVAPI uint16_t FUGetDefaultSectionString(int32_t sectionNumber, uint32_t kind, QRVWCHAR *buffer,
                                                     uint32_t size) {
    const uint32_t id = qrv::numerals::word_string_id(kind);
    if (id != qrv::numerals::kKeepPresentWord) UTGetWordString(id, buffer, size, 0);
    auto length = static_cast<uint16_t>(static_cast<int16_t>(UTwstrlen(buffer)));
    buffer[length++] = ' ';
    char digits[16];
    wsprintfA(digits, "%i", sectionNumber);
    for (const char *p = digits; *p; ++p)
        buffer[length++] = static_cast<QRVWCHAR>(static_cast<int16_t>(static_cast<signed char>(*p)));
    buffer[length] = 0;
    return length;
}
