#include "text_formats.hpp"

#include <algorithm>

namespace qrv::import::textdoc {
namespace {

template <typename T>
void take(std::optional<T> &base, const std::optional<T> &top) {
    if (top) base = top;
}

// Sizes and percents are kept within these however percents compound.
constexpr uint64_t kLargestSize = 8192, kLargestPercent = 100000;

uint32_t scaled(uint32_t value, uint32_t percent, uint64_t largest) {
    return static_cast<uint32_t>(std::clamp<uint64_t>((uint64_t{value} * percent + 50) / 100, 1, largest));
}

void overlay_size(CharFormat &base, const CharFormat &top) {
    if (top.size) {
        base.size = top.size;
        base.size_percent.reset();
    } else if (top.size_percent && base.size) {
        base.size = scaled(*base.size, *top.size_percent, kLargestSize);
    } else if (top.size_percent) {
        base.size_percent = scaled(base.size_percent.value_or(100), *top.size_percent, kLargestPercent);
    }
}

}  // namespace

void overlay(CharFormat &base, const CharFormat &top) {
    take(base.bold, top.bold);
    take(base.italic, top.italic);
    take(base.strike, top.strike);
    take(base.double_strike, top.double_strike);
    take(base.caps, top.caps);
    take(base.small_caps, top.small_caps);
    take(base.hidden, top.hidden);
    take(base.underline, top.underline);
    take(base.vertical, top.vertical);
    take(base.font, top.font);
    overlay_size(base, top);
    take(base.colour, top.colour);
    take(base.highlight, top.highlight);
}

void overlay(ParaFormat &base, const ParaFormat &top) {
    take(base.align, top.align);
    take(base.left, top.left);
    take(base.right, top.right);
    take(base.first_line, top.first_line);
    take(base.space_before, top.space_before);
    take(base.space_after, top.space_after);
    take(base.line_rule, top.line_rule);
    take(base.line, top.line);
    take(base.keep_next, top.keep_next);
    take(base.keep_lines, top.keep_lines);
    take(base.page_break_before, top.page_break_before);
    take(base.outline_level, top.outline_level);
    if (!top.tabs.empty()) base.tabs = merged_tabs(base.tabs, top.tabs);
}

std::vector<TabStop> merged_tabs(const std::vector<TabStop> &base, const std::vector<TabStop> &top) {
    std::vector<TabStop> out;
    for (const TabStop &stop : base)
        if (stop.kind != TabKind::Clear) out.push_back(stop);
    for (const TabStop &stop : top) {
        std::erase_if(out, [&](const TabStop &s) { return s.position == stop.position; });
        if (stop.kind != TabKind::Clear) out.push_back(stop);
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const TabStop &a, const TabStop &b) { return a.position < b.position; });
    return out;
}

}  // namespace qrv::import::textdoc
