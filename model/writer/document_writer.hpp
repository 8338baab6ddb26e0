// Builds a chunker document through QRVCH's builder calls, for importers:
// every append is checked (a refusal throws ImportError), text comes as
// UTF-8 or UTF-16, and the document's items stay within the import's bound.
// The document is closed again unless release() hands it to the caller.
#pragma once

#include <qrvch.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "limits.hpp"

namespace qrv::import {

class DocumentWriter {
public:
    explicit DocumentWriter(const Limits &limits, uint32_t chunk_size = CH_DEFAULT_CHUNK_SIZE);
    ~DocumentWriter();
    DocumentWriter(const DocumentWriter &) = delete;
    DocumentWriter &operator=(const DocumentWriter &) = delete;

    CHHandle handle() const { return handle_; }
    // Gives the document to the caller; the writer no longer closes it.
    CHHandle release();

    // Store-0 items; each returns the new item's id.
    uint32_t item(uint32_t type, uint32_t value = 0, uint32_t data1 = 0, uint32_t data2 = 0);
    uint32_t text(std::u16string_view chars);
    uint32_t text(std::string_view utf8);
    uint32_t string(std::u16string_view chars, uint32_t attribute = 0);
    uint32_t string(std::string_view utf8, uint32_t attribute = 0);
    uint32_t tag_begin(uint32_t tag, uint32_t data1 = 0, uint32_t data2 = 0,
                       std::optional<uint32_t> key = std::nullopt);
    uint32_t tag_end(uint32_t tag = CH_INNERMOST_TAG);
    uint32_t break_item(uint32_t kind) { return item(CH_ITEM_BREAK, kind); }
    uint32_t table_begin();
    uint32_t table_end();
    // A double in store 17 and its data value item.
    uint32_t number(double value);
    // Store-1 id of a section that starts at the next item.
    uint32_t section(uint32_t kind);
    // Store-15 id of a run of cells that starts at the next item.
    uint32_t cell_run(uint32_t count = CH_COUNT_CELLS);
    // Store-12 id of a font record.
    uint32_t font(uint32_t font_id, std::u16string_view name, uint32_t attribute = 0, uint32_t value = 0);
    // Raw data of a store other than 0: the offset or record id.
    uint32_t store_data(CHStore store, std::span<const uint8_t> bytes);
    // Writes over a record of a store of records written before (a table
    // cell whose row span is known only once the rows below are read).  The
    // document is the importer's until it is released, so the record is
    // changed in place through a lock.
    void rewrite_record(CHStore store, uint32_t id, std::span<const uint8_t> bytes);

    // Items appended so far.
    uint64_t items() const { return items_; }

private:
    // The id the chunker wrote, or a throw for its refusal.  Callers make
    // the call first: as another argument of this, the id could be read
    // before the call writes it.
    uint32_t checked(uint32_t rc, uint32_t id, const char *what);
    void count_item();

    Limits limits_;
    CHHandle handle_ = 0;
    uint64_t items_ = 0;
    std::u16string scratch_;
};

}  // namespace qrv::import
