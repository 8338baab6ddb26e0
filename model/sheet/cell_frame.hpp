// What a cell shows around its text: its fill, vertical alignment,
// wrapping and borders.  A sheet keeps each distinct pair of character
// format and frame once (SheetLooks); its cells name the pair by number.
#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include <qrvmodel/sheets.hpp>

#include "writer/document_writer.hpp"
#include "char_format.hpp"

namespace qrv::import {

struct CellBorder {
    uint8_t line = model::kBorderNone;       // a model::BorderLine
    uint32_t colour = CharFormat::kNoColour;  // 0x00RRGGBB, or the automatic colour
    bool operator==(const CellBorder &) const = default;
    auto operator<=>(const CellBorder &) const = default;
};

struct CellFrame {
    uint32_t fill = model::kNoFill;          // 0x00RRGGBB, or none
    uint8_t vertical = model::kAlignBottom;  // a model::CellVerticalAlign
    bool wraps = false;
    std::array<CellBorder, model::kSideCount> borders{};  // top, right, bottom, left
    bool operator==(const CellFrame &) const = default;
    auto operator<=>(const CellFrame &) const = default;
    bool plain() const { return *this == CellFrame{}; }
    // Something shows in the cell even without a value: a fill or a border.
    bool visible() const;
};

// The one colour a patterned fill shows as: its foreground mixed into its
// background as densely as the pattern paints it (1 solid, 0 none: no fill).
uint32_t pattern_colour(uint32_t foreground, uint32_t background, double density);

// Appends the look tag of a frame and the colours of its borders: one
// entry of a sheet's table of frames.
void write_frame(DocumentWriter &writer, const CellFrame &frame);

// The distinct looks (character format and frame) of a sheet's cells, and
// its distinct frames; number 0 is the plain look and the plain frame.  A
// sheet of more looks than a cell can name shows the later ones plain.
class SheetLooks {
public:
    struct Look {
        uint32_t char_format = 0;
        uint16_t frame = 0;  // in frames()
        auto operator<=>(const Look &) const = default;
    };
    static constexpr size_t kMostLooks = 0x10000;

    SheetLooks() : looks_{Look{}}, numbers_{{Look{}, 0}}, frames_{CellFrame{}}, frame_numbers_{{CellFrame{}, 0}} {}
    uint16_t number_of(uint32_t char_format, const CellFrame &frame);
    const Look &operator[](uint16_t number) const { return looks_[number]; }
    const std::vector<CellFrame> &frames() const { return frames_; }
    bool overflowed() const { return overflowed_; }

private:
    std::vector<Look> looks_;
    std::map<Look, uint16_t> numbers_;
    std::vector<CellFrame> frames_;
    std::map<CellFrame, uint16_t> frame_numbers_;
    uint16_t last_ = 0, last_frame_ = 0;  // cells of a sheet mostly look like the one before
    bool overflowed_ = false;
};

}  // namespace qrv::import
