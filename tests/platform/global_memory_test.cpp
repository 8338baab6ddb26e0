// Movable global memory: handles, lock counts, moves and fault injection.
#include <gtest/gtest.h>
#include <qrvplatform/platform.h>

#include <cstring>
#include <map>
#include <random>
#include <vector>

namespace {

#ifdef _WIN32
// KERNEL32's blocks: a locked block may move to grow when GMEM_MOVEABLE is
// given, and a block of 0 bytes has no storage (it is discarded).
constexpr bool kLockedBlocksGrow = true;
constexpr size_t kSmallestBlock = 1;
#else
constexpr bool kLockedBlocksGrow = false;
constexpr size_t kSmallestBlock = 0;
#endif

struct MoveOnRealloc {
    explicit MoveOnRealloc(bool on) : previous(QrvGlobalSetMoveOnRealloc(on)) {}
    ~MoveOnRealloc() { QrvGlobalSetMoveOnRealloc(previous); }
    int previous;
};

TEST(GlobalMemory, HandlesAreCheckedAfterFree) {
#ifdef _WIN32
    GTEST_SKIP() << "KERNEL32 hands a freed handle out again at once; refusing stale handles is the Linux "
                    "stand-in's own check";
#endif
    const size_t live = QrvGlobalLiveBlocks();
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 16);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(QrvGlobalLiveBlocks(), live + 1);
    EXPECT_EQ(GlobalFree(h), nullptr);
    EXPECT_EQ(QrvGlobalLiveBlocks(), live);
    // A freed handle is refused by every operation, even when its slot is
    // taken by a new block.
    HGLOBAL reuse = GlobalAlloc(GMEM_MOVEABLE, 16);
    EXPECT_NE(reuse, h);
    EXPECT_EQ(GlobalLock(h), nullptr);
    EXPECT_EQ(GlobalUnlock(h), 0);
    EXPECT_EQ(GlobalSize(h), 0u);
    EXPECT_EQ(GlobalReAlloc(h, 32, GMEM_MOVEABLE), nullptr);
    EXPECT_EQ(GlobalFree(h), h);
    const HGLOBAL invented[] = {reinterpret_cast<HGLOBAL>(0x1234), reinterpret_cast<HGLOBAL>(~uintptr_t{0})};
    for (HGLOBAL bad : invented) EXPECT_EQ(GlobalLock(bad), nullptr);
    GlobalFree(reuse);
}

TEST(GlobalMemory, LocksNest) {
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 4);
    void *first = GlobalLock(h);
    EXPECT_EQ(GlobalLock(h), first);
    EXPECT_EQ(GlobalLockCount(h), 2u);
    EXPECT_NE(GlobalUnlock(h), 0);  // still locked once
    EXPECT_EQ(GlobalUnlock(h), 0);
    EXPECT_EQ(GlobalUnlock(h), 0);  // not locked: no underflow
    EXPECT_EQ(GlobalLockCount(h), 0u);
    GlobalFree(h);
}

TEST(GlobalMemory, ReallocationMovesOnlyUnlockedBlocks) {
    enum Moves { kStays, kMoves, kEither };
    struct Case {
        bool locked;
        size_t from, to;
        bool succeeds;
        Moves moves;
    };
    MoveOnRealloc on(true);
    const Case cases[] = {
        {false, 8, 64, true, kMoves},
        {false, 64, 8, true, kMoves},
        {true, 64, 8, true, kStays},
        {true, 8, 8, true, kStays},
        {true, 8, 64, kLockedBlocksGrow, kLockedBlocksGrow ? kEither : kStays},
    };
    for (const auto &c : cases) {
        HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, c.from);
        auto *before = static_cast<unsigned char *>(GlobalLock(h));
        std::memset(before, 0x5A, c.from);
        if (!c.locked) GlobalUnlock(h);
        HGLOBAL after_handle = GlobalReAlloc(h, c.to, GMEM_MOVEABLE);
        EXPECT_EQ(after_handle != nullptr, c.succeeds) << c.from << "->" << c.to;
        auto *after = static_cast<unsigned char *>(GlobalLock(h));
        if (c.moves != kEither) {
            EXPECT_EQ(after != before, c.moves == kMoves) << c.from << "->" << c.to;
        }
        EXPECT_EQ(GlobalSize(h), c.succeeds ? c.to : c.from);
        for (size_t i = 0; i < std::min(c.from, c.to); ++i) ASSERT_EQ(after[i], 0x5A);
        GlobalFree(h);
    }
}

