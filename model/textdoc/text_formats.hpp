// Character and paragraph formatting of a word-processing document, as the
// source states it: every field is optional, so that a style, a list level
// or a paragraph sets only what it says and the rest comes from below.
// overlay() lays one format over another; the text document's style sheet
// resolves a chain of them (document defaults, styles, direct formatting).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qrv::import::textdoc {

enum class Underline : uint8_t { None, Single, Words, Double, Thick, Dotted, Dashed, DotDash, Wave };
enum class VerticalAlign : uint8_t { Baseline, Superscript, Subscript };
enum class Align : uint8_t { Left, Centre, Right, Justify };
enum class LineRule : uint8_t { Auto, AtLeast, Exact };
enum class TabKind : uint8_t { Left, Centre, Right, Decimal, Bar, Clear };
enum class TabLeader : uint8_t { None, Dot, Hyphen, Underscore, MiddleDot };

// A colour as 0x00RRGGBB.
using Rgb = uint32_t;

struct CharFormat {
    std::optional<bool> bold, italic, strike, double_strike, caps, small_caps, hidden;
    std::optional<Underline> underline;
    std::optional<VerticalAlign> vertical;
    std::optional<std::string> font;       // UTF-8 font name
    std::optional<uint32_t> size;          // half-points
    std::optional<uint32_t> size_percent;  // of the size below, where no size is given
    std::optional<Rgb> colour;             // nullopt inside a format, kAutoColour for "automatic"
    std::optional<Rgb> highlight;          // kNoHighlight for none

    static constexpr Rgb kAutoColour = 0xFF000000u;
    static constexpr Rgb kNoHighlight = 0xFF000000u;

    bool operator==(const CharFormat &) const = default;
};

struct TabStop {
    TabKind kind = TabKind::Left;
    TabLeader leader = TabLeader::None;
    int32_t position = 0;  // twips from the paragraph's start margin

    bool operator==(const TabStop &) const = default;
};

// Indents are in twips; first_line is the first line's indent from the left
// indent (negative for a hanging indent).
struct ParaFormat {
    std::optional<Align> align;
    std::optional<int32_t> left, right, first_line;
    std::optional<int32_t> space_before, space_after;  // twips
    std::optional<LineRule> line_rule;
    std::optional<int32_t> line;  // 240ths of a line (auto) or twips
    std::optional<bool> keep_next, keep_lines, page_break_before;
    std::optional<unsigned> outline_level;  // 0-based; kBodyLevel for body text
    // Tab stops as the source states them: stops to set, and stops of a
    // format below to clear (TabKind::Clear at their position).
    std::vector<TabStop> tabs;

    static constexpr unsigned kBodyLevel = 9;

    bool operator==(const ParaFormat &) const = default;
};

// Lays top over base: every field top sets replaces base's.  Tab stops
// merge by position; a Clear in top removes base's stop there.  A size in
// percent scales base's size, or stays a percent (of whatever base is laid
// over next) while base has none.
void overlay(CharFormat &base, const CharFormat &top);
void overlay(ParaFormat &base, const ParaFormat &top);

// The tab stops in force after laying top's over base's, ordered by
// position, without clears.
std::vector<TabStop> merged_tabs(const std::vector<TabStop> &base, const std::vector<TabStop> &top);

}  // namespace qrv::import::textdoc
