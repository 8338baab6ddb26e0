#include "brackets.hpp"

#include <charconv>

#include "colours.hpp"
#include "letters.hpp"

namespace qrv::import::numfmt {
namespace {

struct Operator {
    std::string_view text;
    Comparison test;
};

// Two-character operators before their one-character prefixes.
constexpr Operator kOperators[] = {
    {"<=", Comparison::kLessOrEqual}, {">=", Comparison::kGreaterOrEqual}, {"<>", Comparison::kNotEqual},
    {"<", Comparison::kLess},         {">", Comparison::kGreater},         {"=", Comparison::kEqual},
};

constexpr std::string_view kElapsedLetters = "hms";

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

bool read_comparand(std::string_view text, double &comparand) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), comparand);
    return !text.empty() && error == std::errc{} && end == text.data() + text.size();
}

Bracket condition_bracket(std::string_view content) {
    Bracket bracket;
    for (const Operator &op : kOperators) {
        if (content.substr(0, op.text.size()) != op.text) continue;
        bracket.condition.test = op.test;
        const bool read = read_comparand(content.substr(op.text.size()), bracket.condition.comparand);
        bracket.kind = read ? Bracket::Kind::kCondition : Bracket::Kind::kMalformed;
        return bracket;
    }
    bracket.kind = Bracket::Kind::kMalformed;
    return bracket;
}

// [$symbol-locale]: the symbol is shown; a locale alone changes nothing.
Bracket currency_bracket(std::string_view content) {
    Bracket bracket;
    const size_t dash = content.find('-');
    const std::string_view symbol = content.substr(1, dash == std::string_view::npos ? dash : dash - 1);
    bracket.kind = symbol.empty() ? Bracket::Kind::kLocale : Bracket::Kind::kCurrency;
    bracket.symbol = symbol;
    return bracket;
}

bool is_elapsed(std::string_view content) {
    if (content.empty()) return false;
    const char letter = lower_letter(content[0]);
    if (kElapsedLetters.find(letter) == std::string_view::npos) return false;
    for (char c : content)
        if (lower_letter(c) != letter) return false;
    return true;
}

Bracket elapsed_bracket(std::string_view content) {
    Bracket bracket;
    bracket.kind = Bracket::Kind::kElapsed;
    bracket.letter = lower_letter(content[0]);
    bracket.count = static_cast<uint32_t>(content.size());
    return bracket;
}

}  // namespace

Bracket read_bracket(std::string_view content) {
    if (!content.empty() && (content[0] == '<' || content[0] == '>' || content[0] == '='))
        return condition_bracket(content);
    if (!content.empty() && content[0] == '$') return currency_bracket(content);
    if (is_elapsed(content)) return elapsed_bracket(content);
    Bracket bracket;
    if (const auto colour = colour_of(content)) {
        bracket.kind = Bracket::Kind::kColour;
        bracket.colour = *colour;
    }
    return bracket;
}

}  // namespace qrv::import::numfmt
