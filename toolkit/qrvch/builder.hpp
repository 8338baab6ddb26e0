// Appends to a document and keeps its index stores consistent: the tag list
// (16) from keyed tag begins, the table index (14) from table begins and
// ends, sections (1) and the cell counts of spreadsheet cell runs (15).
#pragma once

#include "document.hpp"

#include <span>
#include <string_view>

namespace qrv::ch {

// The result of an append: 0 or a chunker error code, and the new id.
struct Added {
    uint32_t error = 0;
    uint32_t id = CH_NO_ITEM;
};

class Builder {
public:
    explicit Builder(Document &doc) : doc_(doc) {}

    // The item as it stands; an open cell run counts it if it is a cell.
    Added item(const CHItem &item);
    Added text(std::u16string_view chars);
    Added string(std::u16string_view chars, uint32_t attribute);
    Added tag_begin(uint32_t tag, uint32_t data1, uint32_t data2, const uint32_t *key);
    // CH_INNERMOST_TAG ends the innermost open tag with its own code.
    Added tag_end(uint32_t tag);
    Added table_begin();
    Added table_end();
    Added section(uint32_t kind);
    Added cell_run(uint32_t count);
    Added data_value(std::span<const uint8_t> storage, uint32_t storage_type, uint32_t multiplier);
    Added font(uint32_t font_id, uint32_t attribute, std::u16string_view name, uint32_t font_value);
    // Raw data: units appended to a unit store, or one record.
    Added store_data(CHStore store, std::span<const uint8_t> bytes);
    uint32_t truncate(CHStore store, uint32_t count);

    // Number of tag begins not yet ended.
    size_t open_tags() const { return doc_.build_state().open_tags.size(); }

private:
    uint32_t check_growth(Store &store, size_t units) const;
    Added record(CHStore store, const void *data, size_t length);
    Added units(CHStore store, const void *data, size_t length);
    uint32_t next_item_id() const;
    void count_cells(const CHItem &item);

    Document &doc_;
};

}  // namespace qrv::ch
