#include "reader.hpp"

#include <algorithm>
#include <utility>

namespace qrv::import::rtf {

Reader::Reader(textdoc::TextDocument &doc, Diagnostics &diagnostics, BodyStart start_body)
    : doc_(doc), diagnostics_(diagnostics), start_body_(std::move(start_body)) {
    groups_.push_back({});  // what comes outside the document's group
}

// A document that starts with its {\rtf group ends where that group closes:
// what follows (a NUL some writers add, a second copy) is not part of it.
// A fragment without the header is read group after group to its end.
void Reader::read(std::string_view input) {
    Tokenizer tokens(input);
    const bool headed = starts_with_header(input);
    for (Token t = tokens.next(); t.kind != TokenKind::End; t = tokens.next()) {
        token(t);
        if (headed && t.kind == TokenKind::Close && groups_.size() == 1 && beyond_depth_ == 0) break;
    }
    flush_text();
    if (tokens.truncated_binary()) diagnostics_.warn("the document ends inside \\bin data");
    if (groups_.size() > 1 || beyond_depth_ > 0) diagnostics_.warn("the document ends inside a group (truncated?)");
    while (groups_.size() > 1) close_group();
    output().finish();
}

bool Reader::starts_with_header(std::string_view input) {
    if (input.starts_with("\xEF\xBB\xBF")) input.remove_prefix(3);
    input.remove_prefix(std::min(input.find_first_not_of(" \t\r\n"), input.size()));
    return input.starts_with("{\\rtf");
}

void Reader::token(const Token &t) {
    if (skipping_fallback(t)) return;
    if (t.kind == TokenKind::Byte) {
        pending_ += static_cast<char>(t.byte);
        return;
    }
    if (t.kind == TokenKind::Text) {
        pending_ += t.name;
        return;
    }
    flush_text();
    const bool ignorable = std::exchange(ignorable_, false);
    switch (t.kind) {
    case TokenKind::Open: open_group(); break;
    case TokenKind::Close: close_group(); break;
    case TokenKind::Symbol: symbol(t.name[0]); break;
    case TokenKind::Word:
        if (ignorable && !destination_word(t.name)) {
            state().destination = Destination::Skip;
            break;
        }
        word(t);
        break;
    case TokenKind::Binary:
        if (state().destination == Destination::Picture) picture_.binary(t.name);
        break;  // \bin data outside a picture is not shown
    default: break;
    }
}

// After \uN, the characters standing in for it in readers without Unicode.
bool Reader::skipping_fallback(const Token &t) {
    if (skip_ <= 0) return false;
    switch (t.kind) {
    case TokenKind::Open:
    case TokenKind::Close: skip_ = 0; return false;
    case TokenKind::Text: {
        const size_t n = std::min<size_t>(static_cast<size_t>(skip_), t.name.size());
        skip_ -= static_cast<int32_t>(n);
        if (n < t.name.size()) pending_ += t.name.substr(n);
        return true;
    }
    default: --skip_; return true;
    }
}

void Reader::open_group() {
    if (groups_.size() >= kMaxDepth) {
        ++beyond_depth_;
        if (!std::exchange(warned_depth_, true))
            diagnostics_.warn("groups nested deeper than " + std::to_string(kMaxDepth) + " are read as one");
        return;
    }
    Group group{state(), Closing::Nothing};
    if (std::exchange(state().upr, false)) {
        group.state.upr = false;
        group.state.destination = Destination::Skip;
    }
    const Destination d = group.state.destination;
    if ((d == Destination::FontTable || d == Destination::StyleSheet) && !group.state.entry) {
        group.state.entry = true;
        group.closing = d == Destination::FontTable ? Closing::Font : Closing::Style;
        name_.clear();
    }
    groups_.push_back(std::move(group));
}

void Reader::close_group() {
    if (beyond_depth_ > 0) {
        --beyond_depth_;
        return;
    }
    if (groups_.size() <= 1) {
        if (!std::exchange(warned_braces_, true)) diagnostics_.warn("a '}' closes no group; it is left out");
        return;
    }
    Group group = std::move(groups_.back());
    groups_.pop_back();
    close(group);
}

void Reader::begin_destination(Destination d, Closing closing) {
    state().destination = d;
    groups_.back().closing = closing;
}

BodyOutput &Reader::output() {
    if (!notes_.empty()) return notes_.back()->out;
    if (!body_) {
        defs_.define(doc_);
        body_ = std::make_unique<BodyOutput>(start_body_());
        body_->set_rows(&rows_[0], &rows_[1]);
    }
    return *body_;
}

int32_t Reader::code_page() const {
    const GroupState &s = groups_.back().state;
    if (s.destination == Destination::FontTable && font_.code_page != 0) return font_.code_page;
    if (const auto f = defs_.fonts.find(s.font); f != defs_.fonts.end() && f->second.code_page != 0)
        return f->second.code_page;
    return document_page_;
}

void Reader::flush_text() {
    if (pending_.empty()) return;
    high_surrogate_ = 0;
    if (state().destination == Destination::ListLevelText) {
        for (char c : pending_) defs_.level_text += static_cast<unsigned char>(c);
    } else if (state().destination != Destination::Skip) {
        std::string utf8;
        pages_.decode(pending_, code_page(), utf8);
        deliver(utf8);
    }
    pending_.clear();
}

// \uN values are UTF-16 units: a character beyond them comes as a pair of
// surrogates, each with its fallback.  A surrogate without its other half
// is no character.
void Reader::deliver_unicode(int32_t value) {
    flush_text();
    skip_ = std::max(state().unicode_skip, 0);
    char32_t c = static_cast<char32_t>(value < 0 ? value + 65536 : value);
    const char32_t high = std::exchange(high_surrogate_, 0);
    if (c >= 0xD800 && c < 0xDC00) {
        high_surrogate_ = c;
        return;
    }
    if (c >= 0xDC00 && c < 0xE000) {
        if (high == 0) return;
        c = 0x10000 + ((high - 0xD800) << 10) + (c - 0xDC00);
    }
    if (state().destination == Destination::ListLevelText) {
        defs_.level_text += c;
        return;
    }
    std::string utf8;
    append_utf8(c, utf8);
    deliver(utf8);
}

void Reader::body_text(std::string_view utf8) {
    if (!state().deleted) output().text(utf8, state());
}

}  // namespace qrv::import::rtf
