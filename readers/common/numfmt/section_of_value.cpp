#include "section_of_value.hpp"

#include <cmath>

namespace qrv::import::numfmt {
namespace {

bool holds(const Condition &c, double v) {
    switch (c.test) {
    case Comparison::kLess: return v < c.comparand;
    case Comparison::kGreater: return v > c.comparand;
    case Comparison::kEqual: return v == c.comparand;
    case Comparison::kLessOrEqual: return v <= c.comparand;
    case Comparison::kGreaterOrEqual: return v >= c.comparand;
    case Comparison::kNotEqual: return v != c.comparand;
    }
    return false;
}

}  // namespace

const Section *section_for(const NumberFormat &format, double value) {
    for (const Section &s : format.sections)
        if (s.condition && holds(*s.condition, value)) return &s;
    for (const Section &s : format.sections)
        if (!s.condition) return &s;
    return nullptr;
}

double value_shown(const Section &section, double value) {
    return section.value == ValueShown::kAbsolute ? std::fabs(value) : value;
}

}  // namespace qrv::import::numfmt
