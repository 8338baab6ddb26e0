// Injected faults: failing calls, ids that go backwards or loop, counts that
// lie, cut stores; and the call counts.
#include "support/document.hpp"

#include <gtest/gtest.h>

namespace {

using qrv::test::Document;

constexpr const char *kDoc = R"(
    chunk-size 2
    text "ab"
    break PARAGRAPH
    ATTR_12
    record TAG_LIST 0 1 2
    record TAG_LIST 1 3 4
)";

// Calls one operation on store 0 (store 2 for the range operations) at id.
uint32_t call(CHHandle h, uint32_t op, uint32_t id) {
    CHItem item;
    uint32_t out = 0;
    void *address = nullptr;
    CHSectionInfo info;
    switch (op) {
    case CH_OP_GET_ITEM: return CHGetItem(h, CH_STORE_ITEMS, id, &item, &out);
    case CH_OP_GET_ITEMS: return CHGetItems(h, CH_STORE_TEXT, id, 1, &out);
    case CH_OP_LOCK_RANGE: {
        uint32_t r = CHLockItemRange(h, CH_STORE_TEXT, id, 1, &address);
        if (r == 0) CHUnlockItemRange(h, CH_STORE_TEXT, id, 1);
        return r;
    }
    case CH_OP_GET_ITEM_COUNT: return CHGetItemCount(h, CH_STORE_ITEMS, &out);
    case CH_OP_GET_ITEM_ID: return CHGetItemId(h, CH_STORE_ITEMS, id, &out);
    case CH_OP_NEXT_ITEM_ID: return CHNextItemId(h, CH_STORE_ITEMS, id, &out);
    case CH_OP_PREV_ITEM_ID: return CHPrevItemId(h, CH_STORE_ITEMS, id + 1, &out);
    case CH_OP_GET_SECTION_INFO: return CHGetSectionInfo(h, CH_STORE_SECTIONS, id, &info);
    default: return 0;
    }
}

TEST(Faults, TheNthCallFailsWithTheChosenCode) {
    const uint32_t ops[] = {CH_OP_GET_ITEM,    CH_OP_GET_ITEMS,    CH_OP_LOCK_RANGE,  CH_OP_GET_ITEM_COUNT,
                            CH_OP_GET_ITEM_ID, CH_OP_NEXT_ITEM_ID, CH_OP_PREV_ITEM_ID};
    for (uint32_t op : ops) {
        for (int persistent : {0, 1}) {
            Document doc(kDoc);
            ASSERT_EQ(CHFaultAfterCalls(doc.handle(), op, CH_ANY_STORE, 3, 77, persistent), 0u);
            EXPECT_EQ(call(doc.handle(), op, 0), 0u) << "op " << op;
            EXPECT_EQ(call(doc.handle(), op, 0), 0u) << "op " << op;
            EXPECT_EQ(call(doc.handle(), op, 0), 77u) << "op " << op;
            EXPECT_EQ(call(doc.handle(), op, 0), persistent ? 77u : 0u) << "op " << op;
            EXPECT_EQ(doc.calls(op), 4u) << "failed calls count too";
            CHFaultClear(doc.handle());
            EXPECT_EQ(call(doc.handle(), op, 0), 0u);
        }
    }
}

TEST(Faults, AFailingCallWritesNothing) {
    Document doc(kDoc);
    CHFaultAtId(doc.handle(), CH_OP_GET_ITEM, CH_STORE_ITEMS, 1, CH_ERR_INJECTED);
    CHItem item{9, 9, 9, 9};
    uint32_t next = 5;
    EXPECT_EQ(CHGetItem(doc.handle(), CH_STORE_ITEMS, 1, &item, &next), uint32_t{CH_ERR_INJECTED});
    EXPECT_EQ(item.type, 9u);
    EXPECT_EQ(next, 5u);
    EXPECT_EQ(CHGetItem(doc.handle(), CH_STORE_ITEMS, 0, &item, &next), 0u) << "other ids still read";
    EXPECT_EQ(CHGetItem(doc.handle(), CH_STORE_TEXT, 1, &item, &next), 0u) << "other stores still read";
}

TEST(Faults, FaultsCanBeLimitedToAStore) {
    Document doc(kDoc);
    CHFaultAfterCalls(doc.handle(), CH_OP_GET_ITEM_COUNT, CH_STORE_TAG_LIST, 1, 5, 1);
    uint32_t count = 0;
    EXPECT_EQ(CHGetItemCount(doc.handle(), CH_STORE_ITEMS, &count), 0u);
    EXPECT_EQ(CHGetItemCount(doc.handle(), CH_STORE_TAG_LIST, &count), 5u);
}

