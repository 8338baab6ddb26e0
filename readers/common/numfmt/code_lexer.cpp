#include "code_lexer.hpp"

#include <algorithm>

#include "letters.hpp"

namespace qrv::import::numfmt {
namespace {

struct SingleChar {
    char c;
    LexemeKind kind;
};

constexpr SingleChar kSingleChars[] = {
    {'0', LexemeKind::kDigit}, {'#', LexemeKind::kDigit}, {'?', LexemeKind::kDigit},
    {'.', LexemeKind::kPoint}, {',', LexemeKind::kComma}, {'%', LexemeKind::kPercent},
    {'/', LexemeKind::kSlash}, {':', LexemeKind::kColon}, {'@', LexemeKind::kTextPlaceholder},
};

// Words, matched in any case before single letters.
struct Word {
    std::string_view text;
    LexemeKind kind;
};

constexpr Word kWords[] = {
    {"general", LexemeKind::kGeneral}, {"am/pm", LexemeKind::kDesignator}, {"a/p", LexemeKind::kDesignator},
    {"e+", LexemeKind::kExponent},     {"e-", LexemeKind::kExponent},
};

constexpr std::string_view kDateLetters = "dmyhseg";

bool starts_with_word(std::string_view rest, std::string_view word) {
    return same_letters(rest.substr(0, word.size()), word);
}

// Bytes of the UTF-8 character that starts with lead (1 for a stray byte).
size_t char_length(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

class Lexer {
public:
    explicit Lexer(std::string_view code) : code_(code) { result_.sections.emplace_back(); }

    LexedCode run() {
        while (pos_ < code_.size() && result_.fault.empty()) step();
        return std::move(result_);
    }

private:
    void step() {
        const char c = code_[pos_];
        switch (c) {
        case ';':
            result_.sections.emplace_back();
            ++pos_;
            return;
        case '"': enclosed('"', LexemeKind::kLiteral, "an unclosed quote"); return;
        case '[': enclosed(']', LexemeKind::kBracket, "an unclosed bracket"); return;
        case '\\':
        case '!': with_next_char(LexemeKind::kLiteral); return;
        case '_': with_next_char(LexemeKind::kBlank); return;
        case '*': with_next_char(LexemeKind::kFill); return;
        default: break;
        }
        if (word()) return;
        if (single_char(c)) return;
        if (kDateLetters.find(lower_letter(c)) != std::string_view::npos) {
            date_code(lower_letter(c));
            return;
        }
        const size_t length = std::min(char_length(static_cast<unsigned char>(c)), code_.size() - pos_);
        add(LexemeKind::kLiteral, code_.substr(pos_, length));
        pos_ += length;
    }

    void add(LexemeKind kind, std::string_view text, char letter = 0, uint32_t count = 0) {
        result_.sections.back().push_back(Lexeme{kind, std::string(text), letter, count});
    }

    // "..." and [...]: the content up to the closing character.
    void enclosed(char close, LexemeKind kind, const char *fault) {
        const size_t end = code_.find(close, pos_ + 1);
        if (end == std::string_view::npos) {
            result_.fault = fault;
            return;
        }
        add(kind, code_.substr(pos_ + 1, end - pos_ - 1));
        pos_ = end + 1;
    }

    // \x !x _x *x: the character after the introducer.
    void with_next_char(LexemeKind kind) {
        ++pos_;
        if (pos_ >= code_.size()) {
            result_.fault = "nothing after the last character";
            return;
        }
        const size_t length = std::min(char_length(static_cast<unsigned char>(code_[pos_])), code_.size() - pos_);
        add(kind, code_.substr(pos_, length));
        pos_ += length;
    }

    bool word() {
        const std::string_view rest = code_.substr(pos_);
        for (const Word &w : kWords) {
            if (!starts_with_word(rest, w.text)) continue;
            add(w.kind, rest.substr(0, w.text.size()));
            pos_ += w.text.size();
            return true;
        }
        return false;
    }

    bool single_char(char c) {
        for (const SingleChar &s : kSingleChars) {
            if (s.c != c) continue;
            add(s.kind, code_.substr(pos_, 1), c);
            ++pos_;
            return true;
        }
        return false;
    }

    void date_code(char letter) {
        size_t end = pos_;
        while (end < code_.size() && lower_letter(code_[end]) == letter) ++end;
        add(LexemeKind::kDateCode, code_.substr(pos_, end - pos_), letter, static_cast<uint32_t>(end - pos_));
        pos_ = end;
    }

    std::string_view code_;
    size_t pos_ = 0;
    LexedCode result_;
};

}  // namespace

LexedCode lex_code(std::string_view code) { return Lexer(code).run(); }

}  // namespace qrv::import::numfmt
