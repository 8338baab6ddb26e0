// Tab stop changes of a paragraph or a style: after the operand's size,
// the stops taken away (their positions; for the style form, each with a
// tolerance as well), then the stops added (their positions, then a byte
// each of alignment and leader).  Taken-away stops become clears over the
// format below; a change cut short keeps the stops read before the cut.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "textdoc/text_formats.hpp"

namespace qrv::import::doc {

enum class TabChange : uint8_t { Paragraph, Style };

// Appends the operand's clears and stops to tabs, in that order; false
// when the operand was cut short.
bool apply_tab_changes(std::span<const uint8_t> operand, TabChange form, std::vector<textdoc::TabStop> &tabs);

// The size of a style's tab change whose size byte is 255 (too many to
// count there), from its counts; 0 when the counts are not all there.
size_t long_tab_change_size(std::span<const uint8_t> operand);

}  // namespace qrv::import::doc
