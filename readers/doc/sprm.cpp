#include "sprm.hpp"

#include <cstdlib>

#include "cfb/little_endian.hpp"
#include "table_rows.hpp"
#include "tabs.hpp"

namespace qrv::import::doc {
namespace {

using textdoc::Align;
using textdoc::Underline;
using textdoc::VerticalAlign;

// Changes whose size is in a 16-bit word before the operand.
constexpr uint16_t kTableDefinition = 0xD608, kTabChanges = 0xC615;
constexpr uint16_t kVerticalMerge = 0xD62B;

size_t operand_size(uint16_t code, std::span<const uint8_t> rest) {
    switch (code >> 13) {
    case 0:
    case 1: return 1;
    case 2:
    case 4:
    case 5: return 2;
    case 3: return 4;
    case 7: return 3;
    default:
        if (rest.empty()) return rest.size() + 1;
        if (code == kTableDefinition && rest.size() >= 2) return 1 + size_t{le16(rest.data())};
        if (code == kTabChanges && rest[0] == 0xFF) {
            const size_t size = long_tab_change_size(rest);
            return size ? size : rest.size() + 1;
        }
        return 1 + size_t{rest[0]};
    }
}

uint32_t value_of(std::span<const uint8_t> operand) {
    switch (operand.size()) {
    case 0: return 0;
    case 1: return operand[0];
    case 2:
    case 3: return le16(operand.data());
    default: return le32(operand.data());
    }
}

int32_t signed16(std::span<const uint8_t> operand) {
    return operand.size() >= 2 ? static_cast<int16_t>(le16(operand.data())) : 0;
}

// A switch of a run: off, on, or (0x80, 0x81) the style's value or its
// opposite, which is taken as on since styles rarely set these.
std::optional<bool> toggle(uint32_t value) {
    if (value == 0) return false;
    if (value == 1 || value == 0x81) return true;
    return std::nullopt;
}

void set_toggle(std::optional<bool> &field, uint32_t value) {
    if (auto on = toggle(value)) field = on;
}

std::optional<Align> align_of(uint32_t value) {
    switch (value) {
    case 0: return Align::Left;
    case 1: return Align::Centre;
    case 2: return Align::Right;
    case 3:
    case 4:
    case 5: return Align::Justify;
    default: return std::nullopt;
    }
}

Underline underline_of(uint32_t value) {
    switch (value) {
    case 0: return Underline::None;
    case 2: return Underline::Words;
    case 3: return Underline::Double;
    case 4:
    case 20: return Underline::Dotted;
    case 6: return Underline::Thick;
    case 7:
    case 22:
    case 39: return Underline::Dashed;
    case 9:
    case 10: return Underline::DotDash;
    case 11:
    case 43:
    case 55: return Underline::Wave;
    default: return Underline::Single;
    }
}

rtf::RowDefinition &row_of(ParaProps &p) {
    if (!p.row) p.row.emplace();
    return *p.row;
}

// Changes of the row a mark ends.
void row_change(uint16_t code, std::span<const uint8_t> operand, ParaProps &p) {
    switch (code) {
    case kTableDefinition: p.cut |= !apply_table_definition(operand, row_of(p)); break;
    case 0x3404: row_of(p).header = value_of(operand) != 0; break;
    case 0x9407: row_of(p).height = std::abs(signed16(operand)); break;
    default: break;
    }
}

void paragraph_change(uint16_t code, std::span<const uint8_t> operand, ParaProps &p) {
    const uint32_t v = value_of(operand);
    auto &f = p.format;
    switch (code) {
    case 0x4600: p.style = static_cast<uint16_t>(v); break;
    case 0x2403:
    case 0x2461: f.align = align_of(v); break;
    case 0x2405: f.keep_lines = v != 0; break;
    case 0x2406: f.keep_next = v != 0; break;
    case 0x2407: f.page_break_before = v != 0; break;
    case 0x260A: p.level = static_cast<uint8_t>(v); break;
    case 0x460B: p.list = static_cast<uint16_t>(v); break;
    case 0x2416: p.in_table = v != 0; break;
    case 0x2417: p.row_end = v != 0; break;
    case 0x244B: p.inner_cell = v != 0; break;
    case 0x244C: p.inner_row_end = v != 0; break;
    case 0x6649: p.depth = v; break;
    case 0x442C: p.drop_cap = (v & 0x07) != 0; break;
    case 0x2640: f.outline_level = v < 9 ? v : textdoc::ParaFormat::kBodyLevel; break;
    case 0x840F:
    case 0x845E: f.left = signed16(operand); break;
    case 0x840E:
    case 0x845D: f.right = signed16(operand); break;
    case 0x8411:
    case 0x8460: f.first_line = signed16(operand); break;
    case 0xA413: f.space_before = static_cast<int32_t>(v); break;
    case 0xA414: f.space_after = static_cast<int32_t>(v); break;
    case 0xC60D: p.cut |= !apply_tab_changes(operand, TabChange::Paragraph, f.tabs); break;
    case kTabChanges: p.cut |= !apply_tab_changes(operand, TabChange::Style, f.tabs); break;
    default: row_change(code, operand, p); break;
    }
}

void character_change(uint16_t code, std::span<const uint8_t> operand, CharProps &c) {
    const uint32_t v = value_of(operand);
    auto &f = c.format;
    switch (code) {
    case 0x0835: set_toggle(f.bold, v); break;
    case 0x0836: set_toggle(f.italic, v); break;
    case 0x0837: set_toggle(f.strike, v); break;
    case 0x083A: set_toggle(f.small_caps, v); break;
    case 0x083B: set_toggle(f.caps, v); break;
    case 0x083C: set_toggle(f.hidden, v); break;
    case 0x2A53: set_toggle(f.double_strike, v); break;
    case 0x2A3E: f.underline = underline_of(v); break;
    case 0x2A48:
        f.vertical = v == 1 ? VerticalAlign::Superscript : v == 2 ? VerticalAlign::Subscript : VerticalAlign::Baseline;
        break;
    case 0x4A43: f.size = v; break;
    case 0x2A42: f.colour = colour_of_index(v).value_or(textdoc::CharFormat::kAutoColour); break;
    case 0x6870:
        f.colour = operand.size() >= 4 && operand[3] == 0xFF ? textdoc::CharFormat::kAutoColour
                                                             : (v & 0xFF) << 16 | (v & 0xFF00) | (v >> 16 & 0xFF);
        break;
    case 0x2A0C: f.highlight = colour_of_index(v).value_or(textdoc::CharFormat::kNoHighlight); break;
    case 0x4A30: c.style = static_cast<uint16_t>(v); break;
    case 0x4A4F: c.latin_font = static_cast<uint16_t>(v); break;
    case 0x4A51: c.other_font = static_cast<uint16_t>(v); break;
    case 0x0855: c.special = v != 0; break;
    case 0x0802: c.field_hidden = v != 0; break;
    case 0x0800: c.deleted = v != 0; break;
    case 0x6A09:
        if (operand.size() >= 4) c.symbol = static_cast<char16_t>(le16(operand.data() + 2));
        break;
    case 0x6A03: c.picture = v; break;
    default: break;
    }
}

}  // namespace

void for_each_change(std::span<const uint8_t> changes,
                     const std::function<void(uint16_t, std::span<const uint8_t>)> &visit) {
    size_t at = 0;
    while (at + 2 <= changes.size()) {
        const uint16_t code = le16(changes.data() + at);
        at += 2;
        const size_t size = operand_size(code, changes.subspan(at));
        if (size > changes.size() - at) return;
        visit(code, changes.subspan(at, size));
        at += size;
    }
}

// Vertical merges name cells of the row's layout, wherever it stands in
// the list, so they are laid over it after the rest.
void apply_paragraph_changes(std::span<const uint8_t> changes, ParaProps &props) {
    for_each_change(changes,
                    [&](uint16_t code, std::span<const uint8_t> operand) { paragraph_change(code, operand, props); });
    if (!props.row) return;
    for_each_change(changes, [&](uint16_t code, std::span<const uint8_t> operand) {
        if (code == kVerticalMerge) apply_vertical_merge(operand, *props.row);
    });
}

void apply_character_changes(std::span<const uint8_t> changes, CharProps &props) {
    for_each_change(changes,
                    [&](uint16_t code, std::span<const uint8_t> operand) { character_change(code, operand, props); });
}

std::optional<textdoc::Rgb> colour_of_index(uint32_t index) {
    static constexpr textdoc::Rgb kColours[17] = {0,        0x000000, 0x0000FF, 0x00FFFF, 0x00FF00, 0xFF00FF,
                                                  0xFF0000, 0xFFFF00, 0xFFFFFF, 0x000080, 0x008080, 0x008000,
                                                  0x800080, 0x800000, 0x808000, 0x808080, 0xC0C0C0};
    if (index == 0 || index >= 17) return std::nullopt;
    return kColours[index];
}

}  // namespace qrv::import::doc
