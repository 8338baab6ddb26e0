// The tables an RTF document states before its body: fonts with their code
// pages, colours, styles with their based-on chains, lists and their
// overrides.  Gathered while the header is read, then written into the
// text document before the body's first paragraph.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "textdoc/list_definitions.hpp"
#include "textdoc/text_document.hpp"
#include "group_state.hpp"

namespace qrv::import::rtf {

// The numbering of a list level's \levelnfcN.
textdoc::NumberKind number_kind(int32_t nfc);

struct Font {
    std::string name;
    int32_t code_page = 0;  // 0: the document's
};

class Definitions {
public:
    // Fonts.
    std::map<int32_t, Font> fonts;
    // Colours; the first entry of the table is usually "automatic".
    std::vector<textdoc::Rgb> colours;
    textdoc::Rgb colour_in_hand = 0;
    bool colour_stated = false;
    void end_colour();
    std::optional<textdoc::Rgb> colour(int32_t index) const;

    // Styles.
    void add_style(const GroupState &state, std::string name);
    static std::string paragraph_style_key(int32_t number) { return std::string("s").append(std::to_string(number)); }
    static std::string character_style_key(int32_t number) { return std::string("cs").append(std::to_string(number)); }

    // Lists: the definition in hand (\list), its level in hand (\listlevel).
    textdoc::ListDefinition list_in_hand;
    int32_t list_id_in_hand = 0;
    textdoc::ListLevel level_in_hand;
    std::u32string level_text;  // raw: a length, then characters and level places
    // Ends the level in hand; its group's state has its font and paragraph.
    void end_level(const GroupState &state);
    void end_list();
    int32_t override_list = 0, override_number = 0;
    void end_override() { overrides_[override_number] = override_list; }
    // False for documents that number their paragraphs with the labels
    // they state (\pntext, \listtext) alone.
    bool defines_lists() const { return !overrides_.empty(); }
    static std::string list_key(int32_t override_number) { return "ls" + std::to_string(override_number); }

    void define(textdoc::TextDocument &doc) const;

private:
    std::vector<textdoc::StyleDefinition> styles_;
    std::map<int32_t, textdoc::ListDefinition> lists_;  // by \listid
    std::map<int32_t, int32_t> overrides_;              // \ls number to \listid
};

}  // namespace qrv::import::rtf
