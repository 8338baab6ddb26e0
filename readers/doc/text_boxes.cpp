#include "text_boxes.hpp"

#include "cfb/little_endian.hpp"

namespace qrv::import::doc {
namespace {

// A box's record: the reusable flag at 8, its first shape's identifier at
// 14.
constexpr size_t kBoxRecord = 22, kReusable = 8, kFirstShape = 14;

}  // namespace

TextBoxes::TextBoxes(std::span<const uint8_t> table, const Fib &fib, const Shapes &shapes, Diagnostics &diagnostics) {
    const auto boxes = table_of(table, fib.table(Table::TextBoxTexts), kBoxRecord, "the text boxes", diagnostics);
    if (!boxes) return;
    const auto ranges =
        sound_ranges(stories_of(*boxes, boxes->size() - 1, fib, Story::TextBoxes), "the text boxes", diagnostics);
    for (size_t i = 0; i < ranges.size(); ++i) {
        const auto record = boxes->record(i);
        if (ranges[i].empty() || le16(record.data() + kReusable) != 0) continue;
        if (const auto anchor = shapes.anchor_of(le32(record.data() + kFirstShape)))
            anchored_[*anchor].push_back(ranges[i]);
        else
            unanchored_.push_back(ranges[i]);
    }
}

std::span<const StoryRange> TextBoxes::anchored_at(uint32_t cp) const {
    const auto it = anchored_.find(cp);
    if (it == anchored_.end()) return {};
    return it->second;
}

}  // namespace qrv::import::doc
