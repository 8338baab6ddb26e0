// Numbered and bulleted lists of a word-processing document: each list has
// up to twelve levels, and each level says how its number looks (the
// numbering kind and a level text such as "%1.%2."), where it starts, and
// the indents and tab stops of its paragraphs.  Lists that name the same
// counter continue each other's numbers; a list with no counter of its own
// counts alone.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "text_formats.hpp"

namespace qrv::import::textdoc {

// Deeper levels than this are taken as the deepest one.
inline constexpr size_t kMaxListLevels = 12;

enum class NumberKind : uint8_t {
    Decimal,      // 1, 2, 3
    DecimalZero,  // 01, 02, ... 10
    UpperLetter,  // A, B, ... Z, AA
    LowerLetter,
    UpperRoman,  // I, II, III
    LowerRoman,
    Bullet,  // the level text is the bullet
    None     // no number; the level text stands alone
};

struct ListLevel {
    NumberKind kind = NumberKind::Decimal;
    // UTF-8 text of the number: "%N" stands for the number of level N
    // (1-based), everything else is taken as it stands.  For a bullet, the
    // bullet character.
    std::string text = "%1.";
    int32_t start = 1;
    bool legal = false;  // every level's number in the text shown as decimal
    ParaFormat paragraph;
};

struct ListDefinition {
    std::vector<ListLevel> levels;  // at most kMaxListLevels; missing levels are decimal
    // Lists with the same non-empty counter name share their numbers.
    std::string counter;
};

// The bullet a level shows when its own text is blank: the usual round,
// white and square bullets by depth.
char32_t default_bullet(size_t level);

}  // namespace qrv::import::textdoc
