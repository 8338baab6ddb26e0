// A data style (<number:number-style>, <number:date-style>, ...) as it is
// read: its elements in order with the attributes that matter, its
// colour and its style:map conditions.  data_style_format.hpp turns it
// into a number format.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "numfmt/format_model.hpp"

namespace qrv::import::odf {

enum class DataStyleKind : uint8_t { kNumber, kPercentage, kCurrency, kDate, kTime, kBoolean, kText };

// Text inside a number at a place counted in integer digits from the
// decimal point (number:embedded-text number:position).
struct EmbeddedText {
    uint32_t position = 0;
    std::string text;
};

// One element of a data style: number:number, number:text, number:day ...
struct DataPart {
    std::string element;                     // the local name
    bool long_form = false;                  // number:style="long"
    bool textual = false;                    // number:textual="true"
    std::optional<uint32_t> decimal_places;  // none: the general format's
    std::optional<uint32_t> min_decimal_places;
    uint32_t min_integer_digits = 0;
    uint32_t min_exponent_digits = 0;
    uint32_t exponent_interval = 0;
    bool grouping = false;
    bool scaled = false;  // a display factor other than 1
    std::string text;     // number:text, number:currency-symbol
    std::vector<EmbeddedText> embedded;
    numfmt::Fraction fraction;  // number:fraction
};

struct StyleMap {
    std::string condition;  // "value()>=0"
    std::string target;     // the data style that shows such values
};

struct DataStyle {
    DataStyleKind kind = DataStyleKind::kNumber;
    std::vector<DataPart> parts;
    std::vector<StyleMap> maps;
    std::optional<uint32_t> colour;
};

}  // namespace qrv::import::odf
