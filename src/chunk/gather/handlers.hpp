// One handler per attribute item type.  The walk looks the item's type up
// in a table (dispatch.cpp) and calls its handler; a handler changes the
// records as its item says and may move the walk's next id (tags and tab
// lists consume the items after them).
#pragma once

#include "chunk/gather/gather.hpp"

#include <type_traits>

namespace qrv::gather {

// A handler sees the walk's cursor through these references.  One that
// loads a style does so before it changes anything, so that a walk stopped
// at its item for the style to be loaded can handle the item afresh.
struct Walk {
    CUStyleSheet *sheet;
    Records records;
    CHItem &item;          // the item being handled
    uint32_t &pointed_id;  // the caller's id: the item's own id, or the id after it for the first item
    uint32_t &next;        // the id after the item
    CHHandle h;
    styles::Loader *loader;  // null: styles are loaded on the spot

    CUParaChangeInfo &para() { return records.para; }
    CUTextChangeInfo &text() { return records.text; }
    CUCellChangeInfo &cell() { return records.cell; }
};

// 0 to go on, or a code that ends the walk and is returned.
using Handler = uint32_t (*)(Walk &);

// The handler of the item, or null when the item ends the walk.
Handler handler_for(const CHItem &item);

// Items whose value goes into one field as it stands (cut to the field's
// width), setting the flag bit given (0: none).
template <auto Field, uint32_t Flag>
uint32_t take_para_value(Walk &w) {
    auto &field = w.para().*Field;
    field = static_cast<std::remove_reference_t<decltype(field)>>(w.item.value);
    w.para().ChangeFlags |= Flag;
    return 0;
}
template <auto Field, uint32_t Flag>
uint32_t take_text_value(Walk &w) {
    auto &field = w.text().*Field;
    field = static_cast<std::remove_reference_t<decltype(field)>>(w.item.value);
    w.text().ChangeFlags |= Flag;
    return 0;
}
template <auto Field>
uint32_t take_cell_value(Walk &w) {
    w.cell().*Field = w.item.value;
    return 0;
}

// MaxFontSize follows the largest font size met.
void raise_max_font_size(CUParaChangeInfo &para, uint16_t size);

// Character attributes and fonts (text_items.cpp).
uint32_t on_char_attribute(Walk &);  // 8
uint32_t on_font_size(Walk &);       // 9
uint32_t on_font(Walk &);            // 10
uint32_t on_item60(Walk &);
uint32_t on_item61(Walk &);
uint32_t on_item62(Walk &);
uint32_t on_item64(Walk &);
uint32_t on_item94(Walk &);
uint32_t on_multi_font(Walk &);  // 119

// Paragraph values and indents (para_items.cpp).
uint32_t on_indents(Walk &);  // 13
uint32_t on_item14(Walk &);
uint32_t on_item58(Walk &);
uint32_t on_item59(Walk &);
uint32_t on_item88(Walk &);
uint32_t on_indent_change(Walk &);  // 97
uint32_t on_item98(Walk &);
uint32_t on_item99(Walk &);

// Lists and tabs (list_items.cpp).
uint32_t on_list_level_data(Walk &);  // 29
uint32_t on_item30(Walk &);
uint32_t on_list_item(Walk &);    // 93
uint32_t on_list_level(Walk &);   // 122
uint32_t on_tab_list(Walk &);     // 21
uint32_t on_tab_changes(Walk &);  // 100

// Styles (style_items.cpp).
uint32_t on_style(Walk &);            // 28
uint32_t on_style_attribute(Walk &);  // 95
uint32_t on_styled_cell(Walk &);      // 72, 73

// Cell values (cell_items.cpp).
uint32_t on_cell_value(Walk &);  // 70, 71
uint32_t on_item150(Walk &);
uint32_t on_item154(Walk &);

// Tags (dispatch.cpp).
uint32_t on_walk_skipped_tag(Walk &);  // 67 with bit 30

}  // namespace qrv::gather
