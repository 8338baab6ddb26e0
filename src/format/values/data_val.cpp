// The value of a data-value item of the item stream.
#include <qrvch.h>
#include <qrvex/datavalue.h>

#include "host/chunker.hpp"

// Reads the item; a type other than 224 gives 0.0 and 0.  Its storage comes
// from store 17 into a buffer of our own, so reordering in place never
// reaches the chunker's copy.  A chunker failure on either read counts as no
// value (0.0 and 0).  Otherwise the result is FUDataValFromUnion's.
extern "C" QRVAPI uint32_t FUDataVal(CHHandle h, uint32_t itemId, double *pValue) {
    *pValue = 0.0;
    CHItem item{};
    if (qrv::host::get_item(h, itemId, item, nullptr) != 0 || item.type != CH_ITEM_DATA_VALUE) return 0;
    uint8_t storage[16] = {};  // store 17 records hold up to 16 bytes
    if (CHGetItem(h, CH_STORE_DATA_VALUES, item.value, storage, nullptr) != 0) return 0;
    return FUDataValFromUnion(storage, item.data1, item.data2, pValue);
}
