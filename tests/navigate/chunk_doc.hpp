// A document for the chunk reading tests: written in the chunker's text
// format (through qrv::test::Document), or built item by item for shapes
// that the text format does not write (unterminated tags, nesting 100000
// deep).  Closing it checks that no range stayed locked.
#pragma once

#include <gtest/gtest.h>

#include <qrvch.h>
#include <support/document.hpp>

#include <cstdint>
#include <memory>
#include <string_view>

namespace qrv::chunktest {

// The searches' no-result value.
inline constexpr uint32_t kNone = CH_NO_ITEM;

class ChunkDoc {
public:
    // An empty document to append to.
    explicit ChunkDoc(uint32_t chunk_size = CH_DEFAULT_CHUNK_SIZE) { EXPECT_EQ(CHNewDocument(chunk_size, &h_), 0u); }
    explicit ChunkDoc(std::string_view text) : text_(std::make_unique<qrv::test::Document>(text)) {
        h_ = text_->handle();
    }
    ~ChunkDoc() {
        if (h_ && !text_) {
            EXPECT_EQ(CHCloseDocument(h_), 0u) << "ranges left locked";
        }
    }
    ChunkDoc(const ChunkDoc &) = delete;
    ChunkDoc &operator=(const ChunkDoc &) = delete;

    CHHandle h() const { return h_; }

    // The value of label @name.
    uint32_t operator[](const char *name) const {
        if (text_) return text_->id(name);
        ADD_FAILURE() << "a built document has no labels";
        return CH_NO_ITEM;
    }

    // The id that follows item id.
    uint32_t after(uint32_t id) const {
        CHItem item{};
        uint32_t next = CH_NO_ITEM;
        EXPECT_EQ(CHGetItem(h_, CH_STORE_ITEMS, id, &item, &next), 0u);
        return next;
    }

    uint32_t append(uint32_t type, uint32_t value = 0, uint32_t data1 = 0, uint32_t data2 = 0) {
        const CHItem item{type, value, data1, data2};
        uint32_t id = CH_NO_ITEM;
        EXPECT_EQ(CHAppendItem(h_, &item, &id), 0u);
        return id;
    }
    uint32_t begin(uint32_t code) {
        uint32_t id = CH_NO_ITEM;
        EXPECT_EQ(CHAppendTagBegin(h_, code, 0, 0, 0, 0, &id), 0u);
        return id;
    }
    uint32_t end(uint32_t code = CH_INNERMOST_TAG) {
        uint32_t id = CH_NO_ITEM;
        EXPECT_EQ(CHAppendTagEnd(h_, code, &id), 0u);
        return id;
    }

    uint32_t calls(uint32_t op) const {
        uint32_t n = 0;
        CHCallCount(h_, op, &n);
        return n;
    }
    void reset_calls() const { CHResetCallCounts(h_); }

private:
    std::unique_ptr<qrv::test::Document> text_;
    CHHandle h_ = 0;
};

}  // namespace qrv::chunktest
