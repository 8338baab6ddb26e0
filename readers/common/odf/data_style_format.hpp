// Data styles as number formats (numfmt/format_model.hpp has the table of
// elements and their pieces): a style's elements make the pieces of one
// section, and each of its style:map conditions adds a section that shows
// the values it selects with the pieces of the style it names.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "numfmt/format_model.hpp"
#include "data_style.hpp"

namespace qrv::import::odf {

// The section a style's own elements make; its maps are not looked at.
numfmt::Section section_of(const DataStyle &style);

// The condition of a style:map ("value()>=0", "value() != 5"), or none
// when it cannot be read.
std::optional<numfmt::Condition> condition_of(std::string_view text);

// Finds a data style by name; null when there is none.
using DataStyleLookup = std::function<const DataStyle *(std::string_view name)>;

// The whole format: a section for each map whose condition can be read and
// whose style is known, then the style's own section, which takes the
// values no condition selects.  Values below zero reach a section by a
// "< 0" or "<= 0" condition, or reach the own section of a style whose
// maps send zero and above elsewhere, as absolute values: such sections
// write their own minus sign or parentheses.  A text style's own section
// is for text cells: it gives no section (no sections at all: the general
// format).
numfmt::NumberFormat format_of(const DataStyle &style, const DataStyleLookup &lookup);

}  // namespace qrv::import::odf
