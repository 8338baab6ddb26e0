// Handles of option sets and chunker documents against a model, and option
// reads while other threads write, create and destroy.
#include <gtest/gtest.h>
#include <qrvch.h>
#include <qrvda.h>

#include <atomic>
#include <cstring>
#include <map>
#include <random>
#include <set>
#include <thread>
#include <vector>

namespace {

char decimal_of(uint32_t options) {
    FUIntlSettings s{};
    uint32_t size = sizeof s;
    return DAGetOption(options, DA_OPTION_INTL_SETTINGS, &s, &size) == 0 ? s.DecimalSeparator : 0;
}

uint32_t set_decimal(uint32_t options, char decimal) {
    FUIntlSettings s{};
    uint32_t size = sizeof s;
    DAGetOption(options, DA_OPTION_INTL_SETTINGS, &s, &size);
    s.DecimalSeparator = decimal;
    return DASetOption(options, DA_OPTION_INTL_SETTINGS, &s, sizeof s);
}

// Random creates, destroys, reads and writes of option sets: every live
// handle reads its own value, every destroyed one is refused, none is
// given out twice.
TEST(Handles, OptionSetsFollowAModel) {
    std::mt19937 random(21);
    std::map<uint32_t, char> live;
    std::set<uint32_t> given, destroyed;
    for (int step = 0; step < 20000; ++step) {
        const uint32_t choice = random() % 4;
        if (choice == 0 || live.empty()) {
            uint32_t h = 0;
            ASSERT_EQ(DACreateOptions(&h), 0u);
            ASSERT_TRUE(given.insert(h).second) << h;
            live[h] = '.';
            continue;
        }
        auto it = std::next(live.begin(), static_cast<long>(random() % live.size()));
        if (choice == 1) {
            ASSERT_EQ(DADestroyOptions(it->first), 0u);
            destroyed.insert(it->first);
            live.erase(it);
        } else if (choice == 2) {
            it->second = static_cast<char>('a' + random() % 26);
            ASSERT_EQ(set_decimal(it->first, it->second), 0u);
        } else {
            ASSERT_EQ(decimal_of(it->first), it->second);
        }
    }
    for (uint32_t h : destroyed) {
        EXPECT_EQ(decimal_of(h), 0) << h;
        EXPECT_EQ(DADestroyOptions(h), uint32_t{DA_ERR_BAD_HANDLE}) << h;
    }
    for (const auto &[h, decimal] : live) {
        EXPECT_EQ(decimal_of(h), decimal);
        DADestroyOptions(h);
    }
}

TEST(Handles, DocumentsFollowAModel) {
    std::mt19937 random(22);
    std::map<CHHandle, uint32_t> live;  // handle -> chunk size
    std::set<CHHandle> closed;
    for (int step = 0; step < 5000; ++step) {
        if (random() % 3 != 0 || live.empty()) {
            const uint32_t chunk = 1 + random() % 64;
            CHHandle h = 0;
            ASSERT_EQ(CHNewDocument(chunk, &h), 0u);
            ASSERT_FALSE(live.count(h) || closed.count(h)) << h;
            live[h] = chunk;
            continue;
        }
        auto it = std::next(live.begin(), static_cast<long>(random() % live.size()));
        uint32_t chunk = 0;
        ASSERT_EQ(CHGetChunkSize(it->first, &chunk), 0u);
        ASSERT_EQ(chunk, it->second);
        ASSERT_EQ(CHCloseDocument(it->first), 0u);
        closed.insert(it->first);
        live.erase(it);
    }
    for (CHHandle h : closed) {
        uint32_t chunk = 0;
        EXPECT_EQ(CHGetChunkSize(h, &chunk), uint32_t{CH_ERR_BAD_HANDLE});
        EXPECT_EQ(CHCloseDocument(h), uint32_t{CH_ERR_BAD_HANDLE});
    }
    for (const auto &entry : live) CHCloseDocument(entry.first);
}

// Conventions whose every byte tells the two apart.
FUIntlSettings conventions(unsigned char fill) {
    FUIntlSettings s;
    std::memset(&s, fill, sizeof s);
    return s;
}

// One thread writes two records in turn while others read: each read is
// the one record or the other, never a mix.
TEST(Handles, ReadersSeeWholeConventionsWhileOneWrites) {
    uint32_t options = 0;
    ASSERT_EQ(DACreateOptions(&options), 0u);
    const FUIntlSettings a = conventions(0x11), b = conventions(0xEE);
    ASSERT_EQ(DASetOption(options, DA_OPTION_INTL_SETTINGS, &a, sizeof a), 0u);
    std::atomic<bool> writing{true};
    std::atomic<uint64_t> torn{0};
    std::vector<std::thread> readers;
    for (int r = 0; r < 3; ++r) {
        readers.emplace_back([&] {
            // At least as many reads as writes, and on while the writer is.
            for (int i = 0; i < 100000 || (writing && i < 1000000); ++i) {
                FUIntlSettings seen;
                uint32_t size = sizeof seen;
                DAGetOption(options, DA_OPTION_INTL_SETTINGS, &seen, &size);
                if (std::memcmp(&seen, &a, sizeof seen) != 0 && std::memcmp(&seen, &b, sizeof seen) != 0) ++torn;
            }
        });
    }
    for (int i = 0; i < 100000; ++i) {
        const FUIntlSettings &next = i % 2 == 0 ? b : a;
        DASetOption(options, DA_OPTION_INTL_SETTINGS, &next, sizeof next);
    }
    writing = false;
    for (auto &t : readers) t.join();
    EXPECT_EQ(torn.load(), 0u);
    DADestroyOptions(options);
}

// Threads create, use and destroy option sets and documents of their own
// while the handle tables grow under them.
TEST(Handles, TablesGrowWhileOtherThreadsLookUp) {
    std::atomic<uint64_t> wrong{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            const char decimal = static_cast<char>('A' + t);
            for (int i = 0; i < 3000; ++i) {
                uint32_t options = 0;
                CHHandle doc = 0;
                if (DACreateOptions(&options) != 0 || CHNewDocument(1 + t, &doc) != 0) {
                    ++wrong;
                    continue;
                }
                set_decimal(options, decimal);
                uint32_t chunk = 0;
                if (decimal_of(options) != decimal || CHGetChunkSize(doc, &chunk) != 0 ||
                    chunk != static_cast<uint32_t>(1 + t))
                    ++wrong;
                DADestroyOptions(options);
                CHCloseDocument(doc);
            }
        });
    }
    for (auto &t : threads) t.join();
    EXPECT_EQ(wrong.load(), 0u);
}

}  // namespace
