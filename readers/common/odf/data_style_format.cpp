#include "data_style_format.hpp"

#include <qrvex/numformat.h>

#include <algorithm>

#include "attribute_values.hpp"

namespace qrv::import::odf {
namespace {

using numfmt::Comparison;
using numfmt::Condition;
using numfmt::Section;
using numfmt::ValueShown;

// Digit places beyond these have no meaning in a definition of 256 codes.
constexpr uint32_t kMostDigits = 64;

// Date and time fields: the token of the short and of the long form.
struct FieldRule {
    std::string_view element;
    uint32_t short_token, long_token;
};

constexpr FieldRule kFields[] = {
    {"day", FU_TOKEN_DAY, FU_TOKEN_DAY_2},
    {"month", FU_TOKEN_MONTH, FU_TOKEN_MONTH_2},
    {"year", FU_TOKEN_YEAR_2, FU_TOKEN_YEAR_4},
    {"day-of-week", FU_TOKEN_WEEKDAY_NAME, FU_TOKEN_WEEKDAY_NAME_ALT},
    {"hours", FU_TOKEN_HOUR, FU_TOKEN_HOUR_2},
    {"minutes", FU_TOKEN_MINUTE, FU_TOKEN_MINUTE_2},
    {"seconds", FU_TOKEN_SECOND_2, FU_TOKEN_SECOND_2},  // fractions of a second are left out
    {"am-pm", FU_TOKEN_DESIGNATOR, FU_TOKEN_DESIGNATOR},
};
constexpr FieldRule kMonthName{"month", FU_TOKEN_MONTH_NAME_ALT, FU_TOKEN_MONTH_NAME};

bool is_date_or_time(DataStyleKind kind) { return kind == DataStyleKind::kDate || kind == DataStyleKind::kTime; }

bool has_part(const DataStyle &style, std::string_view element) {
    return std::any_of(style.parts.begin(), style.parts.end(), [&](const DataPart &p) { return p.element == element; });
}

class SectionWriter {
public:
    explicit SectionWriter(const DataStyle &style) : style_(style) {}

    Section run() {
        if (is_date_or_time(style_.kind) && has_part(style_, "hours") && !has_part(style_, "am-pm"))
            section_.add_token(FU_TOKEN_24_HOURS);
        for (const DataPart &part : style_.parts) write(part);
        if (style_.kind == DataStyleKind::kPercentage && !percent_) section_.add_token(FU_TOKEN_PERCENT);
        if (scaled_) section_.pieces.assign(1, numfmt::Piece{numfmt::Piece::Kind::kToken, FU_TOKEN_GENERAL, {}});
        section_.colour = style_.colour;
        return std::move(section_);
    }

private:
    using Write = void (SectionWriter::*)(const DataPart &);
    struct ElementRule {
        std::string_view element;
        Write write;
    };

    void write(const DataPart &part) {
        // quarter, week-of-year, era, fill-character and text-content write
        // nothing.
        static constexpr ElementRule kElements[] = {
            {"number", &SectionWriter::number},
            {"scientific-number", &SectionWriter::scientific},
            {"fraction", &SectionWriter::fraction},
            {"text", &SectionWriter::text},
            {"currency-symbol", &SectionWriter::currency_symbol},
            {"boolean", &SectionWriter::truth},
            {"day", &SectionWriter::field},
            {"month", &SectionWriter::field},
            {"year", &SectionWriter::field},
            {"day-of-week", &SectionWriter::field},
            {"hours", &SectionWriter::field},
            {"minutes", &SectionWriter::field},
            {"seconds", &SectionWriter::field},
            {"am-pm", &SectionWriter::field},
        };
        for (const ElementRule &rule : kElements)
            if (rule.element == part.element) return (this->*rule.write)(part);
    }

    void number(const DataPart &part) {
        // A display factor scales; no token divides, so the value shows
        // unscaled in the general format, as scaling codes do.
        if (part.scaled) scaled_ = true;
        if (!part.decimal_places) {
            section_.add_token(FU_TOKEN_GENERAL);
            return;
        }
        if (part.grouping) section_.add_token(FU_TOKEN_GROUPING);
        integer_digits(part, 1);
        decimal_digits(part);
    }

    void scientific(const DataPart &part) {
        integer_digits(part, std::min(part.exponent_interval, kMostDigits));
        decimal_digits(part);
        section_.add_token(FU_TOKEN_EXPONENT);
        for (uint32_t i = 0; i < std::min(part.min_exponent_digits, kMostDigits); ++i)
            section_.add_token(FU_TOKEN_DIGIT_ZERO);
    }

    // Fractions have no tokens: their place holds the general token, and
    // the importer writes the fraction there.
    void fraction(const DataPart &part) {
        section_.add_token(FU_TOKEN_GENERAL);
        section_.fraction = part.fraction;
    }

