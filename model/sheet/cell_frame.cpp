#include "cell_frame.hpp"

#include <qrvex/items.h>

#include <cmath>

namespace qrv::import {

namespace conv = qrv::model;

bool CellFrame::visible() const {
    if (fill != conv::kNoFill) return true;
    for (const CellBorder &b : borders)
        if (b.line != conv::kBorderNone) return true;
    return false;
}

uint32_t pattern_colour(uint32_t foreground, uint32_t background, double density) {
    if (!(density > 0)) return conv::kNoFill;
    if (density >= 1) return foreground & conv::kRgbMask;
    uint32_t rgb = 0;
    for (int shift = 16; shift >= 0; shift -= 8) {
        const double f = foreground >> shift & 0xFF, b = background >> shift & 0xFF;
        rgb |= static_cast<uint32_t>(std::lround(f * density + b * (1 - density))) << shift;
    }
    return rgb;
}

void write_frame(DocumentWriter &writer, const CellFrame &frame) {
    uint32_t lines[conv::kSideCount] = {};
    for (uint32_t side = 0; side < conv::kSideCount; ++side) lines[side] = frame.borders[side].line;
    writer.tag_begin(conv::kCellLookTag, frame.fill, conv::look_bits(frame.vertical, frame.wraps, lines));
    writer.tag_end(conv::kCellLookTag);
    // One tag for each colour, naming the sides drawn in it.
    uint32_t done = 0;
    for (uint32_t side = 0; side < conv::kSideCount; ++side) {
        const CellBorder &border = frame.borders[side];
        if (border.line == conv::kBorderNone || border.colour == CharFormat::kNoColour || (done >> side & 1)) continue;
        uint32_t sides = 0;
        for (uint32_t other = side; other < conv::kSideCount; ++other) {
            const CellBorder &b = frame.borders[other];
            if (b.line != conv::kBorderNone && b.colour == border.colour) sides |= 1u << other;
        }
        done |= sides;
        writer.tag_begin(conv::kCellBorderColourTag, border.colour & conv::kRgbMask, sides);
        writer.tag_end(conv::kCellBorderColourTag);
    }
}

namespace {

// The number of value in a table of distinct values (added when new), or
// 0 when the table is full.  last: the number handed out last, tried first.
template <typename Value>
uint16_t intern(std::vector<Value> &values, std::map<Value, uint16_t> &numbers, const Value &value, uint16_t &last,
                bool &overflowed) {
    if (values[last] == value) return last;
    auto found = numbers.find(value);
    if (found == numbers.end()) {
        if (values.size() >= SheetLooks::kMostLooks) {
            overflowed = true;
            return 0;
        }
        found = numbers.emplace(value, static_cast<uint16_t>(values.size())).first;
        values.push_back(value);
    }
    return last = found->second;
}

}  // namespace

uint16_t SheetLooks::number_of(uint32_t char_format, const CellFrame &frame) {
    const Look wanted{char_format, intern(frames_, frame_numbers_, frame, last_frame_, overflowed_)};
    return intern(looks_, numbers_, wanted, last_, overflowed_);
}

}  // namespace qrv::import
