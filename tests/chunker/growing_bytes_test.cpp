// A store's bytes as they grow past the size where they become a mapping of
// their own, shrink and grow again: what was written stays, what is new
// reads as zero, and a moved block keeps its bytes.
#include <gtest/gtest.h>

#include <cstring>

#include "../../toolkit/qrvch/growing_bytes.hpp"

namespace {

using qrv::ch::GrowingBytes;

bool all_zero(const GrowingBytes &b, size_t from, size_t to) {
    for (size_t i = from; i < to; ++i)
        if (b.data()[i] != 0) return false;
    return true;
}

TEST(GrowingBytes, KeepsWhatWasWrittenAndZeroFillsWhatIsNew) {
    const size_t sizes[] = {100, 300 << 10, 3 << 20, 9 << 20};  // small, heap, first and later mappings
    GrowingBytes b;
    size_t written = 0;
    for (size_t size : sizes) {
        SCOPED_TRACE(size);
        b.resize(size);
        ASSERT_TRUE(all_zero(b, written, size));
        for (size_t i = 0; i < written; ++i) ASSERT_EQ(b.data()[i], static_cast<uint8_t>(i * 7));
        for (size_t i = written; i < size; ++i) b.data()[i] = static_cast<uint8_t>(i * 7);
        written = size;
    }
    // Shrinking and growing again clears what the shrink gave back.
    b.resize(1 << 20);
    b.resize(5 << 20);
    EXPECT_TRUE(all_zero(b, 1 << 20, 5 << 20));
    EXPECT_EQ(b.data()[(1 << 20) - 1], static_cast<uint8_t>(((1 << 20) - 1) * 7));

    GrowingBytes moved(std::move(b));
    EXPECT_EQ(moved.size(), size_t{5} << 20);
    EXPECT_EQ(moved.data()[12345], static_cast<uint8_t>(12345 * 7));
    EXPECT_TRUE(b.empty());
    moved.resize(12 << 20);
    EXPECT_TRUE(all_zero(moved, 5 << 20, 12 << 20));
}

}  // namespace
