// A counter track: counters by id, their levels, and each level's history.
#pragma once

#include "../list.hpp"

namespace qrv::lists::counters {

using History = LUList;

// Every list of a track holds 12-byte items (16 with 64-bit pointers),
// starts with room for 10 and grows by 9.
LUList *make_track_list(uint32_t item_size);

LUCounterEntry *find_counter(const LUList &track, uint32_t counter_id);
// Finds the counter or adds it with an empty level list; 0 when making
// either fails.
LUCounterEntry *find_or_add_counter(LUList &track, uint32_t counter_id);

inline uint32_t level_count(const LUCounterEntry &counter) { return counter.Levels->ItemCount; }
inline History &history_of(const LUCounterEntry &counter, uint32_t level) {
    return *item_at<LULevelEntry>(*counter.Levels, level).History;
}
// Appends level number level_count() with an empty history; false when
// making either fails.
bool add_level(LUCounterEntry &counter);

inline LUCounterRecord &record_at(const History &history, uint32_t index) {
    return item_at<LUCounterRecord>(history, index);
}
inline uint32_t record_count(const History &history) { return in_use(history); }

void free_track(LUList *track);

// A history holds its records in the order of their positions: a save puts
// its records where that order wants them and appends only past the last.
// So the records at a position are found by halving, not by a walk from
// the first (which made a long list's saves quadratic).
struct RecordSpan {
    uint32_t first;  // the first record at the position (or beyond it)
    uint32_t end;    // the first record beyond the position
};
RecordSpan records_at(const History &history, uint32_t position);

// Index of the first record beyond position (the record count when none is).
inline uint32_t first_beyond(const History &history, uint32_t position) { return records_at(history, position).end; }

}  // namespace qrv::lists::counters