TEST(Faults, RedirectedIdsLoopOrGoBackwards) {
    Document doc(kDoc);
    const CHHandle h = doc.handle();
    CHFaultRedirectId(h, CH_OP_GET_ITEM, CH_STORE_ITEMS, 0x10000, 0x10000);  // a loop
    CHFaultRedirectId(h, CH_OP_NEXT_ITEM_ID, CH_STORE_ITEMS, 1, 0);          // backwards
    CHFaultRedirectId(h, CH_OP_PREV_ITEM_ID, CH_STORE_ITEMS, 1, 0x70000);    // off the end
    CHFaultRedirectId(h, CH_OP_GET_ITEM_ID, CH_STORE_TAG_LIST, 0, 1);
    EXPECT_EQ(doc.next(0x10000), 0x10000u);
    uint32_t id = 0;
    EXPECT_EQ(CHNextItemId(h, CH_STORE_ITEMS, 1, &id), 0u);
    EXPECT_EQ(id, 0u);
    EXPECT_EQ(CHPrevItemId(h, CH_STORE_ITEMS, 1, &id), 0u);
    EXPECT_EQ(id, 0x70000u);
    EXPECT_EQ(CHGetItemId(h, CH_STORE_TAG_LIST, 0, &id), 0u);
    EXPECT_EQ(id, 1u);
    EXPECT_EQ(CHFaultRedirectId(h, CH_OP_GET_ITEMS, 0, 0, 0), uint32_t{CH_ERR_BAD_ARG});
}

TEST(Faults, CountsMayLieAndStoresMayBeCut) {
    Document doc(kDoc);
    const CHHandle h = doc.handle();
    uint32_t count = 0;
    CHFaultReportCount(h, CH_STORE_TAG_LIST, 1);
    EXPECT_EQ(CHGetItemCount(h, CH_STORE_TAG_LIST, &count), 0u);
    EXPECT_EQ(count, 1u);
    uint32_t id = 0;
    EXPECT_EQ(CHNextItemId(h, CH_STORE_TAG_LIST, 0, &id), 0u) << "entries past the count stay readable";
    EXPECT_EQ(CHTruncateStore(h, CH_STORE_TEXT, 1), 0u);
    QRVWCHAR chars[2];
    EXPECT_EQ(CHGetItems(h, CH_STORE_TEXT, 0, 2, chars), uint32_t{CH_ERR_RANGE});
    EXPECT_EQ(CHTruncateStore(h, CH_STORE_ITEMS, 2), 0u);
    EXPECT_EQ(doc.next(1), CH_NO_ITEM);
}

TEST(Faults, ArgumentsAreChecked) {
    Document doc(kDoc);
    const CHHandle h = doc.handle();
    uint32_t count = 0;
    EXPECT_EQ(CHFaultAfterCalls(h, CH_OP_COUNT, 0, 1, 5, 0), uint32_t{CH_ERR_BAD_ARG});
    EXPECT_EQ(CHFaultAfterCalls(h, CH_OP_GET_ITEM, 0, 0, 5, 0), uint32_t{CH_ERR_BAD_ARG});
    EXPECT_EQ(CHFaultAfterCalls(h, CH_OP_GET_ITEM, 0, 1, 0, 0), uint32_t{CH_ERR_BAD_ARG});
    EXPECT_EQ(CHFaultAtId(h, CH_OP_GET_ITEM, 0, 1, 0), uint32_t{CH_ERR_BAD_ARG});
    EXPECT_EQ(CHCallCount(h, CH_OP_COUNT, &count), uint32_t{CH_ERR_BAD_ARG});
}

TEST(Faults, CallCountsCanBeReset) {
    Document doc(kDoc);
    for (uint32_t id = 0; id != CH_NO_ITEM; id = doc.next(id)) {
    }
    EXPECT_EQ(doc.calls(CH_OP_GET_ITEM), 3u);
    EXPECT_EQ(doc.calls(CH_OP_NEXT_ITEM_ID), 0u);
    CHResetCallCounts(doc.handle());
    EXPECT_EQ(doc.calls(CH_OP_GET_ITEM), 0u);
}

}  // namespace
