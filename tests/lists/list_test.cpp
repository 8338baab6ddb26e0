// Item lists through the library's exports: placement rules, refusals, a
// model test against std::vector, and failing allocations.
#include <gtest/gtest.h>

#include <qrvex/lists.h>
#include <qrvplatform/platform.h>

#include <cstring>
#include <random>
#include <vector>

namespace {

// Items of these tests: a 16-bit key and a 16-bit tag that tells equal keys
// apart, so that the order of duplicates shows.
struct Item {
    uint16_t key;
    uint16_t tag;
    bool operator==(const Item &) const = default;
};

struct ListGuard {
    LUList *list;
    explicit ListGuard(uint32_t capacity, uint32_t grow_by = 4) : list(LUCreateList(sizeof(Item), capacity, grow_by)) {}
    ~ListGuard() { LUFreeList(&list); }
};

std::vector<Item> items_of(const LUList *list) {
    const uint32_t used = list->Capacity - static_cast<uint32_t>(list->FreeSlots);
    const auto *first = static_cast<const Item *>(list->Items);
    return {first, first + used};
}

void fill(LUList *list, const std::vector<Item> &items) {
    for (const Item &item : items) ASSERT_NE(LUAddItem(list, &item), -1);
}

void expect_consistent(const LUList *list) {
    const uint32_t used = list->Capacity - static_cast<uint32_t>(list->FreeSlots);
    EXPECT_EQ(list->NextFree, static_cast<const char *>(list->Items) + used * sizeof(Item));
    EXPECT_GE(list->FreeSlots, 0);
}

TEST(ItemList, CreationFillsTheRecord) {
    ListGuard g(2, 3);
    ASSERT_NE(g.list, nullptr);
    EXPECT_EQ(g.list->RecordSize, sizeof(LUList));
    EXPECT_EQ(g.list->ItemSize, sizeof(Item));
    EXPECT_EQ(g.list->Capacity, 2u);
    EXPECT_EQ(g.list->FreeSlots, 2);
    EXPECT_EQ(g.list->ItemCount, 0u);
    EXPECT_EQ(g.list->Items, g.list->NextFree);
    EXPECT_EQ(GlobalLockCount(g.list->RecordBlock), 1u);
    EXPECT_EQ(GlobalLockCount(g.list->ItemBlock), 1u);
}

TEST(ItemList, GrowsByItsFixedStep) {
    ListGuard g(2, 3);
    const Item items[] = {{1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}};
    const struct {
        int32_t index;
        uint32_t capacity;
    } expected[] = {{0, 2}, {1, 2}, {2, 5}, {3, 5}, {4, 5}, {5, 8}};
    for (size_t i = 0; i < std::size(items); ++i) {
        EXPECT_EQ(LUAddItem(g.list, &items[i]), expected[i].index);
        EXPECT_EQ(g.list->Capacity, expected[i].capacity);
        EXPECT_EQ(GlobalLockCount(g.list->ItemBlock), 1u);
    }
    EXPECT_EQ(items_of(g.list), std::vector<Item>(std::begin(items), std::end(items)));
    expect_consistent(g.list);
}

TEST(ItemList, NullItemTakesASlot) {
    ListGuard g(1);
    fill(g.list, {{7, 7}});
    EXPECT_EQ(LUAddItem(g.list, nullptr), 1);
    EXPECT_EQ(g.list->ItemCount, 2u);
    EXPECT_EQ(items_of(g.list)[0], (Item{7, 7}));
}

TEST(ItemList, PopGivesTheLastItemsBytes) {
    ListGuard g(4);
    fill(g.list, {{1, 0}, {2, 0}});
    const auto *popped = static_cast<const Item *>(LURemoveItem(g.list));
    ASSERT_NE(popped, nullptr);
    EXPECT_EQ(*popped, (Item{2, 0}));
    EXPECT_EQ(g.list->ItemCount, 1u);
    ASSERT_NE(LURemoveItem(g.list), nullptr);
    EXPECT_EQ(LURemoveItem(g.list), nullptr);
    EXPECT_EQ(g.list->ItemCount, 0u);
    expect_consistent(g.list);
}

TEST(ItemList, SortedInsertion) {
    const struct {
        const char *name;
        std::vector<Item> before;
        Item item;
        uint32_t width, flags;
        uint32_t result;
        std::vector<Item> after;
    } cases[] = {
        {"duplicate refused", {{5, 0}, {7, 0}, {7, 1}, {9, 0}}, {7, 2}, 2, 0, 0, {{5, 0}, {7, 0}, {7, 1}, {9, 0}}},
        {"duplicate after equals",
         {{5, 0}, {7, 0}, {7, 1}, {9, 0}},
         {7, 2},
         2,
         1,
         0,
         {{5, 0}, {7, 0}, {7, 1}, {7, 2}, {9, 0}}},
        {"smallest first", {{5, 0}, {7, 0}}, {1, 0}, 2, 0, 0, {{1, 0}, {5, 0}, {7, 0}}},
        {"largest last", {{5, 0}, {7, 0}}, {8, 0}, 2, 0, 0, {{5, 0}, {7, 0}, {8, 0}}},
        {"into empty", {}, {3, 0}, 2, 0, 0, {{3, 0}}},
        // A 32-bit key takes the tag as its high half.
        {"wide key", {{5, 1}, {5, 3}}, {5, 2}, 4, 0, 0, {{5, 1}, {5, 2}, {5, 3}}},
        {"key is unsigned", {{1, 0}, {0x7fff, 0}}, {0x8000, 0}, 2, 0, 0, {{1, 0}, {0x7fff, 0}, {0x8000, 0}}},
        {"bad width", {{5, 0}}, {1, 0}, 3, 0, 37, {{5, 0}}},
        {"width wider than item", {{5, 0}}, {1, 0}, 8, 0, 37, {{5, 0}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ListGuard g(2, 1);
        fill(g.list, c.before);
        EXPECT_EQ(LUAddSortedItem(g.list, &c.item, c.width, c.flags), c.result);
        EXPECT_EQ(items_of(g.list), c.after);
        EXPECT_EQ(g.list->ItemCount, c.after.size());
        expect_consistent(g.list);
    }
}

TEST(ItemList, ExactMatchSearchAndRemoval) {
    const std::vector<Item> start = {{1, 1}, {2, 2}, {1, 1}, {3, 3}};
    const struct {
        const char *name;
        Item key;
        uint32_t length;
        int32_t found;
        uint32_t removed;
        std::vector<Item> after;
    } cases[] = {
        {"last of two matches", {1, 1}, 4, 2, 0, {{1, 1}, {2, 2}, {3, 3}}},
        {"key prefix", {2, 9}, 2, 1, 0, {{1, 1}, {1, 1}, {3, 3}}},
        {"the last item", {3, 3}, 4, 3, 0, {{1, 1}, {2, 2}, {1, 1}}},
        {"no match", {1, 2}, 4, -1, 37, start},
        {"empty key matches the last", {0, 0}, 0, 3, 0, {{1, 1}, {2, 2}, {1, 1}}},
        {"key longer than an item", {1, 1}, 5, -1, 37, start},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ListGuard g(4);
        fill(g.list, start);
        EXPECT_EQ(LUFindExactItem(g.list, &c.key, c.length), c.found);
        EXPECT_EQ(LURemoveExactItem(g.list, &c.key, c.length), c.removed);
        EXPECT_EQ(items_of(g.list), c.after);
        EXPECT_EQ(g.list->ItemCount, c.after.size());
        expect_consistent(g.list);
    }
}

TEST(ItemList, InsertionAtAnIndex) {
    const Item a{1, 0}, b{2, 0}, i{9, 0};
    const struct {
        const char *name;
        int32_t index;
        uint32_t result;
        std::vector<Item> after;
    } cases[] = {
        {"front", 0, 0, {i, a, b}},      {"middle", 1, 0, {a, i, b}},         {"at the count", 2, 0, {a, b, i}},
        {"minus one", -1, 0, {a, b, i}}, {"beyond the count", 3, 18, {a, b}}, {"other negative", -2, 18, {a, b}},
    };
    for (uint32_t capacity : {2u, 8u}) {
        for (const auto &c : cases) {
            SCOPED_TRACE(testing::Message() << c.name << ", capacity " << capacity);
            ListGuard g(capacity, 1);
            fill(g.list, {a, b});
            EXPECT_EQ(LUInsertItem(g.list, &i, c.index), c.result);
            EXPECT_EQ(items_of(g.list), c.after);
            EXPECT_EQ(g.list->ItemCount, c.after.size());
            expect_consistent(g.list);
        }
    }
}

TEST(ItemList, ShrinkingBelowTheCountKeepsTheFirstItems) {
    ListGuard g(4);
    fill(g.list, {{1, 0}, {2, 0}, {3, 0}, {4, 0}});
    EXPECT_EQ(LUResizeList(g.list, 2), 1u);
    EXPECT_EQ(g.list->FreeSlots, 0);
    EXPECT_EQ(g.list->Capacity, 2u);
    EXPECT_EQ(g.list->ItemCount, 4u);  // not changed by a resize
    EXPECT_EQ(items_of(g.list), (std::vector<Item>{{1, 0}, {2, 0}}));
    expect_consistent(g.list);
    EXPECT_EQ(LUResizeList(g.list, 0), 1u);
    EXPECT_EQ(LUAddItem(g.list, nullptr), 0);  // grows again by its step
    EXPECT_EQ(LUResizeList(g.list, 10), 1u);
    EXPECT_EQ(g.list->FreeSlots, 9);
}

// Lists that cannot grow refuse every addition and stay as they were.
TEST(ItemList, ListsThatCannotGrowRefuse) {
    const struct {
        const char *name;
        uint32_t capacity, grow_by;
    } lists[] = {
        {"growth step 0", 1, 0},
        {"capacity 0", 0, 4},
    };
    for (const auto &l : lists) {
        SCOPED_TRACE(l.name);
        ListGuard g(l.capacity, l.grow_by);
        ASSERT_NE(g.list, nullptr);
        fill(g.list, std::vector<Item>(l.capacity, Item{1, 0}));
        const Item item{0, 0};
        EXPECT_EQ(LUAddItem(g.list, &item), -1);
        EXPECT_EQ(LUInsertItem(g.list, &item, 0), 18u);
        EXPECT_EQ(LUInsertItem(g.list, &item, -1), 13u);
        EXPECT_EQ(LUAddSortedItem(g.list, &item, 2, 0), 37u);
        EXPECT_EQ(g.list->ItemCount, l.capacity);
        EXPECT_EQ(g.list->FreeSlots, 0);
        EXPECT_EQ(items_of(g.list), std::vector<Item>(l.capacity, Item{1, 0}));
    }
}

// Sorted lists count their items in 16 bits: the 65536th item is refused
// rather than placed by a count that has wrapped.
TEST(ItemList, SortedListsHoldAtMost65535Items) {
    ListGuard g(0xFFFF, 1);
    for (uint32_t i = 0; i < 0xFFFE; ++i) ASSERT_NE(LUAddItem(g.list, nullptr), -1);
    std::memset(g.list->Items, 0, 0xFFFE * sizeof(Item));
    const Item item{1, 0};
    EXPECT_EQ(LUAddSortedItem(g.list, &item, 2, 0), 0u);
    EXPECT_EQ(items_of(g.list).back(), item);
    EXPECT_EQ(LUAddSortedItem(g.list, &item, 2, 1), 37u);
    EXPECT_EQ(g.list->ItemCount, 0xFFFFu);
}

TEST(ItemList, NullListResults) {
    const Item item{1, 0};
    LUList *none = nullptr;
    EXPECT_EQ(LUResizeList(nullptr, 4), 0u);
    EXPECT_EQ(LUAddItem(nullptr, &item), -1);
    EXPECT_EQ(LURemoveItem(nullptr), nullptr);
    EXPECT_EQ(LUFindExactItem(nullptr, &item, 2), -1);
    EXPECT_EQ(LUAddSortedItem(nullptr, &item, 2, 0), 37u);
    EXPECT_EQ(LURemoveExactItem(nullptr, &item, 2), 0u);
    EXPECT_EQ(LUInsertItem(nullptr, &item, 0), 18u);
    LUFreeList(&none);
    LUFreeList(nullptr);
}

// Random operations against std::vector as the model.
TEST(ItemList, BehavesLikeAVector) {
    std::mt19937 random(12345);
    ListGuard g(3, 2);
    std::vector<Item> model;
    auto pick = [&](uint32_t n) { return std::uniform_int_distribution<uint32_t>(0, n - 1)(random); };
    for (int step = 0; step < 10000; ++step) {
        const Item item{static_cast<uint16_t>(pick(40)), static_cast<uint16_t>(step)};
        switch (pick(6)) {
        case 0:
            ASSERT_EQ(LUAddItem(g.list, &item), static_cast<int32_t>(model.size()));
            model.push_back(item);
            break;
        case 1: {
            const int32_t index = static_cast<int32_t>(pick(static_cast<uint32_t>(model.size()) + 1));
            ASSERT_EQ(LUInsertItem(g.list, &item, index), 0u);
            model.insert(model.begin() + index, item);
            break;
        }
        case 2:
            if (model.empty()) {
                ASSERT_EQ(LURemoveItem(g.list), nullptr);
            } else {
                ASSERT_EQ(*static_cast<Item *>(LURemoveItem(g.list)), model.back());
                model.pop_back();
            }
            break;
        case 3: {
            const auto it =
                std::find_if(model.rbegin(), model.rend(), [&](const Item &m) { return m.key == item.key; });
            const auto found = it == model.rend() ? -1 : static_cast<int32_t>(model.rend() - it) - 1;
            ASSERT_EQ(LUFindExactItem(g.list, &item, 2), found);
            ASSERT_EQ(LURemoveExactItem(g.list, &item, 2), it == model.rend() ? 37u : 0u);
            if (it != model.rend()) model.erase(std::next(it).base());
            break;
        }
        case 4: {
            // Only meaningful on a sorted list: sort the model and rebuild.
            std::stable_sort(model.begin(), model.end(), [](const Item &l, const Item &r) { return l.key < r.key; });
            while (LURemoveItem(g.list)) {
            }
            for (const Item &m : model) ASSERT_NE(LUAddItem(g.list, &m), -1);
            ASSERT_EQ(LUAddSortedItem(g.list, &item, 2, 1), 0u);
            model.insert(std::upper_bound(model.begin(), model.end(), item,
                                          [](const Item &l, const Item &r) { return l.key < r.key; }),
                         item);
            break;
        }
        case 5: {
            const uint32_t capacity = static_cast<uint32_t>(model.size()) + pick(4);
            ASSERT_EQ(LUResizeList(g.list, capacity), 1u);
            break;
        }
        }
        ASSERT_EQ(items_of(g.list), model) << "after step " << step;
        ASSERT_EQ(g.list->ItemCount, model.size());
    }
}

// Every allocation of every operation may fail: the result says so, the
// list keeps its items (its item block unlocked until a growth succeeds),
// and freeing it leaves no block behind.
TEST(ItemList, FailedAllocationsLoseAndLeakNothing) {
    const std::vector<Item> start = {{2, 0}, {4, 0}};
    const Item item{3, 0};
    const struct {
        const char *name;
        uint32_t (*operation)(LUList *, const Item &);
        uint32_t failure;
    } cases[] = {
        {"add", [](LUList *l, const Item &i) { return static_cast<uint32_t>(LUAddItem(l, &i)); }, 0xFFFFFFFFu},
        {"insert", [](LUList *l, const Item &i) { return LUInsertItem(l, &i, 1); }, 18},
        {"append", [](LUList *l, const Item &i) { return LUInsertItem(l, &i, -1); }, 13},
        {"sorted", [](LUList *l, const Item &i) { return LUAddSortedItem(l, &i, 2, 0); }, 37},
        {"resize", [](LUList *l, const Item &) { return LUResizeList(l, 9); }, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const size_t live_before = QrvGlobalLiveBlocks();
        ListGuard g(2, 2);
        fill(g.list, start);
        QrvGlobalFailAfter(1);
        EXPECT_EQ(c.operation(g.list, item), c.failure);
        QrvGlobalFailAfter(0);
        EXPECT_EQ(items_of(g.list), start);
        EXPECT_EQ(g.list->ItemCount, 2u);
        EXPECT_EQ(GlobalLockCount(g.list->ItemBlock), 0u) << "a failed growth leaves the items unlocked";
        expect_consistent(g.list);
        EXPECT_NE(c.operation(g.list, item), c.failure);  // usable again afterwards
        EXPECT_EQ(GlobalLockCount(g.list->ItemBlock), 1u);
        LUFreeList(&g.list);
        EXPECT_EQ(QrvGlobalLiveBlocks(), live_before);
    }
    for (uint32_t fail_at : {1u, 2u}) {
        const size_t live_before = QrvGlobalLiveBlocks();
        QrvGlobalFailAfter(fail_at);
        EXPECT_EQ(LUCreateList(4, 4, 4), nullptr) << "allocation " << fail_at;
        QrvGlobalFailAfter(0);
        EXPECT_EQ(QrvGlobalLiveBlocks(), live_before);
    }
}

}  // namespace
