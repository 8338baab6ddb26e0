// Reading a string of store 9 into a property string record.
#include "chunk/walk.hpp"

#include <qrvex/properties.h>

#include <algorithm>

namespace {

constexpr uint32_t kMaxPropertyChars = CU_PROPERTY_CHARS - 1;

}  // namespace

// id names a string item: value = offset in store 9, data1 = the string's
// attribute, low 16 bits of data2 = its length.  Copies at most 511
// characters with a zero after them, sets Data to the attribute and returns
// the number copied.  0 (record untouched) when the item cannot be read, the
// string is empty or the copy fails; also for a null record.
extern "C" QRVAPI uint16_t CUGetPropertyString(uint32_t id, CUPropertyString *ps, CHHandle h) {
    if (!ps) return 0;
    CHItem item{};
    if (qrv::host::get_item(h, id, item, nullptr) != 0) return 0;
    const uint32_t length = std::min<uint32_t>(item.data2 & 0xFFFFu, kMaxPropertyChars);
    if (length == 0) return 0;
    if (CHGetItems(h, CH_STORE_STRINGS, item.value, length, ps->Chars) != 0) return 0;
    ps->Chars[length] = 0;
    ps->Data = item.data1;
    return static_cast<uint16_t>(length);
}
