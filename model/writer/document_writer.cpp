#include "document_writer.hpp"

#include <cstring>

#include "build_error.hpp"
#include "utf16.hpp"

namespace qrv::import {

DocumentWriter::DocumentWriter(const Limits &limits, uint32_t chunk_size) : limits_(limits) {
    CHHandle h = 0;
    checked(CHNewDocument(chunk_size, &h), 0, "create the document");
    handle_ = h;
}

DocumentWriter::~DocumentWriter() {
    if (handle_) CHCloseDocument(handle_);
}

CHHandle DocumentWriter::release() {
    const CHHandle h = handle_;
    handle_ = 0;
    return h;
}

uint32_t DocumentWriter::checked(uint32_t rc, uint32_t id, const char *what) {
    if (rc == 0) return id;
    if (rc == CH_ERR_FULL) over_limit("the document is too large for the chunker (no more item ids)");
    if (rc == CH_ERR_NO_MEMORY) throw ImportError(kFaultNoMemory, std::string("no memory to ") + what);
    throw ImportError(kFaultDocument, std::string("cannot ") + what + " (chunker code " + std::to_string(rc) + ")");
}

void DocumentWriter::count_item() {
    if (++items_ > limits_.max_items)
        over_limit("the document would hold more than " + std::to_string(limits_.max_items) + " items");
}

uint32_t DocumentWriter::item(uint32_t type, uint32_t value, uint32_t data1, uint32_t data2) {
    count_item();
    const CHItem record{type, value, data1, data2};
    uint32_t id = 0;
    const uint32_t rc = CHAppendItem(handle_, &record, &id);
    return checked(rc, id, "append an item");
}

uint32_t DocumentWriter::text(std::u16string_view chars) {
    count_item();
    uint32_t id = 0;
    const auto *units = reinterpret_cast<const QRVWCHAR *>(chars.data());
    const uint32_t rc = CHAppendText(handle_, units, static_cast<uint32_t>(chars.size()), &id);
    return checked(rc, id, "append text");
}

uint32_t DocumentWriter::text(std::string_view utf8) {
    scratch_.clear();
    append_utf16(utf8, scratch_);
    return text(std::u16string_view(scratch_));
}

uint32_t DocumentWriter::string(std::u16string_view chars, uint32_t attribute) {
    count_item();
    uint32_t id = 0;
    const auto *units = reinterpret_cast<const QRVWCHAR *>(chars.data());
    const uint32_t rc = CHAppendString(handle_, units, static_cast<uint32_t>(chars.size()), attribute, &id);
    return checked(rc, id, "append a string");
}

uint32_t DocumentWriter::string(std::string_view utf8, uint32_t attribute) {
    scratch_.clear();
    append_utf16(utf8, scratch_);
    return string(std::u16string_view(scratch_), attribute);
}

uint32_t DocumentWriter::tag_begin(uint32_t tag, uint32_t data1, uint32_t data2, std::optional<uint32_t> key) {
    count_item();
    uint32_t id = 0;
    const uint32_t rc = CHAppendTagBegin(handle_, tag, data1, data2, key.has_value(), key.value_or(0), &id);
    return checked(rc, id, "append a tag");
}

uint32_t DocumentWriter::tag_end(uint32_t tag) {
    count_item();
    uint32_t id = 0;
    const uint32_t rc = CHAppendTagEnd(handle_, tag, &id);
    return checked(rc, id, "append a tag end");
}

uint32_t DocumentWriter::table_begin() {
    count_item();
    uint32_t id = 0;
    const uint32_t rc = CHAppendTableBegin(handle_, &id);
    return checked(rc, id, "append a table");
}

uint32_t DocumentWriter::table_end() {
    count_item();
    uint32_t id = 0;
    const uint32_t rc = CHAppendTableEnd(handle_, &id);
    return checked(rc, id, "append a table end");
}

uint32_t DocumentWriter::number(double value) {
    count_item();
    uint32_t id = 0;
    const uint32_t rc = CHAppendDataValue(handle_, &value, sizeof value, CH_STORAGE_DOUBLE, 0, &id);
    return checked(rc, id, "append a value");
}

uint32_t DocumentWriter::section(uint32_t kind) {
    uint32_t id = 0;
    const uint32_t rc = CHAppendSection(handle_, kind, &id);
    return checked(rc, id, "append a section");
}

uint32_t DocumentWriter::cell_run(uint32_t count) {
    uint32_t id = 0;
    const uint32_t rc = CHAppendCellRun(handle_, count, &id);
    return checked(rc, id, "append a cell run");
}

uint32_t DocumentWriter::font(uint32_t font_id, std::u16string_view name, uint32_t attribute, uint32_t value) {
    uint32_t id = 0;
    const auto *units = reinterpret_cast<const QRVWCHAR *>(name.data());
    const uint32_t rc =
        CHAppendFont(handle_, font_id, attribute, units, static_cast<uint32_t>(name.size()), value, &id);
    return checked(rc, id, "append a font");
}

uint32_t DocumentWriter::store_data(CHStore store, std::span<const uint8_t> bytes) {
    uint32_t id = 0;
    const uint32_t rc = CHAppendStoreData(handle_, store, bytes.data(), static_cast<uint32_t>(bytes.size()), &id);
    return checked(rc, id, "append store data");
}

void DocumentWriter::rewrite_record(CHStore store, uint32_t id, std::span<const uint8_t> bytes) {
    void *address = nullptr;
    checked(CHLockItemRange(handle_, store, id, 1, &address), 0, "reach a record");
    std::memcpy(address, bytes.data(), bytes.size());
    checked(CHUnlockItemRange(handle_, store, id, 1), 0, "release a record");
}

}  // namespace qrv::import