TEST(GlobalMemory, ZeroInitClearsNewAndGrownBytes) {
    MoveOnRealloc off(false);
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 8);
    auto *p = static_cast<unsigned char *>(GlobalLock(h));
    for (int i = 0; i < 8; ++i) EXPECT_EQ(p[i], 0);
    std::memset(p, 0xFF, 8);
    GlobalUnlock(h);
    ASSERT_NE(GlobalReAlloc(h, 4096, GMEM_MOVEABLE | GMEM_ZEROINIT), nullptr);
    p = static_cast<unsigned char *>(GlobalLock(h));
    for (int i = 0; i < 8; ++i) EXPECT_EQ(p[i], 0xFF);
    for (int i = 8; i < 4096; ++i) ASSERT_EQ(p[i], 0) << i;
    GlobalFree(h);
}

TEST(GlobalMemory, FailAfterFailsExactlyTheNthAttempt) {
    for (uint32_t n = 1; n <= 3; ++n) {
        QrvGlobalFailAfter(n);
        const uint32_t attempts = QrvGlobalAllocationCount();
        std::vector<HGLOBAL> got;
        for (int i = 0; i < 4; ++i) got.push_back(GlobalAlloc(GMEM_MOVEABLE, 8));
        EXPECT_EQ(QrvGlobalAllocationCount() - attempts, 4u);
        for (uint32_t i = 0; i < 4; ++i) EXPECT_EQ(got[i] == nullptr, i + 1 == n) << n << " " << i;
        for (HGLOBAL h : got) GlobalFree(h);
    }
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 8);
    QrvGlobalFailAfter(1);
    EXPECT_EQ(GlobalReAlloc(h, 16, GMEM_MOVEABLE), nullptr);
    EXPECT_EQ(GlobalSize(h), 8u);  // a failed reallocation leaves the block as it was
    GlobalFree(h);
}

// Random operations against a model of contents and lock counts.
void run_model_operations(unsigned seed) {
    struct Model {
        std::vector<unsigned char> bytes;
        uint32_t locks = 0;
    };
    std::map<HGLOBAL, Model> model;
    std::mt19937 rng(seed);
    const size_t live = QrvGlobalLiveBlocks();
    for (int step = 0; step < 3000; ++step) {
        const int op = static_cast<int>(rng() % 5);
        if (op == 0 || model.empty()) {
            const size_t size = kSmallestBlock + rng() % 300;
            HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
            ASSERT_NE(h, nullptr);
            model[h].bytes.assign(size, 0);
            continue;
        }
        auto it = std::next(model.begin(), static_cast<long>(rng() % model.size()));
        HGLOBAL h = it->first;
        Model &m = it->second;
        if (op == 1) {
            auto *p = static_cast<unsigned char *>(GlobalLock(h));
            ++m.locks;
            for (auto &b : m.bytes) b = static_cast<unsigned char>(rng());
            if (!m.bytes.empty()) std::memcpy(p, m.bytes.data(), m.bytes.size());
        } else if (op == 2 && m.locks) {
            --m.locks;
            EXPECT_EQ(GlobalUnlock(h) != 0, m.locks != 0);
        } else if (op == 3) {
            const size_t size = kSmallestBlock + rng() % 300;
            const bool ok = GlobalReAlloc(h, size, GMEM_MOVEABLE | GMEM_ZEROINIT) != nullptr;
            EXPECT_EQ(ok, m.locks == 0 || size <= m.bytes.size() || kLockedBlocksGrow);
            if (ok) m.bytes.resize(size, 0);
        } else if (op == 4) {
            GlobalFree(h);
            model.erase(it);
            continue;
        }
        ASSERT_EQ(GlobalSize(h), m.bytes.size());
        ASSERT_EQ(GlobalLockCount(h), m.locks);
        auto *p = static_cast<unsigned char *>(GlobalLock(h));
        ASSERT_TRUE(m.bytes.empty() || std::memcmp(p, m.bytes.data(), m.bytes.size()) == 0) << step;
        GlobalUnlock(h);
    }
    for (auto &[h, m] : model) GlobalFree(h);
    EXPECT_EQ(QrvGlobalLiveBlocks(), live);
}

// Unlocked blocks moving on reallocation, and not.
TEST(GlobalMemory, MatchesModelUnderRandomOperations) {
    for (bool moving : {false, true}) {
        SCOPED_TRACE(moving ? "moving" : "in place");
        MoveOnRealloc move(moving);
        run_model_operations(moving ? 8 : 7);
    }
}

}  // namespace
