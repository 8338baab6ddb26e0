#include "page_styles.hpp"

#include "odf/attribute_values.hpp"
#include "odf/char_format.hpp"

namespace qrv::import::odp {
namespace {

using slides::Bullet;
using textdoc::NumberKind;

NumberKind number_kind_of(std::string_view format) {
    if (format == "a") return NumberKind::LowerLetter;
    if (format == "A") return NumberKind::UpperLetter;
    if (format == "i") return NumberKind::LowerRoman;
    if (format == "I") return NumberKind::UpperRoman;
    return NumberKind::Decimal;
}

std::optional<unsigned> level_of(const XmlAttributes &a) {
    const uint32_t level = odf::count_of(a.get(Ns::Text, "level"), 1);
    if (level < 1) return std::nullopt;
    return std::min<uint32_t>(level, slides::kSlideLevels) - 1;
}

}  // namespace

const Levels *PageStyles::levels(std::string_view name) const {
    for (int steps = 0; steps < 64 && !name.empty(); ++steps) {
        if (auto found = lists.find(name); found != lists.end()) return &found->second;
        const auto parent = parents.find(name);
        if (parent == parents.end()) return nullptr;
        name = parent->second;
    }
    return nullptr;
}

textdoc::CharFormat PageStyles::chars(std::string_view name) const {
    const auto found = text.find(name);
    return found == text.end() ? textdoc::CharFormat{} : found->second;
}

void PageStylesReader::read_decorations(const XmlAttributes &a) {
    static constexpr std::pair<Decoration, std::string_view> kShown[] = {{Decoration::Header, "display-header"},
                                                                          {Decoration::Footer, "display-footer"},
                                                                          {Decoration::DateTime, "display-date-time"},
                                                                          {Decoration::PageNumber, "display-page-number"}};
    DecorationSet shown = 0;
    for (const auto &[decoration, attribute] : kShown)
        if (a.get(Ns::OdfPresentation, attribute) == "true") shown |= bit_of(decoration);
    if (shown) styles_.decorations[style_] = shown;
}

void PageStylesReader::start(const XmlName &name, const XmlAttributes &a) {
    if (name.is(Ns::Style, "style")) {
        style_ = a.get(Ns::Style, "name");
        if (const auto *parent = a.find(Ns::Style, "parent-style-name")) styles_.parents[style_] = std::string(*parent);
    } else if (name.is(Ns::Style, "text-properties") && !style_.empty() && !list_) {
        odf::read_text_properties(a, odf::FontFaces{}, styles_.text[style_]);
    } else if (name.is(Ns::Style, "drawing-page-properties")) {
        if (a.get(Ns::OdfPresentation, "visibility") == "hidden") styles_.hidden_pages.insert(style_);
        if (a.get(Ns::OdfPresentation, "background-objects-visible") == "false") styles_.bare_pages.insert(style_);
        read_decorations(a);
    } else if (name.is(Ns::Text, "list-style")) {
        const std::string_view own = a.get(Ns::Style, "name");
        list_ = &styles_.lists[std::string(own.empty() ? std::string_view(style_) : own)];
    } else if (list_ && name.is(Ns::Text, "list-level-style-bullet")) {
        level_ = level_of(a);
        Bullet b;
        b.kind = Bullet::Kind::Character;
        b.character = a.get(Ns::Text, "bullet-char", "\xE2\x80\xA2");
        if (level_) (*list_)[*level_] = b;
    } else if (list_ && name.is(Ns::Text, "list-level-style-number")) {
        level_ = level_of(a);
        Bullet b;
        const std::string_view format = a.get(Ns::Style, "num-format", "1");
        b.kind = format.empty() ? Bullet::Kind::None : Bullet::Kind::Number;
        b.number = number_kind_of(format);
        b.before = a.get(Ns::Style, "num-prefix");
        b.after = a.get(Ns::Style, "num-suffix");
        b.start = static_cast<int32_t>(std::min<uint32_t>(odf::count_of(a.get(Ns::Text, "start-value"), 1), 32767));
        if (level_) (*list_)[*level_] = b;
    }
}

void PageStylesReader::end(const XmlName &name) {
    if (name.is(Ns::Style, "style")) style_.clear();
    if (name.is(Ns::Text, "list-style")) list_ = nullptr;
}

}  // namespace qrv::import::odp
