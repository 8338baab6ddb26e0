// Counter tracking through the library's exports: the started-over rule,
// markers for skipped levels, and a model of what a save at increasing
// positions leaves behind.
#include <gtest/gtest.h>

#include <qrvex/lists.h>
#include <qrvplatform/platform.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <random>
#include <vector>

// Records compare and print field by field (found by argument lookup).
static bool operator==(const LUCounterRecord &a, const LUCounterRecord &b) {
    return a.Position == b.Position && a.Value == b.Value && a.Link == b.Link;
}

static std::ostream &operator<<(std::ostream &out, const LUCounterRecord &r) {
    return out << "(" << r.Position << ", " << r.Value << ", " << r.Link << ")";
}

namespace {

struct Track {
    LUList *list = nullptr;
    Track() { EXPECT_EQ(LUInitCounterTrack(&list), 0u); }
    ~Track() { LUDeInitCounterTrack(list); }
};

struct Save {
    uint32_t counter, level;
    int32_t value;
    uint32_t position;
};
struct Ask {
    uint32_t counter, level, position;
    uint32_t result;
    int32_t value;
};

TEST(CounterTrack, ValuesAcrossLevels) {
    const struct {
        const char *name;
        std::vector<Save> saves;
        std::vector<Ask> asks;
    } cases[] = {
        {"before and after the first value",
         {{1, 0, 1, 10}},
         {{1, 0, 5, 1577, -1}, {1, 0, 10, 0, 1}, {1, 0, 20, 0, 1}}},
        {"an outer value starts the deeper level over",
         {{1, 0, 1, 10}, {1, 1, 1, 12}, {1, 0, 2, 20}},
         {{1, 1, 15, 0, 1}, {1, 1, 25, 1577, -1}, {1, 0, 25, 0, 2}, {1, 0, 15, 0, 1}, {1, 1, 11, 1577, -1}}},
        {"the deeper level counts on after starting over",
         {{1, 0, 1, 10}, {1, 1, 1, 12}, {1, 1, 2, 14}, {1, 0, 2, 20}, {1, 1, 1, 22}},
         {{1, 1, 15, 0, 2}, {1, 1, 22, 0, 1}, {1, 0, 22, 0, 2}}},
        {"the first value at a position is kept", {{1, 0, 1, 10}, {1, 0, 5, 10}}, {{1, 0, 10, 0, 1}}},
        {"skipped levels get markers without a value",
         {{1, 2, 7, 10}},
         {{1, 0, 10, 0, -1}, {1, 1, 10, 0, -1}, {1, 2, 10, 0, 7}, {1, 2, 9, 1577, -1}}},
        {"a level beyond any saved one", {{1, 0, 1, 10}}, {{1, 1, 10, 1577, -1}}},
        {"an unknown counter", {{1, 0, 1, 10}}, {{2, 0, 10, 18, -1}}},
        {"a deeper value carries the outer one in its markers",
         {{1, 0, 3, 10}, {1, 1, 1, 12}, {1, 2, 1, 14}},
         {{1, 0, 14, 0, 3}, {1, 1, 14, 0, 1}, {1, 2, 14, 0, 1}, {1, 2, 13, 1577, -1}}},
        {"counters are kept apart",
         {{1, 0, 1, 10}, {2, 0, 9, 11}, {2, 1, 4, 12}, {1, 0, 2, 13}},
         {{1, 0, 12, 0, 1}, {2, 1, 13, 0, 4}, {1, 0, 13, 0, 2}, {2, 0, 13, 0, 9}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Track track;
        for (const Save &s : c.saves)
            ASSERT_EQ(LUSaveCounterLevel(track.list, s.counter, s.level, s.value, s.position), 0u);
        for (const Ask &a : c.asks) {
            SCOPED_TRACE(testing::Message() << "level " << a.level << " at " << a.position);
            int32_t value = 12345;
            EXPECT_EQ(LUGetCounterLevel(track.list, a.counter, a.level, &value, a.position), a.result);
            EXPECT_EQ(value, a.value);
        }
    }
}

using Levels = std::vector<std::vector<LUCounterRecord>>;

// The histories a counter's level list holds, level 0 first.
Levels stored_levels(const LUList *track, uint32_t counter_id) {
    Levels levels;
    const auto *counters = static_cast<const LUCounterEntry *>(track->Items);
    for (uint32_t c = 0; c < track->ItemCount; ++c) {
        if (counters[c].CounterId != counter_id) continue;
        const auto *entries = static_cast<const LULevelEntry *>(counters[c].Levels->Items);
        for (uint32_t k = 0; k < counters[c].Levels->ItemCount; ++k) {
            EXPECT_EQ(entries[k].Level, k);
            const auto *records = static_cast<const LUCounterRecord *>(entries[k].History->Items);
            levels.emplace_back(records, records + entries[k].History->ItemCount);
        }
    }
    return levels;
}

TEST(CounterTrack, StoredRecords) {
    const struct {
        const char *name;
        std::vector<Save> saves;
        Levels expected;
    } cases[] = {
        {"skipped levels get markers", {{5, 2, 7, 10}}, {{{10, -1, 1}}, {{10, -1, 2}}, {{10, 7, -1}}}},
        {"a value where the level above has one of its own",
         {{5, 0, 9, 40}, {5, 1, 4, 30}, {5, 1, 3, 40}},
         {{{30, 9, 1}, {40, 9, -1}}, {{30, 4, -1}, {40, 3, -1}}}},
        {"a first value at a new level there records nothing", {{5, 0, 9, 40}, {5, 1, 3, 40}}, {{{40, 9, -1}}, {}}},
        {"a second value at the same place is dropped",
         {{5, 0, 1, 10}, {5, 1, 2, 12}, {5, 1, 3, 12}},
         {{{10, 1, -1}, {12, 1, 1}}, {{12, 2, -1}}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Track track;
        for (const Save &s : c.saves)
            ASSERT_EQ(LUSaveCounterLevel(track.list, s.counter, s.level, s.value, s.position), 0u);
        EXPECT_EQ(stored_levels(track.list, 5), c.expected);
    }
}

TEST(CounterTrack, NullArguments) {
    int32_t value = 0;
    EXPECT_EQ(LUSaveCounterLevel(nullptr, 1, 0, 1, 1), 18u);
    EXPECT_EQ(LUGetCounterLevel(nullptr, 1, 0, &value, 1), 18u);
    EXPECT_EQ(value, -1);
    EXPECT_EQ(LUDeInitCounterTrack(nullptr), 0u);
}

// What a multi-level counter is at each save: the level saved takes its
// value, the levels above keep theirs (or hold no value when the previous
// save did not reach them), and the deeper ones start over.
class CounterModel {
public:
    void save(uint32_t level, int32_t value, uint32_t position) {
        Snapshot next{position, level, std::vector<int32_t>(level + 1, -1)};
        if (!snapshots_.empty())
            for (uint32_t k = 0; k < level && k <= snapshots_.back().depth; ++k)
                next.values[k] = snapshots_.back().values[k];
        next.values[level] = value;
        snapshots_.push_back(next);
    }
    uint32_t get(uint32_t level, uint32_t position, int32_t &value) const {
        value = -1;
        const Snapshot *at = nullptr;
        for (const Snapshot &s : snapshots_)
            if (s.position <= position) at = &s;
        if (!at || at->depth < level) return 1577;
        value = at->values[level];
        return 0;
    }

private:
    struct Snapshot {
        uint32_t position, depth;
        std::vector<int32_t> values;
    };
    std::vector<Snapshot> snapshots_;
};

TEST(CounterTrack, BehavesLikeTheModelAtIncreasingPositions) {
    std::mt19937 random(777);
    auto pick = [&](uint32_t n) { return std::uniform_int_distribution<uint32_t>(0, n - 1)(random); };
    Track track;
    std::map<uint32_t, CounterModel> models;
    uint32_t position = 0;
    for (int step = 0; step < 3000; ++step) {
        const uint32_t counter = pick(3);
        const uint32_t level = pick(5);
        position += 1 + pick(3);
        if (pick(2) == 0) {
            const int32_t value = static_cast<int32_t>(pick(100));
            ASSERT_EQ(LUSaveCounterLevel(track.list, counter, level, value, position), 0u);
            models[counter].save(level, value, position);
        }
        for (uint32_t asked = 0; asked < 3; ++asked) {
            const uint32_t when = pick(position + 2);
            int32_t value = 0, expected = 0;
            const uint32_t result = LUGetCounterLevel(track.list, counter, level, &value, when);
            const uint32_t expected_result =
                models.count(counter) ? models[counter].get(level, when, expected) : (expected = -1, 18u);
            ASSERT_EQ(result, expected_result) << "step " << step << " level " << level << " at " << when;
            ASSERT_EQ(value, expected) << "step " << step << " level " << level << " at " << when;
        }
    }
}

// The stored histories of one counter as plain vectors, kept by the saving
// rules step by step: markers at the outer levels (a first pass that scans
// each history up to the position, a second that looks at last records
// only), then the level's own record.  Positions come in any order here.
class RecordModel {
public:
    void save(uint32_t level, int32_t value, uint32_t position) {
        bool found = false, closed = false;
        for (uint32_t k = 0; k < level; ++k) {
            if (levels_.size() <= k) levels_.emplace_back();
            auto &history = levels_[k];
            size_t place = 0;
            int32_t marker = -1;
            if (history.empty()) {
                closed = true;
            } else {
                for (; place < history.size() && history[place].Position <= position; ++place) {
                    if (history[place].Position != position) continue;
                    if (history[place].Value != -1 && k != level - 1) return;
                    found = true;
                }
                const LUCounterRecord &at = history[std::min(place, history.size() - 1)];
                marker = closed ? -1 : at.Value;
                if (at.Link == -1) closed = true;
            }
            if (!found) history.insert(history.begin() + place, {position, marker, static_cast<int32_t>(k + 1)});
        }
        if (levels_.size() <= level) {
            levels_.emplace_back();
        } else {
            found = closed = false;
            for (uint32_t k = 0; k < level; ++k) {
                auto &history = levels_[k];
                if (history.empty()) {
                    closed = true;
                    continue;
                }
                const LUCounterRecord last = history.back();
                const LUCounterRecord marker{position, closed ? -1 : last.Value, static_cast<int32_t>(k + 1)};
                if (last.Link == -1) closed = true;
                if (last.Position >= position) continue;
                if (last.Link != marker.Link)
                    closed = true;
                else if (!closed)
                    continue;
                history.push_back(marker);
            }
        }
        auto &own = levels_[level];
        size_t place = 0;
        for (; place < own.size() && own[place].Position <= position; ++place) {
            if (own[place].Position != position) continue;
            if (own[place].Value != -1) return;
            own[place].Value = value;
            found = true;
        }
        if (!found) own.insert(own.begin() + place, {position, value, -1});
    }

    uint32_t get(uint32_t level, uint32_t position, int32_t &value) const {
        value = -1;
        if (levels_.size() <= level) return 1577;
        for (uint32_t k = 0; k <= level; ++k) {
            const LUCounterRecord *last = nullptr;
            for (const LUCounterRecord &r : levels_[k]) {
                if (r.Position > position) break;
                last = &r;
            }
            if (!last || (k < level && last->Link == -1)) return 1577;
            if (k == level) value = last->Value;
        }
        return 0;
    }

    const Levels &levels() const { return levels_; }

private:
    Levels levels_;
};

TEST(CounterTrack, StoresWhatTheRecordModelStoresForSavesInAnyOrder) {
    std::mt19937 random(4242);
    auto pick = [&](uint32_t n) { return std::uniform_int_distribution<uint32_t>(0, n - 1)(random); };
    for (int run = 0; run < 40; ++run) {
        Track track;
        std::map<uint32_t, RecordModel> models;
        for (int step = 0; step < 200; ++step) {
            const uint32_t counter = pick(2);
            const uint32_t level = pick(4);
            const uint32_t position = pick(24);
            const int32_t value = pick(8) == 0 ? -1 : static_cast<int32_t>(pick(50));
            ASSERT_EQ(LUSaveCounterLevel(track.list, counter, level, value, position), 0u);
            models[counter].save(level, value, position);
            ASSERT_EQ(stored_levels(track.list, counter), models[counter].levels())
                << "run " << run << " step " << step << ": level " << level << " value " << value << " at " << position;
            const uint32_t asked_level = pick(5), asked_position = pick(26);
            int32_t got = 0, expected = 0;
            ASSERT_EQ(LUGetCounterLevel(track.list, counter, asked_level, &got, asked_position),
                      models[counter].get(asked_level, asked_position, expected));
            ASSERT_EQ(got, expected);
        }
    }
}

TEST(CounterTrack, FailedAllocationsLeakNothing) {
    const size_t live_before = QrvGlobalLiveBlocks();
    for (uint32_t fail_at = 1; fail_at <= 12; ++fail_at) {
        SCOPED_TRACE(testing::Message() << "allocation " << fail_at);
        LUList *track = nullptr;
        QrvGlobalFailAfter(fail_at);
        const uint32_t init = LUInitCounterTrack(&track);
        const uint32_t save = init == 0 ? LUSaveCounterLevel(track, 1, 2, 7, 10) : 13;
        QrvGlobalFailAfter(0);
        EXPECT_TRUE(save == 0 || save == 13) << save;
        if (init == 0) {
            int32_t value = 0;
            const uint32_t got = LUGetCounterLevel(track, 1, 2, &value, 10);
            if (save == 0 && got == 0) {
                EXPECT_EQ(value, 7);
            }
            LUDeInitCounterTrack(track);
        } else {
            EXPECT_EQ(track, nullptr);
        }
        EXPECT_EQ(QrvGlobalLiveBlocks(), live_before);
    }
}

}  // namespace
