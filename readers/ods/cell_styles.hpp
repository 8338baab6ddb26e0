// The cell styles of a document, resolved once before the first sheet is
// written (their number format definitions are items ahead of the
// sheets): each style's number format key, character format and
// alignment, and the character formats of rich text spans over them.
// Names and sizes of fonts are kept only where they differ from those of
// the "Default" cell style, so ordinary cells carry no font items.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "sheet/char_format.hpp"
#include "writer/font_table.hpp"
#include "odf/data_style_keys.hpp"
#include "odf/style_sheet.hpp"

namespace qrv::import::odf {

struct CellStyle {
    CellLook look;
    TextProperties text;                     // the cell's character properties, under its spans
    std::optional<DataStyleKind> data_kind;  // of its data style; none without one
};

class CellStyles {
public:
    CellStyles(const StyleSheet &styles, NumberFormatTable &numbers, FontTable &fonts, CharFormatTable &formats);

    // Resolves every cell style and the default date and time formats.
    void resolve();

    // The style of a name; the plain style for a name that is not found.
    const CellStyle &find(std::string_view name) const;
    bool has(std::string_view name) const { return styles_.count(name) != 0; }
    const CellStyle &plain() const { return plain_; }
    uint32_t default_key(DataStyleKind kind) { return keys_.default_key(kind); }

    // The properties of a span's text style over those around it.
    TextProperties span_text(std::string_view text_style, const TextProperties &around) const;
    // The character format number of properties.
    uint32_t format_of(const TextProperties &text);

private:
    CellStyle cell_style_of(const Style &style);

    const StyleSheet &sheet_;
    DataStyleKeys keys_;
    FontTable &fonts_;
    CharFormatTable &formats_;
    TextProperties base_;  // of the "Default" cell style
    CellStyle plain_;
    std::map<std::string, CellStyle, std::less<>> styles_;
};

}  // namespace qrv::import::odf
