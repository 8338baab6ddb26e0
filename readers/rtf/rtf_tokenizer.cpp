#include "rtf_tokenizer.hpp"

#include <algorithm>
#include <limits>

#include "core/hex_digit.hpp"

namespace qrv::import::rtf {
namespace {

constexpr size_t kMaxWordLetters = 32;

bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool ends_text(char c) { return c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n'; }

}  // namespace

Token Tokenizer::next() {
    while (at_ < in_.size() && (in_[at_] == '\r' || in_[at_] == '\n')) ++at_;
    if (at_ >= in_.size()) return {};
    const char c = in_[at_];
    if (c == '{' || c == '}') {
        ++at_;
        return {c == '{' ? TokenKind::Open : TokenKind::Close, {}, false, 0, 0};
    }
    if (c == '\\') return control();
    return text();
}

Token Tokenizer::control() {
    ++at_;  // the backslash
    if (at_ >= in_.size()) return {};
    const char c = in_[at_];
    if (is_letter(c)) return word();
    ++at_;
    if (c == '\'') {
        int value = 0, digits = 0;
        for (; digits < 2 && at_ < in_.size(); ++digits) {
            const int digit = hex_value(in_[at_]);
            if (digit < 0) break;
            value = value * 16 + digit;
            ++at_;
        }
        // \' without a hex digit is no byte; the symbol is left unread.
        if (digits == 0) return {TokenKind::Symbol, in_.substr(at_ - 1, 1), false, 0, 0};
        return {TokenKind::Byte, {}, false, 0, static_cast<uint8_t>(value)};
    }
    // A backslash before a line end is a paragraph mark.
    if (c == '\r' || c == '\n') return {TokenKind::Word, "par", false, 0, 0};
    return {TokenKind::Symbol, in_.substr(at_ - 1, 1), false, 0, 0};
}

Token Tokenizer::word() {
    const size_t start = at_;
    while (at_ < in_.size() && is_letter(in_[at_]) && at_ - start < kMaxWordLetters) ++at_;
    Token t{TokenKind::Word, in_.substr(start, at_ - start), false, 0, 0};
    while (at_ < in_.size() && is_letter(in_[at_])) ++at_;  // beyond the longest word
    const bool negative = at_ + 1 < in_.size() && in_[at_] == '-' && is_digit(in_[at_ + 1]);
    if (negative) ++at_;
    int64_t value = 0;
    while (at_ < in_.size() && is_digit(in_[at_])) {
        t.has_param = true;
        if (value <= std::numeric_limits<int32_t>::max()) value = value * 10 + (in_[at_] - '0');
        ++at_;
    }
    if (negative) value = -value;
    value = std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
    t.param = static_cast<int32_t>(value);
    if (at_ < in_.size() && in_[at_] == ' ') ++at_;
    if (t.name == "bin" && t.has_param) return binary(t.param);
    return t;
}

Token Tokenizer::binary(int32_t length) {
    const size_t wanted = length > 0 ? static_cast<size_t>(length) : 0;
    const size_t left = in_.size() - at_;
    if (wanted > left) truncated_binary_ = true;
    const size_t taken = std::min(wanted, left);
    Token t{TokenKind::Binary, in_.substr(at_, taken), false, 0, 0};
    at_ += taken;
    return t;
}

Token Tokenizer::text() {
    const size_t start = at_;
    while (at_ < in_.size() && !ends_text(in_[at_])) ++at_;
    return {TokenKind::Text, in_.substr(start, at_ - start), false, 0, 0};
}

}  // namespace qrv::import::rtf
