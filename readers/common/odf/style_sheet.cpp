#include "style_sheet.hpp"

#include "named_values.hpp"

namespace qrv::import::odf {
namespace {

// Parent chains longer than this are cut (a chain that loops, for one).
constexpr unsigned kLongestChain = 32;

constexpr Named<Family> kFamilies[] = {
    {"table-cell", Family::kTableCell}, {"table-column", Family::kTableColumn},
    {"table-row", Family::kTableRow},   {"table", Family::kTable},
    {"text", Family::kText},
};

template <typename T>
void fill(std::optional<T> &field, const std::optional<T> &parent) {
    if (!field) field = parent;
}

// Font family names may come quoted: "'Liberation Sans'".
std::string unquoted(std::string_view name) {
    if (name.size() >= 2 && (name.front() == '\'' || name.front() == '"') && name.back() == name.front())
        name = name.substr(1, name.size() - 2);
    return std::string(name);
}

}  // namespace

Family family_of(std::string_view name) { return value_named(kFamilies, name).value_or(Family::kOther); }

void Style::fill_from(const Style &parent) {
    if (data_style.empty()) data_style = parent.data_style;
    text.fill_from(parent.text);
    fill(align, parent.align);
    fill(column_width, parent.column_width);
    fill(displayed, parent.displayed);
}

Style &StyleSheet::add(Origin origin, Family family, std::string_view name) {
    Style &style = styles_[static_cast<size_t>(origin)][Key{family, std::string(name)}];
    style = Style{};
    return style;
}

void StyleSheet::add_font_face(std::string_view name, std::string_view family) {
    font_faces_[std::string(name)] = unquoted(family);
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
    const Style *next = find(family, name);
    for (unsigned step = 0; next && step < kLongestChain; ++step) {
        style.fill_from(*next);
        next = next->parent.empty() ? nullptr : find(family, next->parent);
    }
    const auto fallback = defaults_.find(family);
    if (fallback != defaults_.end()) style.fill_from(fallback->second);
    return style;
}

const DataStyle *StyleSheet::data_style(std::string_view name) const {
    const auto found = data_styles_.find(name);
    return found == data_styles_.end() ? nullptr : &found->second;
}

std::string StyleSheet::font_family(const TextProperties &text) const {
    if (text.font_family) return unquoted(*text.font_family);
    if (!text.font_face) return {};
    const auto found = font_faces_.find(*text.font_face);
    return found == font_faces_.end() ? *text.font_face : found->second;
}

}  // namespace qrv::import::odf
