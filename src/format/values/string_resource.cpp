// String resources as wide text.
#include <qrvex/datavalue.h>
#include <qrvut.h>

#include <algorithm>

namespace {
constexpr uint32_t kResourceBytes = 256;
constexpr uint32_t kResourceCharsetQuery = 0x30100;
}  // namespace

// Fetches the resource (at most 255 bytes) and converts it in the resources'
// character set; a text of size characters or more is cut to size - 1.  A
// size of 0 writes nothing.  Result: the characters written before the
// terminator.
extern "C" QRVAPI uint32_t FUGetLOString(uint32_t stringId, QRVWCHAR *buffer, uint32_t size) {
    if (size == 0) return 0;
    char bytes[kResourceBytes] = {};
    QRVWCHAR wide[kResourceBytes] = {};
    UTGetString(stringId, bytes, kResourceBytes - 1, 0);
    bytes[kResourceBytes - 1] = 0;
    UTMultiToDoubleByte(wide, bytes, UTGetUnknownCharSet(kResourceCharsetQuery));
    wide[kResourceBytes - 1] = 0;
    uint32_t length = static_cast<uint16_t>(UTwstrlen(wide));
    length = std::min(length, size - 1);
    std::copy(wide, wide + length, buffer);
    buffer[length] = 0;
    return length;
}
