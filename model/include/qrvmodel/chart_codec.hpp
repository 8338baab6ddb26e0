// A chart (chart.hpp) as the bytes of a resource: UTF-8 lines of a key, a
// tab and a value, the first line "qrvex-chart 1".  Text values escape
// backslash, tab, CR and LF ("\\", "\t", "\r", "\n"); numbers are written
// in their shortest exact decimal form, a missing value as an empty one.
//
//   kind 0 | horizontal 1 | grouping 1 | legend 1 | title T | category-title T | value-title T
//   series NAME, then for it: colour RRGGBB | c LABEL | v NUMBER | x NUMBER
//   | p RRGGBB (a point's own colour, empty for none)
//
// Parsing trusts nothing: unknown keys and lines are passed over, numbers
// that are none are missing values, and the chart bounds (kMaxChart...)
// hold whatever the bytes say.
#pragma once

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "chart.hpp"

namespace qrv::model {

inline constexpr std::string_view kChartCodecHeader = "qrvex-chart 1";

namespace chart_codec {

inline void append_escaped(std::string &out, std::string_view text) {
    for (const char c : text.substr(0, kMaxChartText)) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
}

inline std::string unescaped(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size() && out.size() < kMaxChartText; ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        out += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

inline void append_line(std::string &out, std::string_view key, std::string_view text) {
    out += key;
    out += '\t';
    append_escaped(out, text);
    out += '\n';
}

inline void append_number_line(std::string &out, std::string_view key, double value) {
    out += key;
    out += '\t';
    if (std::isfinite(value)) {
        char digits[32];
        const auto r = std::to_chars(digits, digits + sizeof digits, value);
        out.append(digits, r.ptr);
    }
    out += '\n';
}

inline double number_of(std::string_view text) {
    double value = kNoChartValue;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size() || !std::isfinite(value)) return kNoChartValue;
    return value;
}

// A whole number up to most, else fallback.
inline unsigned small_number(std::string_view text, unsigned most, unsigned fallback = 0, int base = 10) {
    unsigned value = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return r.ec == std::errc() && r.ptr == text.data() + text.size() && value <= most ? value : fallback;
}

inline void append_colour_line(std::string &out, std::string_view key, uint32_t colour) {
    out += key;
    out += '\t';
    if (colour != kNoChartColour) {
        char hex[8];
        const auto r = std::to_chars(hex, hex + sizeof hex, colour & 0xFFFFFFu, 16);
        out.append(6 - static_cast<size_t>(r.ptr - hex), '0');
        out.append(hex, r.ptr);
    }
    out += '\n';
}

inline void append_series(std::string &out, const ChartSeries &series) {
    append_line(out, "series", series.name);
    if (series.colour != kNoChartColour) append_colour_line(out, "colour", series.colour);
    for (const uint32_t colour : series.point_colours) append_colour_line(out, "p", colour);
    for (const std::string &label : series.categories) append_line(out, "c", label);
    for (const double value : series.values) append_number_line(out, "v", value);
    for (const double x : series.x_values) append_number_line(out, "x", x);
}

// Reads lines into a chart within its bounds.
class ChartParser {
public:
    void line(std::string_view key, std::string_view value) {
        if (key == "series") return start_series(value);
        if (series_) return series_line(key, value);
        constexpr auto kOther = static_cast<unsigned>(ChartKind::Other);
        if (key == "kind") chart.kind = static_cast<ChartKind>(small_number(value, kOther, kOther));
        if (key == "horizontal") chart.horizontal = value == "1";
        if (key == "grouping")
            chart.grouping = static_cast<ChartGrouping>(small_number(value, unsigned(ChartGrouping::PercentStacked)));
        if (key == "legend")
            chart.legend = static_cast<LegendPosition>(small_number(value, unsigned(LegendPosition::Bottom)));
        if (key == "title") chart.title = unescaped(value);
        if (key == "category-title") chart.category_title = unescaped(value);
        if (key == "value-title") chart.value_title = unescaped(value);
    }

    Chart chart;

private:
    void start_series(std::string_view name) {
        series_ = nullptr;
        if (chart.series.size() >= kMaxChartSeries) return;
        series_ = &chart.series.emplace_back();
        series_->name = unescaped(name);
    }

    void series_line(std::string_view key, std::string_view value) {
        if (key == "colour" && value.size() == 6) series_->colour = small_number(value, 0xFFFFFF, kNoChartColour, 16);
        if (key != "c" && key != "v" && key != "x" && key != "p") return;
        if (points_ >= kMaxChartPoints) return;
        ++points_;
        if (key == "c") series_->categories.push_back(unescaped(value));
        if (key == "v") series_->values.push_back(number_of(value));
        if (key == "x") series_->x_values.push_back(number_of(value));
        if (key == "p")
            series_->point_colours.push_back(value.size() == 6 ? small_number(value, 0xFFFFFF, kNoChartColour, 16)
                                                               : kNoChartColour);
    }

    ChartSeries *series_ = nullptr;
    size_t points_ = 0;
};

}  // namespace chart_codec

inline std::string serialise_chart(const Chart &chart) {
    using namespace chart_codec;
    std::string out(kChartCodecHeader);
    out += '\n';
    out += "kind\t" + std::to_string(static_cast<unsigned>(chart.kind)) + '\n';
    if (chart.horizontal) out += "horizontal\t1\n";
    out += "grouping\t" + std::to_string(static_cast<unsigned>(chart.grouping)) + '\n';
    out += "legend\t" + std::to_string(static_cast<unsigned>(chart.legend)) + '\n';
    if (!chart.title.empty()) append_line(out, "title", chart.title);
    if (!chart.category_title.empty()) append_line(out, "category-title", chart.category_title);
    if (!chart.value_title.empty()) append_line(out, "value-title", chart.value_title);
    for (const ChartSeries &series : chart.series) append_series(out, series);
    return out;
}

// The chart the bytes describe; false when they do not start as a chart
// resource does.
inline bool parse_chart(std::string_view bytes, Chart &chart) {
    if (!bytes.starts_with(kChartCodecHeader) || bytes.substr(kChartCodecHeader.size(), 1) != "\n") return false;
    chart_codec::ChartParser parser;
    for (size_t start = kChartCodecHeader.size() + 1; start < bytes.size();) {
        const size_t end = std::min(bytes.find('\n', start), bytes.size());
        const std::string_view line = bytes.substr(start, end - start);
        const size_t tab = line.find('\t');
        if (tab != std::string_view::npos) parser.line(line.substr(0, tab), line.substr(tab + 1));
        start = end + 1;
    }
    chart = std::move(parser.chart);
    return true;
}

}  // namespace qrv::model