    // Integer places from the highest down: zeros for the minimum digits,
    // optional digits above them, and embedded text after the place its
    // position names.  A text's position is the count of digits after it.
    void integer_digits(const DataPart &part, uint32_t least_places) {
        const uint32_t zeros = std::min(part.min_integer_digits, kMostDigits);
        uint32_t places = std::max(zeros, least_places);
        for (const EmbeddedText &e : part.embedded) places = std::max(places, std::min(e.position, kMostDigits) + 1);
        for (uint32_t place = places; place-- > 0;) {
            embedded_at(part, place + 1);
            section_.add_token(place < zeros ? FU_TOKEN_DIGIT_ZERO : FU_TOKEN_DIGIT_OPTIONAL);
        }
        embedded_at(part, 0);
    }

    void embedded_at(const DataPart &part, uint32_t position) {
        for (const EmbeddedText &e : part.embedded)
            if (e.position == position) section_.add_text(e.text);
    }

    void decimal_digits(const DataPart &part) {
        const uint32_t places = std::min(part.decimal_places.value_or(0), kMostDigits);
        if (places == 0) return;
        const uint32_t zeros = std::min(part.min_decimal_places.value_or(places), places);
        section_.add_token(FU_TOKEN_POINT);
        for (uint32_t i = 0; i < places; ++i)
            section_.add_token(i < zeros ? FU_TOKEN_DIGIT_ZERO : FU_TOKEN_DIGIT_OPTIONAL);
    }

    // "%" in a percentage style is the percent token (the value shows a
    // hundred times); "/" and ":" alone between date and time fields are
    // the export's separators.
    void text(const DataPart &part) {
        if (style_.kind == DataStyleKind::kPercentage) return percent_text(part.text);
        if (is_date_or_time(style_.kind) && part.text == "/") return section_.add_token(FU_TOKEN_DATE_SEPARATOR);
        if (is_date_or_time(style_.kind) && part.text == ":") return section_.add_token(FU_TOKEN_TIME_SEPARATOR);
        section_.add_text(part.text);
    }

    void percent_text(std::string_view text) {
        for (size_t at = text.find('%'); at != std::string_view::npos; at = text.find('%')) {
            section_.add_text(text.substr(0, at));
            section_.add_token(FU_TOKEN_PERCENT);
            percent_ = true;
            text.remove_prefix(at + 1);
        }
        section_.add_text(text);
    }

    void currency_symbol(const DataPart &part) {
        if (part.text.empty())
            section_.add_token(FU_TOKEN_CURRENCY);
        else
            section_.add_text(part.text);
    }

    void truth(const DataPart &) { section_.add_token(FU_TOKEN_TRUTH); }

    void field(const DataPart &part) {
        const FieldRule *rule = part.element == "month" && part.textual ? &kMonthName : nullptr;
        for (const FieldRule &f : kFields)
            if (!rule && f.element == part.element) rule = &f;
        if (rule) section_.add_token(part.long_form ? rule->long_token : rule->short_token);
    }

    const DataStyle &style_;
    Section section_;
    bool percent_ = false;
    bool scaled_ = false;
};

struct Operator {
    std::string_view text;
    Comparison test;
};

// Two-character operators first, so that "<=" is not read as "<".
constexpr Operator kOperators[] = {
    {"<=", Comparison::kLessOrEqual}, {">=", Comparison::kGreaterOrEqual}, {"!=", Comparison::kNotEqual},
    {"<>", Comparison::kNotEqual},    {"==", Comparison::kEqual},          {"<", Comparison::kLess},
    {">", Comparison::kGreater},      {"=", Comparison::kEqual},
};

bool only_below_zero(const Condition &c) {
    return (c.test == Comparison::kLess || c.test == Comparison::kLessOrEqual) && c.comparand == 0;
}

bool above_zero(const Condition &c) {
    return (c.test == Comparison::kGreater || c.test == Comparison::kGreaterOrEqual) && c.comparand == 0;
}

}  // namespace

Section section_of(const DataStyle &style) { return SectionWriter(style).run(); }

std::optional<Condition> condition_of(std::string_view text) {
    std::string compact;
    for (char c : text)
        if (c != ' ') compact += c;
    std::string_view rest = compact;
    if (!rest.starts_with("value()")) return std::nullopt;
    rest.remove_prefix(7);
    for (const Operator &op : kOperators) {
        if (!rest.starts_with(op.text)) continue;
        const auto comparand = number_of(rest.substr(op.text.size()));
        if (!comparand) return std::nullopt;
        return Condition{op.test, *comparand};
    }
    return std::nullopt;
}

numfmt::NumberFormat format_of(const DataStyle &style, const DataStyleLookup &lookup) {
    numfmt::NumberFormat format;
    bool others_elsewhere = false;  // the maps take the values above zero
    for (const StyleMap &map : style.maps) {
        const auto condition = condition_of(map.condition);
        const DataStyle *target = lookup(map.target);
        if (!condition || !target) continue;
        Section section = section_of(*target);
        section.condition = condition;
        if (only_below_zero(*condition)) section.value = ValueShown::kAbsolute;
        others_elsewhere = others_elsewhere || above_zero(*condition);
        format.sections.push_back(std::move(section));
    }
    if (style.kind == DataStyleKind::kText) return format;
    Section own = section_of(style);
    if (others_elsewhere) own.value = ValueShown::kAbsolute;
    format.sections.push_back(std::move(own));
    return format;
}

}  // namespace qrv::import::odf
