// Helpers of the number format tests (header only: every *_test.cpp of
// this folder is one program): definitions from a short pattern,
// option sets with chosen conventions, and calls that give UTF-8 text.
#pragma once

#include "support/document.hpp"

#include <qrvda.h>
#include <qrvex/numformat.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>
#include <string_view>

namespace qrv::test {

// Document text-format lines for a compact pattern: 0 # ? . % , E $ @ are
// the digit, point, percent, grouping, exponent (a sign after E is part of
// it), currency and text tokens; {1A2} is the token 0x1A2; "..." and any
// other character are literal text.
std::string definition_lines(std::string_view pattern);

// A number format definition labelled @f (key 1) holding the pattern.
std::string definition(std::string_view pattern);

std::string utf8(const QRVWCHAR *text, uint32_t length);

// An option set whose conventions the test changes; released at the end.
class Conventions {
public:
    Conventions();
    ~Conventions();
    Conventions(const Conventions &) = delete;
    Conventions &operator=(const Conventions &) = delete;

    FUIntlSettings settings{};
    uint32_t handle() const;  // applies settings and gives the handle

private:
    uint32_t handle_ = 0;
};

struct FormatCall {
    uint32_t dayBase = 0;
    uint32_t dateFlags = 0;
    uint32_t exponentOptions = 0;
    uint32_t hOptions = 0;
    MUCache *cache = nullptr;
    uint32_t outputSize = 256;
    uint32_t textValue60 = 0;  // in and out
    uint32_t textValue25 = 0;  // out
};

// FUFormatNumber into a fresh buffer; checks that the result is the length
// of the text and returns the text.
std::string format_number(CHHandle h, uint32_t formatId, double value, FormatCall &call);
std::string format_number(CHHandle h, uint32_t formatId, double value);

// --- Implementation -----------------------------------------------------

namespace detail {

inline std::string special(uint32_t token) {
    char line[32];
    std::snprintf(line, sizeof line, "special 0x%X\n", token);
    return line;
}

inline std::string text_line(const std::string &chars) {
    std::string line = "text \"";
    for (char c : chars) {
        if (c == '"' || c == '\\') line += '\\';
        line += c;
    }
    return line + "\"\n";
}

inline uint32_t token_of_char(char c) {
    switch (c) {
    case '0': return FU_TOKEN_DIGIT_ZERO;
    case '#': return FU_TOKEN_DIGIT_OPTIONAL;
    case '?': return FU_TOKEN_DIGIT_BLANK;
    case '.': return FU_TOKEN_POINT;
    case '%': return FU_TOKEN_PERCENT;
    case ',': return FU_TOKEN_GROUPING;
    case 'E': return FU_TOKEN_EXPONENT;
    case '$': return FU_TOKEN_CURRENCY;
    case '@': return FU_TOKEN_TEXT;
    default: return 0;
    }
}

}  // namespace detail

inline std::string definition_lines(std::string_view pattern) {
    std::string lines, literal;
    auto flush = [&] {
        if (!literal.empty()) lines += detail::text_line(literal);
        literal.clear();
    };
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '"') {
            const size_t end = pattern.find('"', i + 1);
            literal += std::string(pattern.substr(i + 1, end - i - 1));
            i = end;
        } else if (c == '{') {
            const size_t end = pattern.find('}', i);
            flush();
            lines += detail::special(
                static_cast<uint32_t>(std::stoul(std::string(pattern.substr(i + 1, end - i - 1)), nullptr, 16)));
            i = end;
        } else if (uint32_t token = detail::token_of_char(c)) {
            flush();
            lines += detail::special(token);
            if (c == 'E' && i + 1 < pattern.size() && (pattern[i + 1] == '+' || pattern[i + 1] == '-')) ++i;
        } else {
            literal += c;
        }
    }
    flush();
    return lines;
}

inline std::string definition(std::string_view pattern) {
    return "@f: begin NUMBER_FORMAT key=1\n" + definition_lines(pattern) + "end\n";
}

inline std::string utf8(const QRVWCHAR *text, uint32_t length) {
    std::string out;
    for (uint32_t i = 0; i < length; ++i) {
        const uint32_t c = text[i];
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

inline Conventions::Conventions() {
    EXPECT_EQ(DACreateOptions(&handle_), 0u);
    uint32_t size = sizeof settings;
    EXPECT_EQ(DAGetOption(handle_, DA_OPTION_INTL_SETTINGS, &settings, &size), 0u);
}

inline Conventions::~Conventions() { DADestroyOptions(handle_); }

inline uint32_t Conventions::handle() const {
    EXPECT_EQ(DASetOption(handle_, DA_OPTION_INTL_SETTINGS, &settings, sizeof settings), 0u);
    return handle_;
}

inline std::string format_number(CHHandle h, uint32_t formatId, double value, FormatCall &call) {
    std::vector<QRVWCHAR> output(257, 0xBEEF);
    std::vector<QRVWCHAR> work(264);
    const uint32_t length = FUFormatNumber(h, output.data(), call.outputSize, formatId, value, call.dayBase,
                                           call.dateFlags, call.exponentOptions, &call.textValue60, &call.textValue25,
                                           call.cache, work.data(), 0, call.hOptions);
    EXPECT_LE(length, 255u);
    EXPECT_EQ(output[length], 0) << "the text is not terminated at its length";
    return utf8(output.data(), length);
}

inline std::string format_number(CHHandle h, uint32_t formatId, double value) {
    FormatCall call;
    return format_number(h, formatId, value, call);
}

}  // namespace qrv::test
