// The table index read once (what an export run answers its table searches
// from) against the walks of the exported searches, which read the index
// afresh on every call.
#include "navigate/chunk_doc.hpp"

#include "chunk/navigate/run_snapshots.hpp"

#include <qrvex/navigate.h>
#include <qrvex/tables.h>
#include <support/inside_export.hpp>

#include <random>
#include <vector>

namespace {

using qrv::chunk::RunSnapshots;
using qrv::chunk::TableSnapshot;
using qrv::chunk::TagListSnapshot;
using qrv::chunktest::ChunkDoc;

// An index entry written as it stands, so that its item id need not be the
// id of a table item nor grow along the index.
void append_entry(ChunkDoc &d, uint32_t type, uint32_t item_id) {
    const CHItem entry{type, 0, 0, item_id};
    uint32_t id = CH_NO_ITEM;
    ASSERT_EQ(CHAppendStoreData(d.h(), CH_STORE_TABLE_INDEX, &entry, sizeof entry, &id), 0u);
}

uint32_t append_table_item(ChunkDoc &d, bool begin) {
    uint32_t id = CH_NO_ITEM;
    EXPECT_EQ(begin ? CHAppendTableBegin(d.h(), &id) : CHAppendTableEnd(d.h(), &id), 0u);
    return id;
}

// Tables opened and closed at random among text, some never closed and
// some ends without a begin.  With loose entries, entries of any type and
// item id are mixed in, so the ids along the index stop growing.
uint32_t random_document(ChunkDoc &d, std::mt19937 &random, bool loose_entries) {
    uint32_t last = 0;
    const int steps = 10 + static_cast<int>(random() % 80);
    for (int step = 0; step < steps; ++step) {
        switch (random() % 7) {
        case 0:
        case 1: last = append_table_item(d, true); break;
        case 2:
        case 3: last = append_table_item(d, false); break;
        case 4:
            if (loose_entries) {
                const uint32_t types[] = {CH_ITEM_TABLE_BEGIN, CH_ITEM_TABLE_END, 8};
                append_entry(d, types[random() % 3], static_cast<uint32_t>(random() % (last + 4)));
                break;
            }
            [[fallthrough]];
        default: last = d.append(8, 2, 1); break;
        }
    }
    return last;
}

// Every id of the document and a few past it gets the walks' answers.
void expect_walk_answers(const ChunkDoc &d, uint32_t last, bool ends_known, const std::string &what) {
    const TableSnapshot snapshot(d.h());
    for (uint32_t id = 0; id <= last + 2; ++id) {
        ASSERT_EQ(snapshot.begin_around(id), CUFindTableBeginId(id, 1, d.h())) << what << ", begin around " << id;
        const std::optional<uint32_t> end = snapshot.end_of(id);
        if (ends_known) {
            ASSERT_TRUE(end.has_value()) << what << ", end of " << id;
        }
        if (end) {
            ASSERT_EQ(*end, CUFindTableEndId(id, d.h())) << what << ", end of " << id;
        }
    }
}

TEST(TableSnapshot, AnswersAsTheWalksDoForRandomIndexes) {
    std::mt19937 random(36);
    for (const bool loose : {false, true}) {
        for (int round = 0; round < 300; ++round) {
            ChunkDoc d;
            const uint32_t last = random_document(d, random, loose);
            expect_walk_answers(d, last, !loose, (loose ? "loose, round " : "round ") + std::to_string(round));
        }
    }
}

// What the library's table searches answer for every id, and the shape
// CUGetTableInfo gives, as one list to compare.
std::vector<uint32_t> table_answers(const ChunkDoc &d, uint32_t last) {
    std::vector<uint32_t> answers;
    for (uint32_t id = 0; id <= last + 2; ++id) {
        answers.push_back(CUFindTableBeginId(id, 1, d.h()));
        answers.push_back(CUFindTableEndId(id, d.h()));
        CUTableInfo info{};
        answers.push_back(CUGetTableInfo(id, &info, d.h()));
        answers.insert(answers.end(), {info.RowCount, info.RowMark, info.MaxCells, info.TableBeginId});
        CUFreeTableInfo(&info);
    }
    return answers;
}

// The same searches inside an export run, where the library answers them
// from the index it read once, give what they give outside.
TEST(TableSnapshot, SearchesInsideAnExportRunAnswerAsOutside) {
    std::mt19937 random(3600);
    for (const bool loose : {false, true}) {
        for (int round = 0; round < 60; ++round) {
            ChunkDoc d;
            const uint32_t last = random_document(d, random, loose);
            const std::vector<uint32_t> outside = table_answers(d, last);
            std::vector<uint32_t> inside;
            uint32_t index_reads = 0;
            ASSERT_EQ(qrv::test::run_inside_export([&] {
                          inside = table_answers(d, last);
                          d.reset_calls();
                          for (uint32_t id = 0; id <= last; ++id) CUFindTableEndId(id, d.h());
                          index_reads = d.calls(CH_OP_GET_ITEM);
                      }),
                      0u);
            if (!loose) {
                EXPECT_EQ(index_reads, 0u) << "the run answers from what it read";
            }
            ASSERT_EQ(inside, outside) << (loose ? "loose, round " : "round ") << round;
        }
    }
}

// Where the walk stops early, the snapshot stops with it.
TEST(TableSnapshot, EndsWhereTheWalkEnds) {
    enum class Fault { kCountedShort, kEntryLoops, kEntryUnreadable };
    const struct {
        Fault fault;
        uint32_t at_entry;  // or the count reported
        const char *what;
    } cases[] = {
        {Fault::kCountedShort, 4, "four entries counted"},
        {Fault::kCountedShort, 0, "no entries counted"},
        {Fault::kEntryLoops, 2, "the third entry is followed by itself"},
        {Fault::kEntryUnreadable, 5, "the sixth entry cannot be read"},
        {Fault::kEntryUnreadable, 0, "the first entry cannot be read"},
    };
    for (const auto &c : cases) {
        ChunkDoc d;
        uint32_t last = 0;
        for (int table = 0; table < 4; ++table) {
            append_table_item(d, true);
            d.append(8, 2, 1);
            if (table % 2) append_table_item(d, true), append_table_item(d, false);
            last = append_table_item(d, false);
        }
        uint32_t entry = CH_NO_ITEM;
        ASSERT_EQ(CHGetItemId(d.h(), CH_STORE_TABLE_INDEX, c.at_entry, &entry), 0u);
        switch (c.fault) {
        case Fault::kCountedShort: CHFaultReportCount(d.h(), CH_STORE_TABLE_INDEX, c.at_entry); break;
        case Fault::kEntryLoops: CHFaultRedirectId(d.h(), CH_OP_GET_ITEM, CH_STORE_TABLE_INDEX, entry, entry); break;
        case Fault::kEntryUnreadable: CHFaultAtId(d.h(), CH_OP_GET_ITEM, CH_STORE_TABLE_INDEX, entry, 0x999); break;
        }
        expect_walk_answers(d, last, false, c.what);
    }
}

// The end search counts depth in 16 bits: tables nested that deep are left
// to the walk, while as many tables one after another are not.
TEST(TableSnapshot, LeavesTheEndToTheWalkOnlyWhereItsDepthCouldWrap) {
    ChunkDoc nested;
    const uint32_t outer = append_table_item(nested, true);
    for (uint32_t table = 1; table < 0xFFFF; ++table) append_table_item(nested, true);
    const TableSnapshot deep(nested.h());
    EXPECT_FALSE(deep.end_of(outer).has_value());
    EXPECT_EQ(deep.begin_around(outer), outer);

    ChunkDoc flat;
    std::vector<uint32_t> begins;
    for (uint32_t table = 0; table < 70000; ++table) {
        begins.push_back(append_table_item(flat, true));
        append_table_item(flat, false);
    }
    const TableSnapshot many(flat.h());
    for (const uint32_t begin : {begins.front(), begins[40000], begins.back()}) {
        ASSERT_TRUE(many.end_of(begin).has_value()) << begin;
        EXPECT_EQ(*many.end_of(begin), CUFindTableEndId(begin, flat.h())) << begin;
        EXPECT_EQ(many.begin_around(begin), CUFindTableBeginId(begin, 1, flat.h())) << begin;
    }
}

TEST(RunSnapshots, AScopeReadsEachIndexOnceUntilItChanges) {
    ChunkDoc d;
    append_table_item(d, true);
    append_table_item(d, false);
    EXPECT_EQ(RunSnapshots::tables(d.h()), nullptr) << "nothing is kept outside a scope";
    const RunSnapshots run;
    const TableSnapshot *first = RunSnapshots::tables(d.h());
    ASSERT_NE(first, nullptr);
    d.reset_calls();
    EXPECT_EQ(RunSnapshots::tables(d.h()), first);
    EXPECT_EQ(d.calls(CH_OP_GET_ITEM), 0u) << "the index is not read again";

    const uint32_t begin = append_table_item(d, true);
    const uint32_t end = append_table_item(d, false);
    const TableSnapshot *grown = RunSnapshots::tables(d.h());
    ASSERT_NE(grown, nullptr);
    EXPECT_EQ(grown->end_of(begin), std::optional<uint32_t>(end)) << "a grown index is read again";
    {
        const RunSnapshots inner;
        EXPECT_NE(RunSnapshots::tables(d.h()), nullptr);
    }
    EXPECT_EQ(RunSnapshots::tables(d.h())->end_of(begin), std::optional<uint32_t>(end)) << "the outer scope again";
}

// The first counted entry under a key and code is the one a scan finds;
// keys and codes are told apart.
TEST(TagListSnapshot, FindsTheFirstEntryUnderAKeyAndCode) {
    ChunkDoc d;
    const uint32_t style5 = d.begin(CH_TAG_STYLE_DEFINITION);
    d.end();
    const uint32_t again5 = d.begin(CH_TAG_STYLE_DEFINITION);
    d.end();
    const CHTagListEntry entries[] = {{style5, CH_TAG_STYLE_DEFINITION, 5},
                                      {again5, CH_TAG_STYLE_DEFINITION, 5},
                                      {again5, CH_TAG_STYLE_DEFINITION, 6},
                                      {style5, 0x1234, 7}};
    for (const CHTagListEntry &entry : entries) {
        uint32_t id = CH_NO_ITEM;
        ASSERT_EQ(CHAppendStoreData(d.h(), CH_STORE_TAG_LIST, &entry, sizeof entry, &id), 0u);
    }
    const TagListSnapshot snapshot(d.h());
    ASSERT_TRUE(snapshot.readable());
    const struct {
        uint32_t key, code;
        std::optional<uint32_t> begin;
    } cases[] = {{5, CH_TAG_STYLE_DEFINITION, style5},
                 {6, CH_TAG_STYLE_DEFINITION, again5},
                 {7, 0x1234, style5},
                 {7, CH_TAG_STYLE_DEFINITION, std::nullopt},
                 {8, CH_TAG_STYLE_DEFINITION, std::nullopt}};
    for (const auto &c : cases) EXPECT_EQ(snapshot.begin_of(c.key, c.code), c.begin) << c.key << " " << c.code;
}

}  // namespace
