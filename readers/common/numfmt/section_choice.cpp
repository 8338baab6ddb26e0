#include "section_choice.hpp"

#include <algorithm>

namespace qrv::import::numfmt {
namespace {

// The conditions that places give: negative values, then zero.
constexpr Condition kNegative{Comparison::kLess, 0};
constexpr Condition kZero{Comparison::kEqual, 0};

bool parsed_has_condition(const ParsedSection &parsed) { return parsed.section.condition.has_value(); }

void give_places_conditions(std::vector<ParsedSection> &sections) {
    if (sections.size() >= 2) {
        sections[1].section.condition = kNegative;
        sections[1].section.value = ValueShown::kAbsolute;
    }
    if (sections.size() >= 3) sections[2].section.condition = kZero;
}

bool only_below_zero(const Condition &condition) {
    const bool below = condition.test == Comparison::kLess || condition.test == Comparison::kLessOrEqual;
    return below && condition.comparand == 0;
}

void show_absolute_below_zero(std::vector<ParsedSection> &sections) {
    for (ParsedSection &parsed : sections) {
        const auto &condition = parsed.section.condition;
        if (condition && only_below_zero(*condition)) parsed.section.value = ValueShown::kAbsolute;
    }
}

}  // namespace

NumberFormat choose_sections(std::vector<ParsedSection> sections) {
    if (std::any_of(sections.begin(), sections.end(), parsed_has_condition)) {
        show_absolute_below_zero(sections);
    } else {
        give_places_conditions(sections);
    }
    NumberFormat format;
    for (ParsedSection &parsed : sections) {
        if (parsed.scaled) parsed.section.value = ValueShown::kSigned;
        format.sections.push_back(std::move(parsed.section));
    }
    return format;
}

}  // namespace qrv::import::numfmt
