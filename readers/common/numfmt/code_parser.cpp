#include "code_parser.hpp"

#include "brackets.hpp"
#include "section_choice.hpp"
#include "section_parser.hpp"

namespace qrv::import::numfmt {
namespace {

constexpr size_t kMaxSections = 4;
constexpr size_t kZeroSection = 2;
constexpr size_t kTextSection = 3;

bool lexed_has_condition(const LexedSection &lexemes) {
    for (const Lexeme &lexeme : lexemes)
        if (lexeme.kind == LexemeKind::kBracket && read_bracket(lexeme.text).kind == Bracket::Kind::kCondition)
            return true;
    return false;
}

// The third section shows zero where the first two keep their usual roles
// (positive, negative), not where conditions choose them.
bool is_zero_section(const LexedCode &lexed, size_t i) {
    return i == kZeroSection && !lexed_has_condition(lexed.sections[0]) && !lexed_has_condition(lexed.sections[1]);
}

}  // namespace

NumberFormat parse_code(std::string_view code, CodeReport &report) {
    if (code.size() > kMaxCodeBytes) {
        report.not_understood(kTooLong);
        return {};
    }
    LexedCode lexed = lex_code(code);
    if (!lexed.fault.empty()) {
        report.not_understood(lexed.fault);
        return {};
    }
    if (lexed.sections.size() > kMaxSections) {
        report.approximate("sections after the fourth are ignored");
        lexed.sections.resize(kMaxSections);
    }
    std::vector<ParsedSection> number_sections;
    for (size_t i = 0; i < lexed.sections.size(); ++i) {
        ParsedSection parsed = parse_section(lexed.sections[i], report, is_zero_section(lexed, i));
        if (i != kTextSection && !parsed.is_text) number_sections.push_back(std::move(parsed));
    }
    if (report.fidelity == CodeReport::Fidelity::kNotUnderstood) return {};
    return choose_sections(std::move(number_sections));
}

}  // namespace qrv::import::numfmt
