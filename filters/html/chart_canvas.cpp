#include "chart_canvas.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

#include "css.hpp"

namespace qrv::filters::html {

std::string svg_number(double value) {
    constexpr double kFarthest = 1e9;  // no drawing reaches this far; fixed digits stay few
    value = std::isfinite(value) ? std::clamp(value, -kFarthest, kFarthest) : 0;
    char digits[32];
    const auto r = std::to_chars(digits, digits + sizeof digits, std::round(value * 10) / 10,
                                 std::chars_format::fixed, 1);
    std::string text(digits, r.ptr);
    if (text.ends_with(".0")) text.resize(text.size() - 2);
    return text == "-0" ? "0" : text;
}

std::string svg_colour(uint32_t rgb) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string text = "#";
    for (int shift = 20; shift >= 0; shift -= 4) text += kHex[(rgb >> shift) & 15];
    return text;
}

uint32_t palette_colour(size_t index) {
    static constexpr uint32_t kPalette[] = {0x4472C4, 0xED7D31, 0xA5A5A5, 0xFFC000, 0x5B9BD5,
                                            0x70AD47, 0x264478, 0x9E480E, 0x636363, 0x997300};
    return kPalette[index % std::size(kPalette)];
}

uint32_t series_colour(const model::Chart &chart, size_t index) {
    const uint32_t own = index < chart.series.size() ? chart.series[index].colour : model::kNoChartColour;
    return own != model::kNoChartColour ? own : palette_colour(index);
}

uint32_t slice_colour(const model::Chart &chart, size_t point) {
    const uint32_t own = chart.series.empty() ? model::kNoChartColour : model::point_colour(chart.series[0], point);
    return own != model::kNoChartColour ? own : palette_colour(point);
}

std::string short_text(std::string_view utf8, size_t characters) {
    size_t count = 0;
    for (size_t i = 0; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) continue;
        if (count++ == characters) return std::string(utf8.substr(0, i)) + "\u2026";
    }
    return std::string(utf8);
}

void svg_text(std::string &svg, double x, double y, std::string_view cls, std::string_view anchor,
              std::string_view text, std::string_view more) {
    svg += "<text class=\"" + std::string(cls) + "\" x=\"" + svg_number(x) + "\" y=\"" + svg_number(y) +
           "\" text-anchor=\"" + std::string(anchor) + "\"";
    if (!more.empty()) svg += " " + std::string(more);
    svg += ">" + escape(text) + "</text>";
}

}  // namespace qrv::filters::html
