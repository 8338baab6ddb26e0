// Character formatting of a run of cell text (a cell's font, or one run of
// rich text), kept once per distinct format: cells refer to it by number.
#pragma once

#include <compare>
#include <cstdint>
#include <map>
#include <vector>

#include "writer/document_writer.hpp"

namespace qrv::import {

struct CharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool superscript = false;
    bool subscript = false;
    uint32_t font = 0;    // id of a font record; 0 for the sheet's font
    uint32_t size = 0;    // half-points; 0 for the sheet's size
    uint32_t colour = 0;  // 0x00RRGGBB, or kNoColour
    static constexpr uint32_t kNoColour = 0xffffffffu;

    CharFormat() : colour(kNoColour) {}
    bool operator==(const CharFormat &) const = default;
    auto operator<=>(const CharFormat &) const = default;
    bool plain() const { return *this == CharFormat{}; }
};

// The format a reader's font record switches on (any record with the
// members bold to subscript), with the sheet's font, size and colour.
template <class FontRecord>
CharFormat switches_of(const FontRecord &font) {
    CharFormat c;
    c.bold = font.bold;
    c.italic = font.italic;
    c.underline = font.underline;
    c.strike = font.strike;
    c.superscript = font.superscript;
    c.subscript = font.subscript;
    return c;
}

// The distinct formats of a document; number 0 is the plain format.
class CharFormatTable {
public:
    CharFormatTable() : formats_{CharFormat{}}, numbers_{{CharFormat{}, 0}} {}
    uint32_t number_of(const CharFormat &format);
    const CharFormat &operator[](uint32_t number) const { return formats_[number < formats_.size() ? number : 0]; }

private:
    std::vector<CharFormat> formats_;
    std::map<CharFormat, uint32_t> numbers_;  // a document may hold many thousands of styles
};

// Appends the items that change the format in force from `from` to `to`
// (attributes switched on and off, font, size, colour).
void write_format_change(DocumentWriter &writer, const CharFormat &from, const CharFormat &to);

}  // namespace qrv::import
