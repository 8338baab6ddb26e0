// Formatting as the chunker's attribute-change items: one table maps each
// paragraph field and each character field to its item, and the code that
// writes a style's definition, a paragraph or a run reads from it.
#pragma once

#include <cstdint>
#include <string>

#include "writer/document_writer.hpp"
#include "font_table.hpp"
#include "text_formats.hpp"

namespace qrv::import::textdoc {

// The character formatting a filter's text record holds: every field at 0
// (or "") is the page's default.
struct RunLook {
    bool bold = false, italic = false, strike = false, double_strike = false;
    bool caps = false, small_caps = false, hidden = false;
    bool superscript = false, subscript = false;
    Underline underline = Underline::None;
    std::string font;   // "" for the document's default font
    uint32_t size = 0;  // half-points, 0 for the default size
    Rgb colour = 0;     // 0 for automatic
    Rgb highlight = 0;  // 0 for none

    bool operator==(const RunLook &) const = default;
};

// The look of resolved formatting against the document's defaults: what
// equals the default becomes the default's 0.
RunLook look_of(const CharFormat &format, const CharFormat &defaults);

// What a text record holds right after a style is applied to it: the
// style's font and colour, everything else cleared.
RunLook look_after_style(const RunLook &style);

// Items that turn a text record showing `from` into one showing `to`.
void write_run_changes(DocumentWriter &out, FontTable &fonts, const RunLook &from, const RunLook &to);

// Items of a paragraph's alignment, indents, spacing, keeping and outline
// level; fields at their defaults write nothing.
void write_paragraph_fields(DocumentWriter &out, const ParaFormat &format);

// Tab stops: a whole list (replacing the stops in force) or modifications
// (adding stops and clearing those of kind Clear).
void write_tab_list(DocumentWriter &out, const std::vector<TabStop> &tabs);
void write_tab_changes(DocumentWriter &out, const std::vector<TabStop> &tabs);

}  // namespace qrv::import::textdoc
