// Gathering the parts of an object locator from the items that follow it.
#include "chunk/walk.hpp"

#include <qrvex/properties.h>

namespace {

void fill_part(CUObjectLocator &locator, const CHItem &part) {
    locator.Parts |= part.value;
    switch (part.value) {
    case CU_LOCATOR_PART_128: locator.Part128Data1 = part.data1; break;
    case CU_LOCATOR_PART_2: locator.Part2Data1 = part.data1; break;
    case CU_LOCATOR_PART_1: locator.Part1Data1 = part.data1; break;
    case CU_LOCATOR_PART_8:
        locator.Part8Data1 = part.data1;
        locator.Part8Data2 = part.data2;
        break;
    case CU_LOCATOR_PART_512: locator.Part512Data1 = part.data1; break;
    case CU_LOCATOR_PART_16:
        locator.Part16Data2 = part.data2;
        locator.Part16Data1 = part.data1;
        break;
    case CU_LOCATOR_PART_4: locator.Part4Data1 = part.data1; break;
    case CU_LOCATOR_PART_64: locator.Part64Data1 = part.data1; break;
    case CU_LOCATOR_PART_256:
        locator.Part256Data1 = part.data1;
        locator.Part256Data2 = part.data2;
        break;
    default: break;  // only recorded in Parts
    }
}

}  // namespace

// id is the item that introduces a locator (its type is not checked).  Reads
// the items after it up to the end-of-locator item, a failed read or the end
// of the stream, and fills the words of every part item met; other items in
// between are passed over.  Parts is cleared first; words of parts not met
// keep their values.  0 when a part was met; 37 otherwise, for an id of -1,
// a null record, and when the ids stop growing before the end item.
extern "C" QRVAPI uint32_t CUGetObjectLocator(CUObjectLocator *locator, uint32_t id, CHHandle h) {
    if (!locator) return QRV_E_NOT_FOUND;
    locator->Parts = 0;
    if (id == qrv::chunk::kNoItem) return QRV_E_NOT_FOUND;
    qrv::chunk::ForwardWalk walk(h, id);
    if (!walk.read()) return QRV_E_NOT_FOUND;
    while (walk.advance() && walk.read() && walk.item().type != CH_ITEM_OBJECT_LOCATOR_END) {
        if (walk.item().type == CH_ITEM_OBJECT_LOCATOR_PART) fill_part(*locator, walk.item());
    }
    return locator->Parts != 0 ? uint32_t{QRV_OK} : uint32_t{QRV_E_NOT_FOUND};
}
