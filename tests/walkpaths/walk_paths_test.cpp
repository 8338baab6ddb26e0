// The fast walks against the general walk over the full expansion: the
// same text for every format, value and convention.  Values are drawn where
// digits, rounding and the noise filter are easiest to get wrong.
#include "walkpaths/random_formats.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace qrv::test {
namespace {

using numformat::DigitPath;
using numformat::WalkPath;

// Pairs per run of this program; a tenth of it in a build without 128-bit
// integers (the 32-bit one, run under an emulator), where the reference
// asks printf for every expansion.
#if defined(__SIZEOF_INT128__)
constexpr uint64_t kPairs = 4'000'000;
#else
constexpr uint64_t kPairs = 400'000;
#endif

TEST(WalkPaths, PlainWalkWritesTheTextOfTheReference) {
    RandomFormats formats(20261207);
    HardValues values(20261208);
    std::mt19937_64 random(20261209);
    uint64_t differ = 0;
    uint64_t taken[4] = {};  // by FastWalk
    FUNumberFormat format{};
    for (uint64_t i = 0; i < kPairs; ++i) {
        if (i % 16 == 0) format = formats.next();
        const bool dates = (format.FormatFlags & FU_FORMAT_DATE_TIME) != 0;
        const double value = dates ? value_for_dates(random, values) : values.next();
        const PathCall call = random_call(random);
        const std::string fast = format_on_path(format, value, call, DigitPath::kShort, WalkPath::kFast);
        const std::string reference = format_on_path(format, value, call, DigitPath::kFull, WalkPath::kGeneral);
        ++taken[static_cast<int>(fast_walk_taking(format, value, call))];
        if (fast == reference) continue;
        if (++differ <= 10)
            ADD_FAILURE() << describe_codes(format) << " of " << describe(value) << ": fast \"" << fast
                          << "\", reference \"" << reference << "\"";
    }
    EXPECT_EQ(differ, 0u);
    std::printf("fast walks took %llu plain, %llu general, %llu date texts of %llu\n",
                static_cast<unsigned long long>(taken[1]), static_cast<unsigned long long>(taken[2]),
                static_cast<unsigned long long>(taken[3]), static_cast<unsigned long long>(kPairs));
    // The draw must keep every fast walk busy, or the comparison says little.
    EXPECT_GT(taken[static_cast<int>(FastWalk::kPlain)], kPairs / 4);
    EXPECT_GT(taken[static_cast<int>(FastWalk::kGeneral)], kPairs / 40);
    EXPECT_GT(taken[static_cast<int>(FastWalk::kDates)], kPairs / 20);
}

}  // namespace
}  // namespace qrv::test
