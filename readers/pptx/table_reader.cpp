#include "table_reader.hpp"

#include <algorithm>
#include <charconv>
#include "package/xml_boolean.hpp"

namespace qrv::import::pptx {
namespace {

int64_t integer_or(std::string_view text, int64_t fallback) {
    int64_t v = fallback;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

// EMU (914400 an inch) to twips.
int32_t twips_of(int64_t emu) { return static_cast<int32_t>(std::clamp<int64_t>(emu / 635, 0, 31680)); }

unsigned span_of(std::string_view text) {
    return static_cast<unsigned>(std::clamp<int64_t>(integer_or(text, 1), 1, 1000));
}

}  // namespace

void TableReader::start(const XmlName &name, const XmlAttributes &a) {
    if (skipped_) {
        ++skipped_;
        return;
    }
    if (subtree_.start(name, a)) return;
    if (name.ns != Ns::Drawing) return;
    const std::string_view l = name.local;
    if (l == "gridCol") {
        table_.grid.push_back(twips_of(integer_or(a.get(Ns::None, "w"), 0)));
    } else if (l == "tr") {
        if (!table_begun_) out_.begin_table(table_);
        table_begun_ = row_open_ = true;
        textdoc::RowStart row;
        row.height = twips_of(integer_or(a.get(Ns::None, "h"), 0));
        out_.begin_row(row);
    } else if (l == "tc" && row_open_) {
        start_cell(a);
    } else if (l == "txBody" && cell_open_) {
        cell_text_.emplace(context_, ListStyle{}, out_);
        subtree_.open(*cell_text_, name, a);
    }
}

void TableReader::start_cell(const XmlAttributes &a) {
    if (xml_true(a.get(Ns::None, "hMerge"))) {
        skipped_ = 1;
        return;
    }
    textdoc::CellStart cell;
    cell.column_span = span_of(a.get(Ns::None, "gridSpan"));
    cell.row_span = span_of(a.get(Ns::None, "rowSpan"));
    if (cell.row_span > 1) cell.merge = textdoc::VerticalMerge::Restart;
    if (xml_true(a.get(Ns::None, "vMerge"))) {
        cell.merge = textdoc::VerticalMerge::Covered;
        skipped_ = 1;  // the cell stays open; its end closes it
    }
    out_.begin_cell(cell);
    cell_open_ = true;
}

void TableReader::end(const XmlName &name) {
    if (skipped_) {
        if (--skipped_ || !cell_open_) return;
    } else if (subtree_.end(name)) {
        return;
    }
    if (name.ns != Ns::Drawing) return;
    const std::string_view l = name.local;
    if (l == "tc" && cell_open_) {
        out_.end_cell();
        cell_open_ = false;
    } else if (l == "tr" && row_open_) {
        out_.end_row();
        row_open_ = false;
    } else if (l == "tbl" && table_begun_) {
        out_.end_table();
        table_begun_ = false;
    }
}

}  // namespace qrv::import::pptx
