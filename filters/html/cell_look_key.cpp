#include "cell_look_key.hpp"

#include <functional>

namespace qrv::filters::html {

bool spans_whole_text(const SheetCell &cell) {
    if (cell.spans.size() != 1) return false;
    const SheetSpan &span = cell.spans[0];
    const TextFormat &f = span.format;
    return span.begin == 0 && span.end == cell.text.size() && !f.hidden && !f.superscript && !f.subscript;
}

CellLookKey CellLookKey::of(const SheetCell &cell) {
    CellLookKey key;
    key.frame = cell.frame;
    key.aligned = cell.aligned;
    if (cell.aligned) key.align = cell.align;
    key.colour = cell.colour;
    key.whole_span = spans_whole_text(cell);
    if (key.whole_span) {
        key.format = cell.spans[0].format;
        key.span_colour = cell.spans[0].colour;
    }
    return key;
}

size_t CellLookHash::operator()(const CellLookKey &key) const {
    const TextFormat &f = key.format;
    const uint64_t switches = uint64_t{f.bold} | uint64_t{f.italic} << 1 | uint64_t{f.underline} << 2 |
                              uint64_t{f.strike} << 3 | uint64_t{f.superscript} << 4 | uint64_t{f.subscript} << 5 |
                              uint64_t{f.small_caps} << 6 | uint64_t{f.hidden} << 7 | uint64_t{f.double_strike} << 8 |
                              uint64_t{f.capitals} << 9 | uint64_t{key.aligned} << 10 | uint64_t{key.whole_span} << 11 |
                              uint64_t(key.align) << 12 | uint64_t{f.underline_kind} << 16 |
                              uint64_t{f.size_half_points} << 24;
    size_t h = std::hash<const void *>()(key.frame);
    for (const uint64_t word : {switches, uint64_t{key.colour} << 32 | key.span_colour,
                                uint64_t{f.colour} << 32 | f.highlight})
        h = (h ^ std::hash<uint64_t>()(word)) * 0x100000001b3ull;
    if (!f.font.empty()) h ^= std::hash<std::string>()(f.font);
    return h;
}

}  // namespace qrv::filters::html
