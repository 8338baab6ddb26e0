// Making, searching and freeing a counter track.
#include "track.hpp"

namespace qrv::lists::counters {
namespace {

constexpr uint32_t kInitialCapacity = 10;
constexpr uint32_t kGrowBy = 9;

void free_counter(LUCounterEntry &counter) {
    for (uint32_t level = 0; level < level_count(counter); ++level)
        destroy(item_at<LULevelEntry>(*counter.Levels, level).History);
    destroy(counter.Levels);
}

}  // namespace

LUList *make_track_list(uint32_t item_size) { return create(item_size, kInitialCapacity, kGrowBy); }

LUCounterEntry *find_counter(const LUList &track, uint32_t counter_id) {
    for (uint32_t i = 0; i < track.ItemCount; ++i) {
        auto &counter = item_at<LUCounterEntry>(track, i);
        if (counter.CounterId == counter_id) return &counter;
    }
    return nullptr;
}

LUCounterEntry *find_or_add_counter(LUList &track, uint32_t counter_id) {
    if (LUCounterEntry *found = find_counter(track, counter_id)) return found;
    LUCounterEntry counter{make_track_list(sizeof(LULevelEntry)), counter_id, 0};
    if (!counter.Levels) return nullptr;
    const int32_t index = append(track, &counter);
    if (index == kNoIndex) {
        destroy(counter.Levels);
        return nullptr;
    }
    return &item_at<LUCounterEntry>(track, static_cast<uint32_t>(index));
}

bool add_level(LUCounterEntry &counter) {
    LULevelEntry level{make_track_list(sizeof(LUCounterRecord)), level_count(counter), 0};
    if (!level.History) return false;
    if (append(*counter.Levels, &level) != kNoIndex) return true;
    destroy(level.History);
    return false;
}

namespace {

// The first record from low on whose position is not before position
// (or, beyond, not at or before it).
uint32_t first_record(const History &history, uint32_t position, bool beyond) {
    uint32_t low = 0, high = record_count(history);
    while (low < high) {
        const uint32_t middle = low + (high - low) / 2;
        const uint32_t at = record_at(history, middle).Position;
        if (beyond ? at <= position : at < position)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

}  // namespace

RecordSpan records_at(const History &history, uint32_t position) {
    return {first_record(history, position, false), first_record(history, position, true)};
}

void free_track(LUList *track) {
    for (uint32_t i = 0; i < track->ItemCount; ++i) free_counter(item_at<LUCounterEntry>(*track, i));
    destroy(track);
}

}  // namespace qrv::lists::counters

// Makes an empty track in *pTrack: 0, or 13 (and *pTrack 0) when the track
// list cannot be made.
extern "C" QRVAPI uint32_t LUInitCounterTrack(LUList **pTrack) {
    if (!pTrack) return QRV_E_INCONSISTENT;
    *pTrack = qrv::lists::counters::make_track_list(sizeof(LUCounterEntry));
    return *pTrack ? QRV_OK : QRV_E_NO_MEMORY;
}

// Frees the track with every counter's levels and histories.  The caller's
// own pointer to the track is not cleared.  Always 0.
extern "C" QRVAPI uint32_t LUDeInitCounterTrack(LUList *track) {
    if (track) qrv::lists::counters::free_track(track);
    return QRV_OK;
}
