#include "cell_frame.hpp"

#include <qrvex/items.h>

namespace qrv::import {

namespace conv = qrv::model;

bool CellFrame::visible() const {
    if (fill != conv::kNoFill) return true;
    for (const CellBorder &b : borders)
        if (b.line != conv::kBorderNone) return true;
    return false;
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

uint16_t SheetLooks::frame_number(const CellFrame &frame) {
    if (frames_[last_frame_] == frame) return last_frame_;
    auto found = frame_numbers_.find(frame);
    if (found == frame_numbers_.end()) {
        if (frames_.size() >= kMostLooks) {
            overflowed_ = true;
            return 0;
        }
        found = frame_numbers_.emplace(frame, static_cast<uint16_t>(frames_.size())).first;
        frames_.push_back(frame);
    }
    return last_frame_ = found->second;
}

uint16_t SheetLooks::number_of(uint32_t char_format, const CellFrame &frame) {
    const Look wanted{char_format, frame_number(frame)};
    if (looks_[last_] == wanted) return last_;
    auto found = numbers_.find(wanted);
    if (found == numbers_.end()) {
        if (looks_.size() >= kMostLooks) {
            overflowed_ = true;
            return 0;
        }
        found = numbers_.emplace(wanted, static_cast<uint16_t>(looks_.size())).first;
        looks_.push_back(wanted);
    }
    return last_ = found->second;
}

}  // namespace qrv::import
