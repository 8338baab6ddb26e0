#include "definitions.hpp"

#include <algorithm>

#include "textdoc/symbol_fonts.hpp"
#include "code_pages.hpp"

namespace qrv::import::rtf {
namespace {

using textdoc::NumberKind;

// \leveltext: its first character is the length; characters below 10 are
// the places of the levels' numbers.  A bullet is drawn in the level's font
// (Symbol's and Wingdings' codes are the characters they show); a bullet
// level that places a number shows the usual bullet of its depth.
std::string level_text_of(const std::u32string &raw, bool bullet, std::string_view font, size_t level) {
    std::string out;
    const std::u32string_view shown =
        raw.empty() ? std::u32string_view() : std::u32string_view(raw).substr(1, std::min<size_t>(raw[0], raw.size() - 1));
    if (bullet) {
        const bool places_number = std::any_of(shown.begin(), shown.end(), [](char32_t c) { return c < 10; });
        if (!places_number)
            for (const char32_t c : shown) append_utf8(c, out);
        return textdoc::shown_bullet(out, font, level);
    }
    for (const char32_t c : shown) {
        if (c < 10)
            out.append(1, '%').append(std::to_string(c + 1));
        else
            append_utf8(c, out);
    }
    return out;
}

}  // namespace

NumberKind number_kind(int32_t nfc) {
    switch (nfc) {
    case 1: return NumberKind::UpperRoman;
    case 2: return NumberKind::LowerRoman;
    case 3: return NumberKind::UpperLetter;
    case 4: return NumberKind::LowerLetter;
    case 22: return NumberKind::DecimalZero;
    case 23: return NumberKind::Bullet;
    case 255: return NumberKind::None;
    default: return NumberKind::Decimal;
    }
}

void Definitions::end_colour() {
    colours.push_back(colour_stated ? colour_in_hand : textdoc::CharFormat::kAutoColour);
    colour_in_hand = 0;
    colour_stated = false;
}

std::optional<textdoc::Rgb> Definitions::colour(int32_t index) const {
    if (index < 0 || static_cast<size_t>(index) >= colours.size()) return std::nullopt;
    return colours[static_cast<size_t>(index)];
}

void Definitions::add_style(const GroupState &state, std::string name) {
    if (state.table_style) return;
    while (!name.empty() && name.back() == ' ') name.pop_back();
    textdoc::StyleDefinition style;
    const bool character = state.character_style >= 0;
    style.kind = character ? textdoc::StyleKind::Character : textdoc::StyleKind::Paragraph;
    const int32_t number = character ? state.character_style : std::max(state.paragraph_style, 0);
    style.key = character ? character_style_key(number) : paragraph_style_key(number);
    style.name = name.empty() ? style.key : std::move(name);
    if (state.based_on >= 0 && state.based_on != 222)
        style.parent = character ? character_style_key(state.based_on) : paragraph_style_key(state.based_on);
    style.is_default = !character && number == 0;
    style.chars = state.chars;
    style.para = state.para;
    styles_.push_back(std::move(style));
}

void Definitions::end_level(const GroupState &state) {
    if (list_in_hand.levels.size() >= textdoc::kMaxListLevels) return;
    const size_t level = list_in_hand.levels.size();
    level_in_hand.text = level_text_of(level_text, level_in_hand.kind == NumberKind::Bullet,
                                       state.chars.font.value_or(""), level);
    level_in_hand.paragraph = state.para;
    list_in_hand.levels.push_back(std::move(level_in_hand));
    level_in_hand = {};
    level_text.clear();
}

void Definitions::end_list() {
    lists_[list_id_in_hand] = std::move(list_in_hand);
    list_in_hand = {};
    list_id_in_hand = 0;
}

void Definitions::define(textdoc::TextDocument &doc) const {
    for (const auto &style : styles_) doc.add_style(style);
    doc.fall_back_to_default_paragraph_style(paragraph_style_key(0));
    for (const auto &[number, id] : overrides_) {
        const auto list = lists_.find(id);
        if (list == lists_.end()) continue;
        textdoc::ListDefinition definition = list->second;
        definition.counter = "list" + std::to_string(id);
        doc.add_list(list_key(number), std::move(definition));
    }
}

}  // namespace qrv::import::rtf
