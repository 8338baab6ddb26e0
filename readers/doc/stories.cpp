#include "stories.hpp"

#include <algorithm>
#include <string>

namespace qrv::import::doc {
namespace {

void leave_out(std::string_view what, std::string_view why, Diagnostics &diagnostics) {
    diagnostics.warn(std::string(what) + " " + std::string(why) + "; they are left out");
}

}  // namespace

Stories stories_of(const Plc &bounds, size_t count, const Fib &fib, Story story) {
    const uint32_t first = fib.story_start(story);
    const uint32_t length = fib.story_length[static_cast<size_t>(story)];
    Stories out;
    count = std::min(count, bounds.size());
    out.ranges.resize(count);
    uint32_t done = 0;
    for (size_t i = 0; i < count; ++i) {
        const uint32_t start = std::min(bounds.position(i), length);
        const uint32_t end = std::min(bounds.position(i + 1), length);
        out.sound &= bounds.position(i + 1) <= length;
        if (start < done || end < start) {
            out.sound = false;
            continue;
        }
        done = end;
        out.ranges[i] = {first + start, first + end};
    }
    return out;
}

std::optional<Plc> table_of(std::span<const uint8_t> table, Span place, size_t record_size, std::string_view what,
                            Diagnostics &diagnostics) {
    if (place.length == 0) return std::nullopt;
    const auto bytes = place_in(table, place);
    if (bytes.empty()) {
        leave_out(what, "lie beyond the table stream", diagnostics);
        return std::nullopt;
    }
    Plc plc(bytes, record_size);
    if (!plc.ascending()) {
        leave_out(what, "have positions that go back", diagnostics);
        return std::nullopt;
    }
    return plc;
}

std::vector<StoryRange> sound_ranges(Stories stories, std::string_view what, Diagnostics &diagnostics) {
    if (stories.sound) return std::move(stories.ranges);
    leave_out(what, "have texts that go back or reach past their part of the text", diagnostics);
    return {};
}

}  // namespace qrv::import::doc
