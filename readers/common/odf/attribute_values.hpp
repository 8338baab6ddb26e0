// The value syntaxes of OpenDocument attributes that the readers take:
// lengths ("2.5cm", "0.8917in"), durations ("PT10H10M10.5S"), colours
// ("#ff0000"), numbers and counts.  Each gives nothing for text that is
// not one, and the caller decides what that means.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace qrv::import::odf {

// A length in twips (1/1440 inch); in, cm, mm, pt, pc and px are known.
std::optional<uint32_t> twips_of_length(std::string_view text);

// A duration as a count of days ("PT12H" is 0.5; "-PT6H" is -0.25).
// Years and months have no fixed length and are not taken.
std::optional<double> days_of_duration(std::string_view text);

// "#RRGGBB" as 0x00RRGGBB.
std::optional<uint32_t> colour_of(std::string_view text);

// A decimal number ("1.5", "-2E3"), finite.
std::optional<double> number_of(std::string_view text);

// A font weight that is bold: "bold", or 600 and heavier.
bool is_bold_weight(std::string_view weight);

// style:text-position: 1 for raised text (superscript), -1 for lowered
// (subscript), 0 for neither; "super", "sub", or a shift in percent of the
// font's height ("33% 58%", "-33%").
int8_t text_position_of(std::string_view position);

// Half-points of a font size in a unit ("12pt"); nothing for a size in
// percent (of the parent's) or beyond 4096 points.
std::optional<uint32_t> half_points_of(std::string_view size);

// A count (number-columns-repeated, decimal-places); fallback when the
// attribute is missing or malformed, UINT32_MAX when it is larger.
uint32_t count_of(std::string_view text, uint32_t fallback);

// The most spaces one <text:s> stands for.
inline constexpr uint32_t kMostSpaces = 1024;

}  // namespace qrv::import::odf
