// Memory blocks: layout, growth, counter arithmetic and failure paths.
#include <gtest/gtest.h>
#include <qrvex/memory.h>
#include <qrvplatform/platform.h>

#include <cstring>
#include <vector>

namespace {

struct Block {
    QRVHGLOBAL handle = nullptr;
    void *data = nullptr;
    uint32_t held = 0;

    uint32_t allocate(uint32_t size) { return MUAllocateMemory(&handle, &data, size, &held); }
    void free() { MUFreeMemory(&handle, &data, &held); }
    unsigned char *bytes() const { return static_cast<unsigned char *>(data); }
    uint32_t size_word() const {
        uint32_t n;
        std::memcpy(&n, bytes() - 4, 4);
        return n;
    }
    uint16_t guard_after(uint32_t size) const {
        uint16_t g;
        std::memcpy(&g, bytes() + size, 2);
        return g;
    }
};

TEST(MemoryBlocks, NewBlockLayout) {
    for (uint32_t size : {0u, 1u, 3u, 10u, 4096u}) {
        Block b;
        b.held = 100;
        ASSERT_EQ(b.allocate(size), 0u);
        EXPECT_EQ(GlobalSize(b.handle), size + 8u);
        EXPECT_EQ(GlobalLockCount(b.handle), 1u);
        EXPECT_EQ(b.size_word(), size);
        EXPECT_EQ(b.guard_after(size), 0xA1A1);
        EXPECT_EQ(b.bytes()[size + 2], 0);
        EXPECT_EQ(b.bytes()[size + 3], 0);
        for (uint32_t i = 0; i < size; ++i) ASSERT_EQ(b.bytes()[i], 0) << size;
        EXPECT_EQ(b.held, 100 + size);
        b.free();
        EXPECT_EQ(b.held, 100u);
        EXPECT_EQ(b.handle, nullptr);
    }
}

TEST(MemoryBlocks, GrowthKeepsDataZeroesTheRestAndMovesTheGuard) {
    struct Step {
        uint32_t request;
        uint32_t size_after;
        uint32_t held_after;
    };
    const Step steps[] = {{10, 10, 10}, {20, 20, 20}, {20, 20, 20}, {5, 20, 20}, {1000, 1000, 1000}};
    Block b;
    uint32_t filled = 0;
    for (const auto &s : steps) {
        void *before = b.data;
        ASSERT_EQ(b.allocate(s.request), 0u);
        if (s.request <= filled) {
            EXPECT_EQ(b.data, before);  // nothing to do: nothing changes
        }
        EXPECT_EQ(b.size_word(), s.size_after);
        EXPECT_EQ(b.held, s.held_after);
        EXPECT_EQ(b.guard_after(s.size_after), 0xA1A1);
        EXPECT_EQ(GlobalLockCount(b.handle), 1u);
        for (uint32_t i = 0; i < filled; ++i) ASSERT_EQ(b.bytes()[i], static_cast<unsigned char>(i + 1));
        for (uint32_t i = filled; i < s.size_after; ++i) ASSERT_EQ(b.bytes()[i], 0) << i;
        for (uint32_t i = 0; i < s.size_after; ++i) b.bytes()[i] = static_cast<unsigned char>(i + 1);
        filled = s.size_after;
    }
    b.free();
    EXPECT_EQ(b.held, 0u);
}

TEST(MemoryBlocks, GrowthAfterAMoveUsesTheNewAddress) {
    const int previous = QrvGlobalSetMoveOnRealloc(1);
    Block b;
    ASSERT_EQ(b.allocate(16), 0u);
    std::memset(b.data, 0x33, 16);
    void *first = b.data;
    ASSERT_EQ(b.allocate(32), 0u);
    EXPECT_NE(b.data, first);
    EXPECT_EQ(MULock(b.handle), b.data);
    MUUnlock(b.handle);
    ASSERT_EQ(b.allocate(64), 0u);  // reads the size word through the new pointer
    EXPECT_EQ(b.size_word(), 64u);
    EXPECT_EQ(b.bytes()[15], 0x33);
    EXPECT_EQ(b.bytes()[16], 0);
    b.free();
    QrvGlobalSetMoveOnRealloc(previous);
}

TEST(MemoryBlocks, LocksNestAroundTheAllocationLock) {
    Block b;
    ASSERT_EQ(b.allocate(8), 0u);
    EXPECT_EQ(MULock(b.handle), b.data);
    EXPECT_EQ(MULock(b.handle), b.data);
    EXPECT_EQ(GlobalLockCount(b.handle), 3u);
    EXPECT_NE(MUUnlock(b.handle), 0u);
    EXPECT_NE(MUUnlock(b.handle), 0u);
    EXPECT_EQ(GlobalLockCount(b.handle), 1u);
    QRVHGLOBAL freed = b.handle;
    b.free();
    EXPECT_EQ(MULock(freed), nullptr);
    b.free();  // handle 0: nothing
    EXPECT_EQ(b.held, 0u);
}

TEST(MemoryBlocks, FailuresReturn13AndCountNothing) {
    const size_t live = QrvGlobalLiveBlocks();
    {
        Block b;
        b.held = 7;
        QrvGlobalFailAfter(1);
        EXPECT_EQ(b.allocate(10), 13u);
        EXPECT_EQ(b.handle, nullptr);
        EXPECT_EQ(b.held, 7u);
    }
    {
        Block b;
        ASSERT_EQ(b.allocate(10), 0u);
        std::memset(b.data, 0x44, 10);
        QRVHGLOBAL handle = b.handle;
        QrvGlobalFailAfter(1);
        EXPECT_EQ(b.allocate(20), 13u);
        // The old block survives unchanged under its handle, now unlocked.
        EXPECT_EQ(b.handle, handle);
        EXPECT_EQ(b.held, 10u);
        EXPECT_EQ(GlobalLockCount(handle), 0u);
        EXPECT_EQ(GlobalSize(handle), 18u);
        b.data = MULock(handle);
        EXPECT_EQ(b.bytes()[9], 0x44);
        b.free();
    }
    EXPECT_EQ(QrvGlobalLiveBlocks(), live);
}

TEST(MemoryBlocks, ContextStartsCleared) {
    MUContext context;
    std::memset(&context, 0xFF, sizeof context);
    MUInit(&context);
    EXPECT_EQ(context.BytesHeld, 0u);
    EXPECT_EQ(context.Reserved, 0u);
    EXPECT_EQ(context.CacheCount, 0u);
    MUDeInit();
    Block a, b;
    ASSERT_EQ(MUAllocateMemory(&a.handle, &a.data, 30, &context.BytesHeld), 0u);
    ASSERT_EQ(MUAllocateMemory(&b.handle, &b.data, 12, &context.BytesHeld), 0u);
    ASSERT_EQ(MUAllocateMemory(&a.handle, &a.data, 50, &context.BytesHeld), 0u);
    EXPECT_EQ(context.BytesHeld, 62u);
    MUFreeMemory(&a.handle, &a.data, &context.BytesHeld);
    MUFreeMemory(&b.handle, &b.data, &context.BytesHeld);
    EXPECT_EQ(context.BytesHeld, 0u);
}

}  // namespace
