// The walk's batched reads against the chunker's own single reads: every
// item, every id the batches cannot serve, and every data value give what
// CHGetItem and FUDataVal give, in any order of reading.
#include <gtest/gtest.h>
#include <qrvch.h>
#include <qrvex/datavalue.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "item_reader.hpp"
#include "number_formats.hpp"

namespace {

using namespace qrv::filters;

// A document of small chunks: items, text runs and data values of every
// storage kind, so that batches end at chunk ends and in the middle.
CHHandle small_chunk_document(uint32_t chunk_size, uint32_t values) {
    CHHandle h = 0;
    EXPECT_EQ(CHNewDocument(chunk_size, &h), 0u);
    CHAppendSection(h, 0, nullptr);
    std::mt19937 rng(chunk_size);
    for (uint32_t i = 0; i < values; ++i) {
        const char16_t text[] = u"run";
        CHAppendText(h, reinterpret_cast<const QRVWCHAR *>(text), 3, nullptr);
        const double d = static_cast<double>(rng()) / 7.0 - 1e6;
        const float f = static_cast<float>(d);
        const int32_t n = static_cast<int32_t>(rng());
        switch (i % 4) {
        case 0: CHAppendDataValue(h, &d, sizeof d, CH_STORAGE_DOUBLE, 0, nullptr); break;
        case 1: CHAppendDataValue(h, &f, sizeof f, CH_STORAGE_FLOAT, 0, nullptr); break;
        case 2: CHAppendDataValue(h, &n, sizeof n, CH_STORAGE_INT32, i % 3, nullptr); break;
        default: CHAppendDataValue(h, &n, sizeof n, CH_STORAGE_NONE_9, 0, nullptr); break;
        }
    }
    return h;
}

// Every item's id, then ids that name nothing.
std::vector<uint32_t> ids_to_read(CHHandle h, uint32_t chunk_size) {
    std::vector<uint32_t> ids;
    uint32_t count = 0;
    CHGetItemCount(h, CH_STORE_ITEMS, &count);
    for (uint32_t index = 0; index < count; ++index) {
        uint32_t id = 0;
        CHGetItemId(h, CH_STORE_ITEMS, index, &id);
        ids.push_back(id);
    }
    const uint32_t last = ids.back();
    for (uint32_t bad : {last + 1, (last | 0xFFFFu), chunk_size, (last & 0xFFFF0000u) + 0x10000u, CH_NO_ITEM})
        if (!std::binary_search(ids.begin(), ids.end(), bad)) ids.push_back(bad);
    return ids;
}

void expect_same_reads(CHHandle h, ItemReader &reader, const std::vector<uint32_t> &ids) {
    for (uint32_t id : ids) {
        CHItem want{}, got{};
        uint32_t want_next = 1, got_next = 1;
        const uint32_t want_rc = CHGetItem(h, CH_STORE_ITEMS, id, &want, &want_next);
        const uint32_t got_rc = reader.get(id, got, got_next);
        ASSERT_EQ(got_rc, want_rc) << "id " << std::hex << id;
        if (want_rc != 0) continue;
        EXPECT_EQ(std::memcmp(&got, &want, sizeof want), 0) << "id " << std::hex << id;
        EXPECT_EQ(got_next, want_next) << "id " << std::hex << id;
    }
}

TEST(ItemReader, GivesWhatCHGetItemGivesInAnyOrder) {
    for (uint32_t chunk_size : {1u, 3u, 16u, 4096u, 5000u}) {
        SCOPED_TRACE(testing::Message() << "chunk size " << chunk_size);
        CHHandle h = small_chunk_document(chunk_size, 3000);
        std::vector<uint32_t> ids = ids_to_read(h, chunk_size);
        ItemReader forward(h);
        expect_same_reads(h, forward, ids);
        std::mt19937 rng(chunk_size);
        std::shuffle(ids.begin(), ids.end(), rng);
        ItemReader shuffled(h);
        expect_same_reads(h, shuffled, ids);
        CHCloseDocument(h);
    }
}

// The value of every data value item, and of items that are none, as
// FUDataVal reads it; twice, since the conversion may reorder its bytes in
// place.
TEST(NumberFormats, ValuesAreFUDataValsInAnyOrder) {
    CHHandle h = small_chunk_document(64, 2500);
    std::vector<uint32_t> ids = ids_to_read(h, 64);
    std::mt19937 rng(5);
    std::shuffle(ids.begin(), ids.end(), rng);
    NumberFormats numbers(h, 0);
    for (int round = 0; round < 2; ++round) {
        for (uint32_t id : ids) {
            CHItem item{};
            if (CHGetItem(h, CH_STORE_ITEMS, id, &item, nullptr) != 0) continue;
            double want = -1;
            FUDataVal(h, id, &want);
            const double got = numbers.value_of(item);
            EXPECT_EQ(std::memcmp(&got, &want, sizeof got), 0) << "id " << std::hex << id;
        }
    }
    CHItem beyond{CH_ITEM_DATA_VALUE, 999999, 0, CH_STORAGE_DOUBLE};
    EXPECT_EQ(numbers.value_of(beyond), 0.0);
    CHCloseDocument(h);
}

}  // namespace
