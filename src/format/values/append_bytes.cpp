// Appending byte text to wide text.
#include <qrvex/datavalue.h>

// Each byte is zero-extended (0x80-0xFF become U+0080-U+00FF); the caller
// provides the room.  Result: the characters appended.
extern "C" QRVAPI uint32_t FUstrcatBtoW(QRVWCHAR *wide, const char *bytes) {
    QRVWCHAR *end = wide;
    while (*end) ++end;
    uint32_t appended = 0;
    for (; bytes[appended]; ++appended) end[appended] = static_cast<unsigned char>(bytes[appended]);
    end[appended] = 0;
    return appended;
}
