#include "text_boxes.hpp"

#include <algorithm>

#include "cfb/little_endian.hpp"
#include "text_marks.hpp"

namespace qrv::import::doc {
namespace {

// A box's record: the reusable flag at 8, its first shape's identifier at
// 14.  A shape's record starts with its identifier.
constexpr size_t kBoxRecord = 22, kReusable = 8, kFirstShape = 14, kShapeRecord = 26;

// The anchor of each shape by its identifier, where the anchor is a
// drawn-object mark of the main text.
std::map<uint32_t, uint32_t> shape_anchors(std::span<const uint8_t> table, const Fib &fib, const DocText &text,
                                           Diagnostics &diagnostics) {
    std::map<uint32_t, uint32_t> anchors;
    const auto shapes = table_of(table, fib.table(Table::MainShapes), kShapeRecord, "the shapes", diagnostics);
    if (!shapes) return anchors;
    const uint32_t main = std::min<uint32_t>(fib.story_length[0], static_cast<uint32_t>(text.chars.size()));
    for (size_t i = 0; i < shapes->size(); ++i) {
        const uint32_t cp = shapes->position(i);
        if (cp < main && text.chars[cp] == kDrawnObject) anchors.emplace(le32(shapes->record(i).data()), cp);
    }
    return anchors;
}

}  // namespace

TextBoxes::TextBoxes(std::span<const uint8_t> table, const Fib &fib, const DocText &text, Diagnostics &diagnostics) {
    const auto boxes = table_of(table, fib.table(Table::TextBoxTexts), kBoxRecord, "the text boxes", diagnostics);
    if (!boxes) return;
    const auto ranges =
        sound_ranges(stories_of(*boxes, boxes->size() - 1, fib, Story::TextBoxes), "the text boxes", diagnostics);
    const auto anchors = shape_anchors(table, fib, text, diagnostics);
    for (size_t i = 0; i < ranges.size(); ++i) {
        const auto record = boxes->record(i);
        if (ranges[i].empty() || le16(record.data() + kReusable) != 0) continue;
        const auto anchor = anchors.find(le32(record.data() + kFirstShape));
        if (anchor != anchors.end())
            anchored_[anchor->second].push_back(ranges[i]);
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
