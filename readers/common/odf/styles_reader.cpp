#include "styles_reader.hpp"

#include "attribute_values.hpp"

namespace qrv::import::odf {
namespace {

std::optional<CellAlign> align_of(std::string_view text_align) {
    if (text_align == "start" || text_align == "left") return CellAlign::Left;
    if (text_align == "center") return CellAlign::Centre;
    if (text_align == "end" || text_align == "right") return CellAlign::Right;
    if (text_align == "justify") return CellAlign::Justify;
    return std::nullopt;
}

}  // namespace

void StylesReader::start(const XmlName &name, const XmlAttributes &a) {
    ++depth_;
    if (depth_ == 1) return start_style(name, a);
    if (data_) return data_->start(name, a);
    if (style_ && depth_ == 2) style_property(name, a);
}

void StylesReader::end(const XmlName &name) {
    if (depth_ == 1) {
        style_ = nullptr;
        data_.reset();
    } else if (data_) {
        data_->end(name);
    }
    --depth_;
}

void StylesReader::text(std::string_view chars) {
    if (data_) data_->text(chars);
}

void StylesReader::start_style(const XmlName &name, const XmlAttributes &a) {
    if (name.is(Ns::Style, "font-face")) {
        add_font_face(a, sheet_.font_faces());
    } else if (name.is(Ns::Style, "style")) {
        style_ = &sheet_.add(origin_, family_of(a.get(Ns::Style, "family")), a.get(Ns::Style, "name"));
        style_->parent = a.get(Ns::Style, "parent-style-name");
        style_->data_style = a.get(Ns::Style, "data-style-name");
    } else if (name.is(Ns::Style, "default-style")) {
        style_ = &sheet_.default_of(family_of(a.get(Ns::Style, "family")));
    } else if (data_style_kind(name)) {
        DataStyle &style = sheet_.add_data_style(a.get(Ns::Style, "name"));
        style.kind = *data_style_kind(name);
        data_ = std::make_unique<DataStyleReader>(style);
    }
}

void StylesReader::style_property(const XmlName &name, const XmlAttributes &a) {
    if (name.ns != Ns::Style) return;
    if (name.local == "text-properties") {
        read_text_properties(a, style_->text);
    } else if (name.local == "paragraph-properties") {
        if (auto align = align_of(a.get(Ns::Fo, "text-align"))) style_->align = align;
    } else if (name.local == "table-column-properties") {
        if (auto width = twips_of_length(a.get(Ns::Style, "column-width"))) style_->column_width = width;
    } else if (name.local == "table-cell-properties") {
        read_cell_properties(a, style_->cell);
    } else if (name.local == "table-row-properties") {
        read_row_properties(a, style_->cell);
    } else if (name.local == "table-properties") {
        const std::string_view display = a.get(Ns::Table, "display");
        if (!display.empty()) style_->displayed = display != "false";
    }
}

}  // namespace qrv::import::odf
