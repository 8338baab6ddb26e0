#include "headers.hpp"

#include "textdoc/recording.hpp"
#include "text_marks.hpp"

namespace qrv::import::doc {
namespace {

constexpr size_t kSeparators = 6;

struct RunningStory {
    model::RunningKind kind;
    model::RunningPages pages;
};

constexpr RunningStory kSectionStories[] = {
    {model::kRunningHeader, model::kEvenPages}, {model::kRunningHeader, model::kEveryPage},
    {model::kRunningFooter, model::kEvenPages}, {model::kRunningFooter, model::kEveryPage},
    {model::kRunningHeader, model::kFirstPage}, {model::kRunningFooter, model::kFirstPage},
};

// The story without its guard mark.
StoryRange contents_of(StoryRange story, const DocText &text) {
    if (!story.empty() && story.end <= text.chars.size() && text.chars[story.end - 1] == kParagraphMark)
        --story.end;
    return story;
}

}  // namespace

void write_running_texts(const DocContent &content, std::span<const uint8_t> table, const Fib &fib,
                         textdoc::TextSink &sink, Diagnostics &diagnostics) {
    const auto bounds = table_of(table, fib.table(Table::Headers), 0, "the headers and footers", diagnostics);
    if (!bounds) return;
    // The last position is not a story's start: it only follows the end.
    const auto stories = sound_ranges(stories_of(*bounds, bounds->size() - 1, fib, Story::Headers),
                                      "the headers and footers", diagnostics);
    for (size_t i = 0; i < std::size(kSectionStories) && kSeparators + i < stories.size(); ++i) {
        const StoryRange story = contents_of(stories[kSeparators + i], content.text);
        if (story.empty()) continue;
        textdoc::Recording body;
        BodyReader reader(content, body, true);
        reader.read_as_running_text();
        reader.read(story.start, story.end);
        sink.running(kSectionStories[i].kind, kSectionStories[i].pages, body);
    }
}

}  // namespace qrv::import::doc
