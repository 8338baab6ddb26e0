#include "shapes.hpp"

#include <algorithm>

#include "cfb/little_endian.hpp"
#include "stories.hpp"
#include "text_marks.hpp"
#include "twips.hpp"

namespace qrv::import::doc {
namespace {

// A shape's record: its identifier, then the left, top, right and bottom
// edges, signed.
constexpr size_t kShapeRecord = 26, kLeft = 4, kTop = 8, kRight = 12, kBottom = 16;

uint32_t extent_pt(std::span<const uint8_t> record, size_t from, size_t to) {
    const int64_t extent =
        int64_t{static_cast<int32_t>(le32(record.data() + to))} - static_cast<int32_t>(le32(record.data() + from));
    return points_of_twips(extent);
}

}  // namespace

Shapes::Shapes(std::span<const uint8_t> table, const Fib &fib, const DocText &text, Diagnostics &diagnostics) {
    const auto shapes = table_of(table, fib.table(Table::MainShapes), kShapeRecord, "the shapes", diagnostics);
    if (!shapes) return;
    const uint32_t main = std::min<uint32_t>(fib.story_length[0], static_cast<uint32_t>(text.chars.size()));
    for (size_t i = 0; i < shapes->size(); ++i) {
        const uint32_t cp = shapes->position(i);
        if (cp >= main || text.chars[cp] != kDrawnObject) continue;
        const auto record = shapes->record(i);
        const Shape shape{le32(record.data()), extent_pt(record, kLeft, kRight), extent_pt(record, kTop, kBottom)};
        by_anchor_.emplace(cp, shape);
        anchor_by_identifier_.emplace(shape.identifier, cp);
    }
}

const Shape *Shapes::anchored_at(uint32_t cp) const {
    const auto it = by_anchor_.find(cp);
    return it == by_anchor_.end() ? nullptr : &it->second;
}

std::optional<uint32_t> Shapes::anchor_of(uint32_t identifier) const {
    const auto it = anchor_by_identifier_.find(identifier);
    if (it == anchor_by_identifier_.end()) return std::nullopt;
    return it->second;
}

}  // namespace qrv::import::doc
