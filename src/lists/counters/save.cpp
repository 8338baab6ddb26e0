// Saving a counter level's value at a position.
//
// A value saved at level L is recorded in level L's history; every level
// above it gets a marker at the same position, which records that a deeper
// level was in use there and carries the outer level's value (or -1 once an
// outer level holds a value of its own after its last marker: the deeper
// levels have started over).
#include "track.hpp"

#include <algorithm>

namespace qrv::lists::counters {
namespace {

struct Walk {
    uint32_t level;
    int32_t value;
    uint32_t position;
    bool found = false;
    bool closed = false;
};

enum class Step { kGoOn, kDone, kNoMemory };

LUCounterRecord marker(const Walk &walk, uint32_t level, int32_t value) {
    return {walk.position, walk.closed ? -1 : value, static_cast<int32_t>(level + 1)};
}

// Where the marker for one outer level goes in the first pass, and with
// which value; a value already at this position ends the save.
Step place_marker(Walk &walk, History &history, uint32_t level, uint32_t &place, int32_t &value) {
    place = record_count(history);
    value = -1;
    if (place == 0) {
        walk.closed = true;
        return Step::kGoOn;
    }
    const RecordSpan here = records_at(history, walk.position);
    for (place = here.first; place < here.end; ++place) {
        if (record_at(history, place).Value != -1 && level != walk.level - 1) return Step::kDone;
        walk.found = true;
    }
    const LUCounterRecord &next = record_at(history, std::min(place, record_count(history) - 1));
    value = walk.closed ? -1 : next.Value;
    if (next.Link == LU_LINK_OWN_VALUE) walk.closed = true;
    return Step::kGoOn;
}

Step mark_outer_levels(Walk &walk, LUCounterEntry &counter) {
    for (uint32_t level = 0; level < walk.level; ++level) {
        uint32_t place = 0;
        int32_t value = -1;
        if (level_count(counter) <= level) {
            if (!add_level(counter)) return Step::kNoMemory;
            walk.closed = true;
        } else if (place_marker(walk, history_of(counter, level), level, place, value) == Step::kDone) {
            return Step::kDone;
        }
        if (walk.found) continue;
        LUCounterRecord record{walk.position, value, static_cast<int32_t>(level + 1)};
        if (insert(history_of(counter, level), &record, static_cast<int32_t>(place)) != QRV_OK) return Step::kDone;
    }
    return Step::kGoOn;
}

// Second look at the outer levels, by their last records only: a marker is
// appended where the last record lies before the position and does not
// already mark this depth (or marks it but an outer level has closed).  It
// starts afresh: a value met at this position while marking the outer
// levels does not stop the level's own record.
Step extend_outer_levels(Walk &walk, LUCounterEntry &counter) {
    walk.found = false;
    walk.closed = false;
    for (uint32_t level = 0; level < walk.level; ++level) {
        History &history = history_of(counter, level);
        if (record_count(history) == 0) {
            walk.closed = true;
            continue;
        }
        const LUCounterRecord last = record_at(history, record_count(history) - 1);
        const LUCounterRecord record = marker(walk, level, last.Value);
        if (last.Link == LU_LINK_OWN_VALUE) walk.closed = true;
        if (last.Position >= walk.position) continue;
        const bool marks_this_depth = last.Link == static_cast<int32_t>(level + 1);
        if (!marks_this_depth) walk.closed = true;
        if (marks_this_depth && !walk.closed) continue;
        if (append(history, &record) == kNoIndex) return Step::kNoMemory;
    }
    return Step::kGoOn;
}

uint32_t record_value(Walk &walk, History &history) {
    const RecordSpan here = records_at(history, walk.position);
    uint32_t place = here.first;
    for (; place < here.end; ++place) {
        LUCounterRecord &at = record_at(history, place);
        if (at.Value != -1) return QRV_OK;
        at.Value = walk.value;
        walk.found = true;
    }
    if (walk.found) return QRV_OK;
    LUCounterRecord record{walk.position, walk.value, LU_LINK_OWN_VALUE};
    return insert(history, &record, static_cast<int32_t>(place)) == QRV_OK ? QRV_OK : QRV_E_NO_MEMORY;
}

}  // namespace

uint32_t save(LUList &track, uint32_t counter_id, uint32_t level, int32_t value, uint32_t position) {
    LUCounterEntry *counter = find_or_add_counter(track, counter_id);
    if (!counter) return QRV_E_NO_MEMORY;
    Walk walk{level, value, position};
    switch (mark_outer_levels(walk, *counter)) {
    case Step::kDone: return QRV_OK;
    case Step::kNoMemory: return QRV_E_NO_MEMORY;
    case Step::kGoOn: break;
    }
    if (level_count(*counter) <= level) {
        if (!add_level(*counter)) return QRV_E_NO_MEMORY;
    } else if (extend_outer_levels(walk, *counter) == Step::kNoMemory) {
        return QRV_E_NO_MEMORY;
    }
    return record_value(walk, history_of(*counter, level));
}

}  // namespace qrv::lists::counters

// Records that level `level` (0 the outermost) of counter counterId holds
// value at position, leaving markers at every level above it; missing levels
// are made on the way.  Positions are expected to grow from one save to the
// next.  A value already saved at the same level and position is kept, and
// so is a value at an outer level at this position unless it is the level
// directly above.  A first save at a new level, at the very position where
// the level above already has its own value, records nothing; once the level
// exists, such a save records its value.  0; 18 for a null
// track; 13 when a list cannot be made or extended (a failed marker insert
// while marking the outer levels just ends the save with 0).
extern "C" QRVAPI uint32_t LUSaveCounterLevel(LUList *track, uint32_t counterId, uint32_t level, int32_t value,
                                              uint32_t position) {
    if (!track) return QRV_E_INCONSISTENT;
    return qrv::lists::counters::save(*track, counterId, level, value, position);
}
