// Narrowing of wide text to byte text by dropping its zero bytes.
#include <qrvex/numerals.h>

#include <algorithm>

// Removes the zero bytes among the first byteCount bytes, moving the others
// forward in order.  No terminator is written.  Result: the bytes kept.
extern "C" QRVAPI uint16_t FUStripStringZeros(void *buffer, uint16_t byteCount) {
    auto *bytes = static_cast<uint8_t *>(buffer);
    const uint8_t *end = std::remove(bytes, bytes + byteCount, uint8_t{0});
    return static_cast<uint16_t>(end - bytes);
}
