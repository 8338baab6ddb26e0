// Property changes: a list of operations, each a 16-bit code whose top
// three bits say the operand's size, and the operand.  The changes this
// reader keeps are laid into a paragraph's or a run's properties; the rest
// are passed over by their size.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "rtf/row_definition.hpp"
#include "textdoc/text_formats.hpp"

namespace qrv::import::doc {

// Calls visit(code, operand) for each change, in order; a change cut short
// by the end of the list ends it.
void for_each_change(std::span<const uint8_t> changes,
                     const std::function<void(uint16_t, std::span<const uint8_t>)> &visit);

struct ParaProps {
    textdoc::ParaFormat format;
    std::optional<uint16_t> style;  // a style change inside the list
    bool in_table = false;
    bool row_end = false;          // the mark ends a row of its table
    bool inner_cell = false;       // the mark ends a cell of a nested table
    bool inner_row_end = false;    // the mark ends a row of a nested table
    bool drop_cap = false;         // the paragraph is a dropped capital: the next one goes on with it
    uint32_t depth = 0;            // tables the paragraph is in, when stated
    std::optional<uint16_t> list;  // the list override's number, 0 for none
    std::optional<uint8_t> level;
    // The layout of the row the mark ends, where the mark states it.
    std::optional<rtf::RowDefinition> row;
    bool cut = false;  // a tab or row change was cut short of what it counts

    // Tables the paragraph is in.
    uint32_t table_depth() const { return depth ? depth : in_table ? 1 : 0; }
};

struct CharProps {
    textdoc::CharFormat format;
    std::optional<uint16_t> style;  // the character style's index
    bool special = false;           // the characters are anchors (pictures, notes, fields)
    bool field_hidden = false;
    bool deleted = false;  // a tracked deletion: left out, as the document reads once changes are accepted
    std::optional<char16_t> symbol;   // the character a symbol anchor shows (its font's code)
    std::optional<uint32_t> picture;  // where a picture anchor's header lies in the Data stream
    // Slots of the font table: the Latin font, and the one for other
    // scripts (East Asian fonts are not kept).
    std::optional<uint16_t> latin_font, other_font;
};

void apply_paragraph_changes(std::span<const uint8_t> changes, ParaProps &props);
void apply_character_changes(std::span<const uint8_t> changes, CharProps &props);

// Word's sixteen colours by index; nullopt for "automatic" (0) and
// indices past the table.
std::optional<textdoc::Rgb> colour_of_index(uint32_t index);

}  // namespace qrv::import::doc
