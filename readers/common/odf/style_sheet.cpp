#include "style_sheet.hpp"

#include "inherited_value.hpp"
#include "style_chain.hpp"

namespace qrv::import::odf {

void Style::fill_from(const Style &parent) {
    if (data_style.empty()) data_style = parent.data_style;
    text.fill_from(parent.text);
    inherit_unset(align, parent.align);
    inherit_unset(column_width, parent.column_width);
    inherit_unset(displayed, parent.displayed);
    cell.fill_from(parent.cell);
}

Style &StyleSheet::add(Origin origin, Family family, std::string_view name) {
    Style &style = styles_[static_cast<size_t>(origin)][Key{family, std::string(name)}];
    style = Style{};
    return style;
}

DataStyle &StyleSheet::add_data_style(std::string_view name) {
    DataStyle &style = data_styles_[std::string(name)];
    style = DataStyle{};
    return style;
}

const Style *StyleSheet::find(Family family, std::string_view name) const {
    for (size_t origin : {size_t{1}, size_t{0}}) {
        const auto found = styles_[origin].find(std::pair<Family, std::string_view>{family, name});
        if (found != styles_[origin].end()) return &found->second;
    }
    return nullptr;
}

Style StyleSheet::resolved(Family family, std::string_view name) const {
    Style style;
    const auto parent_of = [this, family](const Style &child) {
        return child.parent.empty() ? nullptr : find(family, child.parent);
    };
    walk_style_chain(find(family, name), parent_of, [&style](const Style &ancestor) {
        style.fill_from(ancestor);
        return false;
    });
    const auto fallback = defaults_.find(family);
    if (fallback != defaults_.end()) style.fill_from(fallback->second);
    return style;
}

const DataStyle *StyleSheet::data_style(std::string_view name) const {
    const auto found = data_styles_.find(name);
    return found == data_styles_.end() ? nullptr : &found->second;
}

std::string StyleSheet::font_family(const TextProperties &text) const {
    if (text.font_family) return first_font_family(*text.font_family);
    return text.font_face ? family_of_face(font_faces_, *text.font_face) : std::string();
}

}  // namespace qrv::import::odf
