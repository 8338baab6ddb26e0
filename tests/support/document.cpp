#include "support/document.hpp"

#include <gtest/gtest.h>

namespace qrv::test {

Document::Document(std::string_view text) {
    char message[512];
    const uint32_t result = CHLoadDocumentText(text.data(), text.size(), &handle_, message, sizeof message);
    if (result != 0) {
        error_ = message;
        ADD_FAILURE() << "the test document does not load: " << error_;
        handle_ = 0;
    }
}

Document::~Document() {
    if (!handle_) return;
    EXPECT_EQ(CHCloseDocument(handle_), 0u) << "ranges were left locked in the test document";
}

uint32_t Document::id(std::string_view label) const {
    uint32_t value = CH_NO_ITEM;
    const std::string name(label.starts_with('@') ? label.substr(1) : label);
    if (CHGetLabel(handle_, name.c_str(), &value) != 0) {
        ADD_FAILURE() << "the test document has no label @" << name;
        return CH_NO_ITEM;
    }
    return value;
}

CHItem Document::item(uint32_t id) const {
    CHItem item{};
    EXPECT_EQ(CHGetItem(handle_, CH_STORE_ITEMS, id, &item, nullptr), 0u) << "no item at id " << id;
    return item;
}

uint32_t Document::next(uint32_t id) const {
    CHItem item{};
    uint32_t next = CH_NO_ITEM;
    if (CHGetItem(handle_, CH_STORE_ITEMS, id, &item, &next) != 0) return CH_NO_ITEM;
    return next;
}

uint32_t Document::locked_ranges() const {
    uint32_t count = 0;
    CHLockedRangeCount(handle_, &count);
    return count;
}

uint32_t Document::calls(uint32_t op) const {
    uint32_t count = 0;
    CHCallCount(handle_, op, &count);
    return count;
}

std::string Document::dump() const {
    char *text = nullptr;
    size_t length = 0;
    if (CHDumpDocumentText(handle_, &text, &length) != 0) return {};
    std::string copy(text, length);
    CHFreeText(text);
    return copy;
}

std::string load_error(std::string_view text) {
    CHHandle h = 0;
    char message[512];
    if (CHLoadDocumentText(text.data(), text.size(), &h, message, sizeof message) == 0) {
        ADD_FAILURE() << "the text loaded, but a mistake was expected";
        CHCloseDocument(h);
        return {};
    }
    return message;
}

}  // namespace qrv::test
