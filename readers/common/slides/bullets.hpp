// The bullet or number a paragraph of a slide shows, and the lists of the
// text document that carry them.  Bullets of one character share a list;
// numbers count in the text body they are in, so each body numbering
// paragraphs gets a list of its own.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "textdoc/list_definitions.hpp"
#include "textdoc/text_document.hpp"

namespace qrv::import::slides {

struct Bullet {
    enum class Kind : uint8_t { None, Character, Number };
    Kind kind = Kind::None;
    std::string character;  // UTF-8, for Kind::Character
    textdoc::NumberKind number = textdoc::NumberKind::Decimal;
    std::string before, after;  // around the number: "(" and ")"
    int32_t start = 1;

    bool operator==(const Bullet &) const = default;
};

// Slide text has nine levels; deeper ones are taken as the ninth.
inline constexpr unsigned kSlideLevels = 9;

class BulletLists {
public:
    // The list a paragraph with this bullet belongs to; nothing for
    // Kind::None.  scope tells the text bodies apart (numbers restart in
    // each).
    std::optional<std::string> list_for(const Bullet &bullet, uint32_t scope);
    // Adds the lists handed out to the document.
    void define(textdoc::TextDocument &doc) const;

private:
    std::map<std::string, textdoc::ListDefinition> lists_;
};

}  // namespace qrv::import::slides
