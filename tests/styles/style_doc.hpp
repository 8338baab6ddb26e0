// Documents and style sheets for the style, change-walk and tab tests: a
// document loaded from the chunker's text format (closing it checks that no
// range stayed locked) and a style sheet over it.
#pragma once

#include <gtest/gtest.h>

#include <qrvch.h>
#include <qrvex/gather.h>
#include <qrvex/styles.h>
#include <support/document.hpp>

#include <cstdint>
#include <string>
#include <string_view>

namespace qrv::styletest {

// The shared test document, with the short names these tests use.
class Doc : public qrv::test::Document {
public:
    using Document::Document;

    CHHandle h() const { return handle(); }
    uint32_t operator[](const char *label) const { return id(label); }

    CHItem item(uint32_t id, uint32_t *next = nullptr) const {
        CHItem item{};
        EXPECT_EQ(CHGetItem(handle(), CH_STORE_ITEMS, id, &item, next), 0u) << "no item " << id;
        return item;
    }
    uint32_t after(uint32_t id) const {
        uint32_t next = CH_NO_ITEM;
        item(id, &next);
        return next;
    }
    void reset_calls() const { CHResetCallCounts(handle()); }
};

class Sheet {
public:
    explicit Sheet(const Doc &doc, uint32_t slots = 4) { EXPECT_EQ(CUCreateStyleSheet(&sheet_, slots, doc.h()), 0u); }
    ~Sheet() { CUDestroyStyleSheet(&sheet_); }
    Sheet(const Sheet &) = delete;
    Sheet &operator=(const Sheet &) = delete;

    CUStyleSheet *get() const { return sheet_; }
    CUStyleSheet *operator->() const { return sheet_; }
    const CUStyleEntry &entry(uint32_t index) const { return sheet_->StyleTable[index]; }

private:
    CUStyleSheet *sheet_ = nullptr;
};

// The three records a walk fills, cleared.
struct Records {
    CUParaChangeInfo para{};
    CUTextChangeInfo text{};
    CUCellChangeInfo cell{};
};

// Runs the change walk from the item at `first`, bounded by `last`; returns
// the walk's result and leaves the id it stopped on in *stopped.
inline uint32_t gather_from(const Doc &doc, const Sheet &sheet, Records &r, uint32_t first, uint32_t last = CH_NO_ITEM,
                            uint32_t *stopped = nullptr) {
    uint32_t next = CH_NO_ITEM;
    const CHItem item = doc.item(first, &next);
    const uint32_t result = CUGatherChangeInfo(sheet.get(), &r.para, &r.text, &r.cell, item, &next, last, doc.h());
    if (stopped) *stopped = next;
    return result;
}

inline std::u16string wide(const QRVWCHAR *chars) {
    std::u16string s;
    while (*chars) s += static_cast<char16_t>(*chars++);
    return s;
}

}  // namespace qrv::styletest
