#include "delimited_reader.hpp"

#include <algorithm>

namespace qrv::import {

bool DelimitedReader::next(std::string_view &field, std::string &storage, uint32_t &row, uint32_t &column) {
    if (done_ || at_ >= text_.size()) return false;
    row = row_;
    column = column_;
    if (text_[at_] == '"') {
        storage.clear();
        take_quoted(storage);
        field = storage;
    } else {
        field = plain_part();
    }
    end_field();
    return true;
}

void DelimitedReader::take_quoted(std::string &field) {
    const size_t opening = at_++;
    while (at_ < text_.size()) {
        const size_t quote = text_.find('"', at_);
        if (quote == std::string_view::npos) {
            // An unclosed quote runs to the end of the text.
            unclosed_quote_line_ = 1 + static_cast<size_t>(std::count(text_.begin(), text_.begin() + opening, '\n'));
            field.append(text_.substr(at_));
            at_ = text_.size();
            return;
        }
        field.append(text_.substr(at_, quote - at_));
        at_ = quote + 1;
        if (at_ < text_.size() && text_[at_] == '"') {
            field.push_back('"');
            ++at_;
            continue;
        }
        break;
    }
    // Anything between the closing quote and the separator is kept.
    take_plain(field);
}

std::string_view DelimitedReader::plain_part() {
    size_t end = at_;
    while (end < text_.size() && text_[end] != separator_ && text_[end] != '\n' && text_[end] != '\r') ++end;
    const std::string_view part = text_.substr(at_, end - at_);
    at_ = end;
    return part;
}

void DelimitedReader::take_plain(std::string &field) { field.append(plain_part()); }

void DelimitedReader::end_field() {
    if (at_ >= text_.size()) {
        done_ = true;
        return;
    }
    const char c = text_[at_++];
    if (c == separator_) {
        ++column_;
        return;
    }
    if (c == '\r' && at_ < text_.size() && text_[at_] == '\n') ++at_;
    ++row_;
    column_ = 0;
}

bool is_plain_number(std::string_view t) {
    size_t i = 0;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
    size_t digits = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
        size_t exponent = 0;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++exponent;
        if (exponent == 0) return false;
    }
    return i == t.size();
}

}  // namespace qrv::import
