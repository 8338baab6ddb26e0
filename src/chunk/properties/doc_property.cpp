// Finding document properties by their tags.
#include "chunk/walk.hpp"

#include <qrvex/properties.h>

#include <algorithm>

using namespace qrv::chunk;

namespace {

bool is_end_of(const CHItem &item, uint32_t code) { return is_tag_end(item) && item.value == code; }
bool is_begin_of(const CHItem &item, uint32_t code) { return is_tag_begin(item) && item.value == code; }
// Copies the smaller of the run's length and the buffer size; no terminator.
uint32_t copy_text_run(CHHandle h, const CHItem &run, QRVWCHAR *buffer, uint32_t size) {
    qrv::host::LockedRange chars(h, CH_STORE_TEXT, run.value, run.data1);
    if (!chars.ok()) return chars.result();
    std::copy_n(chars.data<QRVWCHAR>(), std::min(run.data1, size), buffer);
    return chars.release();
}

// Reads the 4-byte property id a property tag points at.
uint32_t read_property_id(CHHandle h, const CHItem &tag, uint32_t &property_id) {
    qrv::host::LockedRange bytes(h, CH_STORE_STYLE_DATA, tag.data2, sizeof(uint32_t));
    if (!bytes.ok()) return bytes.result();
    std::copy_n(bytes.data<unsigned char>(), sizeof property_id, reinterpret_cast<unsigned char *>(&property_id));
    return bytes.release();
}

}  // namespace

// Searches from id for the name of a custom document property: the first
// text run after a custom property tag begin (0x201c0000).  The run's
// characters are copied into buffer, at most size of them and without a
// terminator, and the result is that of the final unlock (0).  A break of
// breakKind, the end of a custom or plain document property tag, a failed
// read or ids that stop growing end the search with 37.  Other skippable
// tags are skipped whole.  A failed lock of the text returns its code.
extern "C" QRVAPI uint32_t CUFindCustomDocPropName(uint32_t id, uint32_t breakKind, QRVWCHAR *buffer, uint32_t size,
                                                   CHHandle h) {
    if (!buffer && size != 0) return QRV_E_BAD_ARG;
    ForwardWalk walk(h, id);
    bool armed = false;
    while (walk.read()) {
        const CHItem &item = walk.item();
        if (is_break_of(item, breakKind) || is_end_of(item, CH_TAG_CUSTOM_DOC_PROPERTY) ||
            is_end_of(item, CH_TAG_DOC_PROPERTY))
            break;
        if (armed && item.type == CH_ITEM_TEXT) return copy_text_run(h, item, buffer, size);
        const bool arming = is_begin_of(item, CH_TAG_CUSTOM_DOC_PROPERTY);
        armed = armed || arming;
        if (!walk.pass(!arming && is_skippable_begin(item))) break;
    }
    return QRV_E_NOT_FOUND;
}

// Searches from id for a document property tag (0xa0010004).  With
// *pPropertyId 0 the first one is taken and its id written to
// *pPropertyId; otherwise only the one whose id equals *pPropertyId.  Then
// *pFoundId is the id of the item after that tag begin and the result 0.
// *pFoundId is set to 0 first.  A break of breakKind, a failed read or ids
// that stop growing give 37; a failed lock or unlock of the property id
// gives the chunker's code.  Other skippable tags are skipped whole.
extern "C" QRVAPI uint32_t CUFindDocPropertyId(uint32_t id, uint32_t breakKind, uint32_t *pFoundId,
                                               uint32_t *pPropertyId, CHHandle h) {
    if (!pFoundId || !pPropertyId) return QRV_E_BAD_ARG;
    *pFoundId = 0;
    ForwardWalk walk(h, id);
    while (walk.read()) {
        const CHItem &item = walk.item();
        if (is_break_of(item, breakKind)) break;
        const bool property = is_begin_of(item, CH_TAG_DOC_PROPERTY);
        if (property) {
            uint32_t found = 0;
            if (const uint32_t result = read_property_id(h, item, found)) return result;
            if (*pPropertyId == 0 || *pPropertyId == found) {
                *pPropertyId = found;
                *pFoundId = walk.next_id();
                return QRV_OK;
            }
        }
        if (!walk.pass(!property && is_skippable_begin(item))) break;
    }
    return QRV_E_NOT_FOUND;
}
