#include "inline_text.hpp"

#include <algorithm>

namespace qrv::filters::markdown {
namespace {

constexpr std::string_view kBold = "**";
constexpr std::string_view kItalic = "*";
constexpr std::string_view kStrike = "~~";

bool wanted(std::string_view marker, const TextFormat &format) {
    if (marker == kBold) return format.bold;
    if (marker == kItalic) return format.italic;
    return format.strike || format.double_strike;
}

bool is_space(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

}  // namespace

void InlineText::start(std::string &to, TextPlace place, bool line_start, std::string continuation) {
    to_ = &to;
    start_size_ = to.size();
    place_ = place;
    line_start_ = line_start;
    continuation_ = std::move(continuation);
    open_.clear();
    pending_.clear();
    pending_break_ = link_open_ = false;
}

void InlineText::finish() {
    if (!to_) return;
    close_emphasis();
    pending_.clear();
    pending_break_ = false;
}

void InlineText::close_emphasis() {
    while (!open_.empty()) {
        *to_ += open_.back();
        open_.pop_back();
    }
}

void InlineText::flush_pending() {
    *to_ += pending_;
    if (pending_break_) line_start_ = true;
    pending_.clear();
    pending_break_ = false;
}

// Markers no longer wanted close (with those opened inside them), then the
// missing ones open, after the spaces before the text.
void InlineText::set_emphasis(const TextFormat &format) {
    auto unwanted = std::find_if(open_.begin(), open_.end(), [&](std::string_view m) { return !wanted(m, format); });
    while (open_.end() != unwanted) {
        *to_ += open_.back();
        open_.pop_back();
    }
    flush_pending();
    for (std::string_view marker : {kBold, kItalic, kStrike}) {
        if (!wanted(marker, format) || std::find(open_.begin(), open_.end(), marker) != open_.end()) continue;
        *to_ += marker;
        open_.push_back(marker);
        line_start_ = false;
    }
}

void InlineText::text(std::string_view utf8, const TextFormat &format) {
    if (!to_ || format.hidden || utf8.empty()) return;
    size_t first = 0, last = utf8.size();
    while (first < last && is_space(utf8[first])) ++first;
    while (last > first && is_space(utf8[last - 1])) --last;
    if (first == last) {
        if (!pending_break_) pending_ = " ";
        return;
    }
    if (first > 0 && !pending_break_) pending_ = " ";
    set_emphasis(format);
    append_escaped(*to_, utf8.substr(first, last - first), place_, line_start_);
    if (last < utf8.size()) pending_ = " ";
}

void InlineText::line_break() {
    if (!to_) return;
    if (place_ == TextPlace::Block) {
        pending_ = "\\\n" + continuation_;
        pending_break_ = true;
    } else if (place_ == TextPlace::Cell) {
        markup("<br>");
    } else {
        pending_ = " ";
    }
}

void InlineText::markup(std::string_view piece) {
    if (!to_) return;
    flush_pending();
    *to_ += piece;
    line_start_ = false;
}

void InlineText::begin_link() {
    if (!to_) return;
    close_emphasis();
    markup("[");
    link_open_ = true;
}

void InlineText::end_link(std::string_view target) {
    if (!to_ || !link_open_) return;
    close_emphasis();
    const std::string rest = pending_;
    pending_.clear();
    *to_ += "](" + link_destination(target) + ")";
    pending_ = rest;
    link_open_ = false;
}

}  // namespace qrv::filters::markdown
