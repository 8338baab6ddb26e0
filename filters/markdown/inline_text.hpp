// The text of one paragraph, heading or table cell as Markdown: runs with
// their emphasis (**bold**, *italic*, ~~strike~~), links and line breaks.
// Emphasis markers open and close only next to text, never next to spaces,
// where a Markdown reader would not take them for emphasis.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "escape.hpp"
#include "writer.hpp"

namespace qrv::filters::markdown {

class InlineText {
public:
    // Text from now on goes to the end of to.  continuation is written
    // after each line break (the indent of a list item's text).
    void start(std::string &to, TextPlace place, bool line_start, std::string continuation = {});
    // Closes what is open; spaces and a line break left at the end go.
    void finish();

    void text(std::string_view utf8, const TextFormat &format);
    void line_break();
    // Markup of our own ("[^1]", "<br>", an image) after the text so far.
    void markup(std::string_view piece);

    void begin_link();
    void end_link(std::string_view target);
    bool in_link() const { return link_open_; }

    bool empty() const { return !to_ || to_->size() == start_size_; }

private:
    void set_emphasis(const TextFormat &format);
    void close_emphasis();
    void flush_pending();

    std::string *to_ = nullptr;
    size_t start_size_ = 0;
    TextPlace place_ = TextPlace::Block;
    bool line_start_ = false;
    std::string continuation_;
    std::vector<std::string_view> open_;  // emphasis markers open, innermost last
    std::string pending_;                 // spaces (or a line break) not written yet
    bool pending_break_ = false;
    bool link_open_ = false;
};

}  // namespace qrv::filters::markdown
