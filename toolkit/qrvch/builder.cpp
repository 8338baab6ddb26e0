#include "builder.hpp"

#include <cstring>

namespace qrv::ch {

namespace {

uint32_t cells_in_item(const CHItem &item) {
    if (item.type >= CH_ITEM_SS_CELL_70 && item.type <= CH_ITEM_SS_CELL_74) return 1;
    if (item.type == CH_ITEM_EMPTY_CELLS) return item.value >> 16;
    return 0;
}

}  // namespace

uint32_t Builder::check_growth(Store &store, size_t units) const {
    if (doc_.locked_ranges()) return CH_ERR_LOCKED;
    if (store.count() + uint64_t{units} > store.capacity()) return CH_ERR_FULL;
    return 0;
}

uint32_t Builder::next_item_id() const {
    Store &items = doc_.items();
    return items.id_of(items.count());
}

Added Builder::record(CHStore code, const void *data, size_t length) {
    Store &store = doc_.store(code);
    if (length > store.shape().unit_bytes) return {CH_ERR_BAD_ARG};
    if (uint32_t error = check_growth(store, 1)) return {error};
    return {0, store.id_of(store.append_record(data, length))};
}

Added Builder::units(CHStore code, const void *data, size_t length) {
    Store &store = doc_.store(code);
    if (length % store.shape().unit_bytes) return {CH_ERR_BAD_ARG};
    if (uint32_t error = check_growth(store, length / store.shape().unit_bytes)) return {error};
    return {0, store.append(data, length)};
}

void Builder::count_cells(const CHItem &item) {
    const uint32_t run = doc_.build_state().counting_run;
    const uint32_t cells = cells_in_item(item);
    if (run == CH_NO_ITEM || cells == 0) return;
    auto *record = reinterpret_cast<CHCellRun *>(doc_.store(CH_STORE_CELL_RUNS).at(run));
    record->CellCount += cells;
}

Added Builder::item(const CHItem &item) {
    Added added = record(CH_STORE_ITEMS, &item, sizeof item);
    if (!added.error) count_cells(item);
    return added;
}

Added Builder::text(std::u16string_view chars) {
    const uint32_t offset = doc_.store(CH_STORE_TEXT).count();
    if (chars.size() > 0xFFFFFFFFu - offset) return {CH_ERR_FULL};
    if (uint32_t error = check_growth(doc_.items(), 1)) return {error};
    Added added = units(CH_STORE_TEXT, chars.data(), chars.size() * 2);
    if (added.error) return added;
    return item({CH_ITEM_TEXT, offset, static_cast<uint32_t>(chars.size()), 0});
}

Added Builder::string(std::u16string_view chars, uint32_t attribute) {
    const uint32_t offset = doc_.store(CH_STORE_STRINGS).count();
    if (chars.size() > 0xFFFFFFFFu - offset) return {CH_ERR_FULL};
    if (uint32_t error = check_growth(doc_.items(), 1)) return {error};
    Added added = units(CH_STORE_STRINGS, chars.data(), chars.size() * 2);
    if (added.error) return added;
    return item({CH_ITEM_STRING, offset, attribute, static_cast<uint32_t>(chars.size())});
}

Added Builder::tag_begin(uint32_t tag, uint32_t data1, uint32_t data2, const uint32_t *key) {
    if (key && doc_.store(CH_STORE_TAG_LIST).count() == 0xFFFFFFFFu) return {CH_ERR_FULL};
    const CHItem begin{CH_ITEM_TAG_BEGIN, tag, data1, data2};
    Added added = item(begin);
    if (added.error) return added;
    doc_.build_state().open_tags.push_back(begin);
    if (key) {
        const CHTagListEntry entry{added.id, tag, *key};
        record(CH_STORE_TAG_LIST, &entry, sizeof entry);
    }
    return added;
}

Added Builder::tag_end(uint32_t tag) {
    auto &open = doc_.build_state().open_tags;
    if (tag == CH_INNERMOST_TAG) {
        if (open.empty()) return {CH_ERR_BAD_ARG};
        tag = open.back().value;
    }
    Added added = item({CH_ITEM_TAG_END, tag, 0, 0});
    if (!added.error && !open.empty()) open.pop_back();
    return added;
}

Added Builder::table_begin() {
    Added added = item({CH_ITEM_TABLE_BEGIN, 0, 0, 0});
    if (added.error) return added;
    const CHItem entry{CH_ITEM_TABLE_BEGIN, 0, 0, added.id};
    record(CH_STORE_TABLE_INDEX, &entry, sizeof entry);
    return added;
}

Added Builder::table_end() {
    Added added = item({CH_ITEM_TABLE_END, 0, 0, 0});
    if (added.error) return added;
    const CHItem entry{CH_ITEM_TABLE_END, 0, 0, added.id};
    record(CH_STORE_TABLE_INDEX, &entry, sizeof entry);
    return added;
}

Added Builder::section(uint32_t kind) {
    const uint32_t number = doc_.store(CH_STORE_SECTIONS).count();
    const CHItem entry{kind, number, 0, next_item_id()};
    Added added = record(CH_STORE_SECTIONS, &entry, sizeof entry);
    if (!added.error) doc_.build_state().counting_run = CH_NO_ITEM;
    return added;
}

Added Builder::cell_run(uint32_t count) {
    const bool counting = count == CH_COUNT_CELLS;
    const CHCellRun run{next_item_id(), counting ? 0 : count};
    Added added = record(CH_STORE_CELL_RUNS, &run, sizeof run);
    if (!added.error) doc_.build_state().counting_run = counting ? added.id : CH_NO_ITEM;
    return added;
}

Added Builder::data_value(std::span<const uint8_t> storage, uint32_t storage_type, uint32_t multiplier) {
    if (storage.size() > CH_SIZE_DATA_VALUE) return {CH_ERR_BAD_ARG};
    if (uint32_t error = check_growth(doc_.items(), 1)) return {error};
    Added value = record(CH_STORE_DATA_VALUES, storage.data(), storage.size());
    if (value.error) return value;
    return item({CH_ITEM_DATA_VALUE, value.id, multiplier, storage_type});
}

Added Builder::font(uint32_t font_id, uint32_t attribute, std::u16string_view name, uint32_t font_value) {
    if (uint32_t error = check_growth(doc_.store(CH_STORE_FONTS), 1)) return {error};
    Added chars = units(CH_STORE_STRINGS, name.data(), name.size() * 2);
    if (chars.error) return chars;
    const CHFontRecord font{font_id, attribute, chars.id, static_cast<uint32_t>(name.size()), font_value};
    return record(CH_STORE_FONTS, &font, sizeof font);
}

Added Builder::store_data(CHStore code, std::span<const uint8_t> bytes) {
    Store *store = doc_.find_store(code);
    if (!store) return {CH_ERR_BAD_STORE};
    if (code == CH_STORE_ITEMS) return {CH_ERR_BAD_STORE};
    if (store->is_units()) return units(code, bytes.data(), bytes.size());
    return record(code, bytes.data(), bytes.size());
}

uint32_t Builder::truncate(CHStore code, uint32_t count) {
    Store *store = doc_.find_store(code);
    if (!store) return CH_ERR_BAD_STORE;
    if (doc_.locked_ranges()) return CH_ERR_LOCKED;
    store->truncate(count);
    auto &run = doc_.build_state().counting_run;
    if (code == CH_STORE_CELL_RUNS && run != CH_NO_ITEM && run >= count) run = CH_NO_ITEM;
    return 0;
}

}  // namespace qrv::ch
