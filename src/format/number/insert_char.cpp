// Inserting one character into a terminated string.
#include <qrvex/numformat.h>

#include <cstring>

extern "C" {

// Moves the rest of the byte string, terminator included, one place right
// and puts ch at position.  A position past the end is taken as the end.
QRVAPI void FUInsertCh(char *string, char ch, uint32_t position) {
    if (string == nullptr) return;
    const size_t length = std::strlen(string);
    const size_t at = position < length ? position : length;
    std::memmove(string + at + 1, string + at, length - at + 1);
    string[at] = ch;
}

// The same for a wide string of the given length: the characters from
// position through the terminator move one place right.  A position past
// the length is taken as the length.
QRVAPI void FUInsertChW(QRVWCHAR *string, QRVWCHAR ch, uint32_t position, uint32_t length) {
    if (string == nullptr) return;
    const uint32_t at = position < length ? position : length;
    std::memmove(string + at + 1, string + at, (size_t{length} - at + 1) * sizeof(QRVWCHAR));
    string[at] = ch;
}

}  // extern "C"
