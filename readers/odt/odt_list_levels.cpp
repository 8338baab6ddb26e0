#include "odt_list_levels.hpp"

#include <algorithm>

#include "odf/attribute_values.hpp"
#include "core/named_values.hpp"
#include "odt_style_properties.hpp"

namespace qrv::import::odf {
namespace {

using textdoc::ListLevel;
using textdoc::NumberKind;

constexpr Named<NumberKind> kNumberFormats[] = {
    {"1", NumberKind::Decimal},    {"a", NumberKind::LowerLetter}, {"A", NumberKind::UpperLetter},
    {"i", NumberKind::LowerRoman}, {"I", NumberKind::UpperRoman},  {"", NumberKind::None},
};

ListLevel numbered_level(const XmlAttributes &a, size_t level) {
    ListLevel out;
    out.kind = number_kind_of(a.get(Ns::Style, "num-format"));
    const uint32_t shown = count_of(a.get(Ns::Text, "display-levels"), 1);
    const std::string_view prefix = a.get(Ns::Style, "num-prefix"), suffix = a.get(Ns::Style, "num-suffix");
    out.text = out.kind == NumberKind::None ? std::string(prefix) + std::string(suffix)
                                            : level_text(prefix, suffix, level, shown);
    const uint32_t start = count_of(a.get(Ns::Text, "start-value"), 1);
    out.start = static_cast<int32_t>(std::min<uint32_t>(start, 1u << 30));
    return out;
}

}  // namespace

NumberKind number_kind_of(std::string_view num_format) {
    if (num_format.starts_with("01")) return NumberKind::DecimalZero;
    return value_named(kNumberFormats, num_format).value_or(NumberKind::Decimal);
}

std::string level_text(std::string_view prefix, std::string_view suffix, size_t level, unsigned shown) {
    const size_t first = level + 1 - std::clamp<size_t>(shown, 1, level + 1);
    std::string text(prefix);
    for (size_t l = first; l <= level; ++l) {
        if (l > first) text += '.';
        text += '%';
        text += std::to_string(l + 1);
    }
    return text.append(suffix);
}

ListLevel list_level_of(const XmlName &name, const XmlAttributes &a, size_t level) {
    if (name.local == "list-level-style-number" || name.local == "outline-level-style") return numbered_level(a, level);
    ListLevel bullet;
    bullet.kind = NumberKind::Bullet;
    if (name.local == "list-level-style-bullet") bullet.text = a.get(Ns::Text, "bullet-char");
    return bullet;
}

void read_level_position(const XmlName &name, const XmlAttributes &a, ListLevel &level) {
    textdoc::ParaFormat &para = level.paragraph;
    if (name.is(Ns::Style, "list-level-properties")) {
        const auto before = signed_twips(a.get(Ns::Text, "space-before"));
        const auto label = signed_twips(a.get(Ns::Text, "min-label-width"));
        if (before || label) para.left = before.value_or(0) + label.value_or(0);
        if (label) para.first_line = -*label;
        return;
    }
    if (!name.is(Ns::Style, "list-level-label-alignment")) return;
    if (auto left = signed_twips(a.get(Ns::Fo, "margin-left"))) para.left = left;
    if (auto indent = signed_twips(a.get(Ns::Fo, "text-indent"))) para.first_line = indent;
    const auto tab = signed_twips(a.get(Ns::Text, "list-tab-stop-position"));
    if (tab && a.get(Ns::Text, "label-followed-by", "listtab") == "listtab")
        para.tabs = {textdoc::TabStop{textdoc::TabKind::Left, textdoc::TabLeader::None, *tab}};
}

}  // namespace qrv::import::odf
