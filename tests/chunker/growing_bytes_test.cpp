// A store's bytes as they grow past the sizes where they become a mapping
// of their own and then a scratch file's, shrink and grow again: what was
// written stays (also once its pages went back to the file), what is new
// reads as zero, and a moved block keeps its bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include <qrvplatform/growing_array.hpp>
#include <qrvplatform/growing_bytes.hpp>

namespace {

using qrv::GrowingBytes;

bool all_zero(const GrowingBytes &b, size_t from, size_t to) {
    for (size_t i = from; i < to; ++i)
        if (b.data()[i] != 0) return false;
    return true;
}

uint8_t pattern(size_t i) { return static_cast<uint8_t>(i * 7 + (i >> 12)); }

class GrowingBytesFrom : public ::testing::TestWithParam<size_t> {};

TEST_P(GrowingBytesFrom, KeepsWhatWasWrittenAndZeroFillsWhatIsNew) {
    const size_t sizes[] = {100, 300 << 10, 3 << 20, 9 << 20};  // small, heap, first and later mappings
    GrowingBytes b(GetParam());
    size_t written = 0;
    for (size_t size : sizes) {
        SCOPED_TRACE(size);
        b.resize(size);
        ASSERT_TRUE(all_zero(b, written, size));
        for (size_t i = 0; i < written; ++i) ASSERT_EQ(b.data()[i], pattern(i));
        for (size_t i = written; i < size; ++i) b.data()[i] = pattern(i);
        written = size;
    }
    // Shrinking and growing again clears what the shrink gave back.
    b.resize(1 << 20);
    b.resize(5 << 20);
    EXPECT_TRUE(all_zero(b, 1 << 20, 5 << 20));
    EXPECT_EQ(b.data()[(1 << 20) - 1], pattern((1 << 20) - 1));

    GrowingBytes moved(std::move(b));
    EXPECT_EQ(moved.size(), size_t{5} << 20);
    EXPECT_EQ(moved.data()[12345], pattern(12345));
    EXPECT_TRUE(b.empty());
    moved.resize(12 << 20);
    EXPECT_TRUE(all_zero(moved, 5 << 20, 12 << 20));
}

// Never a scratch file; one from the first mapping on; the default.
INSTANTIATE_TEST_SUITE_P(ScratchSizes, GrowingBytesFrom,
                         ::testing::Values(GrowingBytes::kNeverScratch, size_t{64} << 10, GrowingBytes::kScratchFrom));

// Pages handed back to the scratch file while the block is written and
// read in passes come back with their bytes, wherever the block moved.
TEST(GrowingBytes, ScratchPagesHandedBackKeepTheirBytes) {
    GrowingBytes b(size_t{64} << 10);
    constexpr size_t kStep = 4096 + 17, kSize = size_t{24} << 20;
    while (b.size() < kSize) {
        const size_t at = b.size();
        b.resize(at + kStep);  // counts as used
        for (size_t i = at; i < at + kStep; ++i) b.data()[i] = pattern(i);
    }
#if defined(__linux__)
    EXPECT_TRUE(b.in_scratch());
#endif
    // Backwards, then forwards.
    const size_t blocks = (b.size() + kStep - 1) / kStep;
    for (int pass = 0; pass < 2; ++pass)
        for (size_t k = 0; k < blocks; ++k) {
            const size_t at = (pass ? k : blocks - 1 - k) * kStep, end = std::min(at + kStep, b.size());
            b.used(at, end - at);
            for (size_t i = at; i < end; ++i) ASSERT_EQ(b.data()[i], pattern(i)) << "pass " << pass << " at " << i;
        }
    b.resize(kSize / 2);
    b.resize(kSize);
    EXPECT_TRUE(all_zero(b, kSize / 2, kSize));
    EXPECT_EQ(b.data()[kSize / 2 - 1], pattern(kSize / 2 - 1));
}

struct Record {
    uint32_t key, value;
    double weight;
};

TEST(GrowingArray, HoldsMillionsOfRecordsInOrderAndSortsThem) {
    qrv::GrowingArray<Record> records;
    constexpr uint32_t kCount = 1500000;  // 24 MB: a scratch file's
    records.reserve(1000);
    for (uint32_t i = 0; i < kCount; ++i) records.push_back({static_cast<uint32_t>(uint64_t{i} * 7919 % kCount), i, i * 0.5});  // a permutation
    ASSERT_EQ(records.size(), kCount);
    for (size_t i = 0; i < records.size(); ++i) {
        records.used(i);
        ASSERT_EQ(records[i].value, i);
        ASSERT_EQ(records[i].weight, i * 0.5);
    }
    std::sort(records.begin(), records.end(), [](const Record &a, const Record &b) { return a.key < b.key; });
    for (uint32_t i = 0; i < kCount; ++i) ASSERT_EQ(records[i].key, i);
    records.resize(10);
    EXPECT_EQ(records.back().key, 9u);
    records.clear();
    EXPECT_TRUE(records.empty());
}

}  // namespace
