#include "data_style_reader.hpp"

#include <algorithm>

#include "attribute_values.hpp"
#include "core/named_values.hpp"

namespace qrv::import::odf {
namespace {

// A definition holds 256 codes at most, and a style of more parts or
// maps than these is no real one.
constexpr size_t kLongestText = 256;
constexpr size_t kMostParts = 256;
constexpr size_t kMostMaps = 16;

constexpr Named<DataStyleKind> kKinds[] = {
    {"number-style", DataStyleKind::kNumber},     {"percentage-style", DataStyleKind::kPercentage},
    {"currency-style", DataStyleKind::kCurrency}, {"date-style", DataStyleKind::kDate},
    {"time-style", DataStyleKind::kTime},         {"boolean-style", DataStyleKind::kBoolean},
    {"text-style", DataStyleKind::kText},
};

// Elements whose characters are shown as they stand.
bool holds_text(std::string_view local) { return local == "text" || local == "currency-symbol"; }

// number:min-decimal-places came late to the format; LibreOffice wrote it
// in its own namespace first.
std::optional<uint32_t> min_decimal_places(const XmlAttributes &a) {
    const std::string_view *found = a.find(Ns::Number, "min-decimal-places");
    if (!found) found = a.find(Ns::LibreOfficeExt, "min-decimal-places");
    if (!found) return std::nullopt;
    return count_of(*found, 0);
}

// A number:fraction: an integer part where min-integer-digits is given,
// and a fixed denominator or the denominator's digits.
numfmt::Fraction fraction_of(const XmlAttributes &a) {
    numfmt::Fraction f;
    f.whole = a.has(Ns::Number, "min-integer-digits");
    f.fixed_denominator = std::min(count_of(a.get(Ns::Number, "denominator-value"), 0), numfmt::kMaxFixedDenominator);
    const uint32_t places = count_of(a.get(Ns::Number, "min-denominator-digits"), 1);
    f.denominator_places = static_cast<uint8_t>(std::clamp<uint32_t>(places, 1, numfmt::kMaxDenominatorPlaces));
    return f;
}

DataPart part_of(const XmlName &name, const XmlAttributes &a) {
    DataPart part;
    part.element = name.local;
    part.long_form = a.get(Ns::Number, "style") == "long";
    part.textual = a.get(Ns::Number, "textual") == "true";
    if (a.has(Ns::Number, "decimal-places")) part.decimal_places = count_of(a.get(Ns::Number, "decimal-places"), 0);
    part.min_decimal_places = min_decimal_places(a);
    part.min_integer_digits = count_of(a.get(Ns::Number, "min-integer-digits"), 0);
    part.min_exponent_digits = count_of(a.get(Ns::Number, "min-exponent-digits"), 0);
    std::string_view interval = a.get(Ns::Number, "exponent-interval");
    if (interval.empty()) interval = a.get(Ns::LibreOfficeExt, "exponent-interval");
    part.exponent_interval = count_of(interval, 0);
    part.grouping = a.get(Ns::Number, "grouping") == "true";
    const auto factor = number_of(a.get(Ns::Number, "display-factor", "1"));
    part.scaled = factor && *factor != 1;
    if (part.element == "fraction") part.fraction = fraction_of(a);
    return part;
}

}  // namespace

std::optional<DataStyleKind> data_style_kind(const XmlName &name) {
    if (name.ns != Ns::Number) return std::nullopt;
    return value_named(kKinds, name.local);
}

void DataStyleReader::start(const XmlName &name, const XmlAttributes &a) {
    text_ = nullptr;
    if (name.is(Ns::Style, "map")) {
        if (style_.maps.size() >= kMostMaps) return;
        style_.maps.push_back(
            {std::string(a.get(Ns::Style, "condition")), std::string(a.get(Ns::Style, "apply-style-name"))});
    } else if (name.is(Ns::Style, "text-properties")) {
        if (auto colour = colour_of(a.get(Ns::Fo, "color"))) style_.colour = colour;
    } else if (name.is(Ns::Number, "embedded-text")) {
        if (style_.parts.empty()) return;
        auto &embedded = style_.parts.back().embedded;
        embedded.push_back({count_of(a.get(Ns::Number, "position"), 0), {}});
        text_ = &embedded.back().text;
    } else if (name.ns == Ns::Number && style_.parts.size() < kMostParts) {
        style_.parts.push_back(part_of(name, a));
        if (holds_text(name.local)) text_ = &style_.parts.back().text;
    }
}

void DataStyleReader::end(const XmlName &) { text_ = nullptr; }

void DataStyleReader::text(std::string_view chars) {
    if (text_ && text_->size() < kLongestText) *text_ += chars;
}

}  // namespace qrv::import::odf
