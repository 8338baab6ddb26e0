// Reading a counter level's value at a position.
#include "track.hpp"

namespace qrv::lists::counters {
namespace {

// The last record at or before position, or 0 when there is none.
const LUCounterRecord *last_not_beyond(const History &history, uint32_t position) {
    const uint32_t count = first_beyond(history, position);
    return count == 0 ? nullptr : &record_at(history, count - 1);
}

}  // namespace

uint32_t get(const LUList &track, uint32_t counter_id, uint32_t level, int32_t &value, uint32_t position) {
    const LUCounterEntry *counter = find_counter(track, counter_id);
    if (!counter) return QRV_E_INCONSISTENT;
    if (level_count(*counter) <= level) return QRV_E_NO_COUNTER_VALUE;
    if (item_at<LULevelEntry>(*counter->Levels, 0).Level != 0) return QRV_E_INCONSISTENT;
    for (uint32_t outer = 0; outer < level; ++outer) {
        const LUCounterRecord *last = last_not_beyond(history_of(*counter, outer), position);
        if (!last || last->Link == LU_LINK_OWN_VALUE) return QRV_E_NO_COUNTER_VALUE;
    }
    const LUCounterRecord *last = last_not_beyond(history_of(*counter, level), position);
    if (!last) return QRV_E_NO_COUNTER_VALUE;
    value = last->Value;
    return QRV_OK;
}

}  // namespace qrv::lists::counters

// Gives in *pValue the value that level `level` of counter counterId had at
// position: 0 with the value (a marker's value counts too, so it may be -1);
// 1577 and -1 when the level had no value there (never saved, or started
// over because an outer level took a new value after the level's last use);
// 18 for a null track or result pointer, an unknown counter, or a level list
// that does not start at level 0.
extern "C" QRVAPI uint32_t LUGetCounterLevel(LUList *track, uint32_t counterId, uint32_t level, int32_t *pValue,
                                             uint32_t position) {
    if (pValue) *pValue = -1;
    if (!track || !pValue) return QRV_E_INCONSISTENT;
    return qrv::lists::counters::get(*track, counterId, level, *pValue, position);
}
