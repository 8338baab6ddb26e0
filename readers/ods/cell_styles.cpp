#include "cell_styles.hpp"

namespace qrv::import::odf {

CellStyles::CellStyles(const StyleSheet &styles, NumberFormatTable &numbers, FontTable &fonts, CharFormatTable &formats)
    : sheet_(styles), keys_(styles, numbers), fonts_(fonts), formats_(formats) {}

void CellStyles::resolve() {
    const Style base = sheet_.resolved(Family::kTableCell, "Default");
    base_ = base.text;
    plain_ = cell_style_of(base);
    sheet_.each_cell_style([this](std::string_view name) {
        styles_.emplace(std::string(name), cell_style_of(sheet_.resolved(Family::kTableCell, name)));
    });
    keys_.default_key(DataStyleKind::kDate);
    keys_.default_key(DataStyleKind::kTime);
}

const CellStyle &CellStyles::find(std::string_view name) const {
    const auto found = styles_.find(name);
    return found == styles_.end() ? plain_ : found->second;
}

TextProperties CellStyles::span_text(std::string_view text_style, const TextProperties &around) const {
    TextProperties text = sheet_.resolved(Family::kText, text_style).text;
    text.fill_from(around);
    return text;
}

uint32_t CellStyles::format_of(const TextProperties &text) {
    CharFormat f;
    f.bold = text.bold.value_or(false);
    f.italic = text.italic.value_or(false);
    f.underline = text.underline.value_or(false);
    f.strike = text.strike.value_or(false);
    f.superscript = text.position.value_or(0) > 0;
    f.subscript = text.position.value_or(0) < 0;
    const std::string family = sheet_.font_family(text);
    if (family != sheet_.font_family(base_)) f.font = fonts_.id_of(family);
    if (text.size != base_.size) f.size = text.size.value_or(0);
    if (text.colour != base_.colour) f.colour = text.colour.value_or(CharFormat::kNoColour);
    return formats_.number_of(f);
}

CellStyle CellStyles::cell_style_of(const Style &style) {
    CellStyle cell;
    const DataStyleKeys::Entry entry = keys_.entry_of(style.data_style);
    cell.look.format_key = entry.key;
    cell.look.char_format = format_of(style.text);
    cell.look.align = style.align.value_or(CellAlign::General);
    cell.look.frame = style.cell.frame();
    cell.text = style.text;
    cell.data_kind = entry.kind;
    return cell;
}

}  // namespace qrv::import::odf
