// A chart as its document caches it: its kind, titles, legend and the
// values of its series.  Readers keep it as the document's resource of
// media type kChartMediaType, named on the chart's object tag
// (kObjectResourceAttribute); filters read it back with parse_chart
// (chart_codec.hpp) and draw it or list its data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace qrv::model {

inline constexpr std::string_view kChartMediaType = "application/vnd.qrvex.chart";
// Resource names of charts begin so; no picture's name does (picture names
// have no colon).
inline constexpr std::string_view kChartResourcePrefix = "chart:";

// The bounds of one chart: series past the first kMaxChartSeries and
// points past kMaxChartPoints (all series together) are left out; a text
// is cut at kMaxChartText bytes.
inline constexpr size_t kMaxChartSeries = 256;
inline constexpr size_t kMaxChartPoints = 100000;
inline constexpr size_t kMaxChartText = 1024;

enum class ChartKind : uint8_t { Bar, Line, Area, Pie, Doughnut, Scatter, Other };
enum class ChartGrouping : uint8_t { Clustered, Stacked, PercentStacked };
enum class LegendPosition : uint8_t { None, Right, Left, Top, Bottom };

inline constexpr uint32_t kNoChartColour = 0xFFFFFFFFu;

struct ChartSeries {
    std::string name;
    uint32_t colour = kNoChartColour;  // 0x00RRGGBB, kNoChartColour for the page's palette
    std::vector<std::string> categories;  // the category labels (scatter: none)
    std::vector<double> values;           // NaN where the cache has no number
    std::vector<double> x_values;         // scatter: the x of each value
    std::vector<uint32_t> point_colours;  // a point's own colour (a pie's slice), kNoChartColour where it has none
};

// The colour of a series' point: its own, else kNoChartColour.
inline uint32_t point_colour(const ChartSeries &series, size_t point) {
    return point < series.point_colours.size() ? series.point_colours[point] : kNoChartColour;
}

struct Chart {
    ChartKind kind = ChartKind::Other;
    bool horizontal = false;  // bars that run from the left (barDir "bar")
    ChartGrouping grouping = ChartGrouping::Clustered;
    std::string title;
    std::string category_title;  // the category (scatter: x) axis
    std::string value_title;     // the value (scatter: y) axis
    LegendPosition legend = LegendPosition::None;
    std::vector<ChartSeries> series;
};

inline constexpr double kNoChartValue = std::numeric_limits<double>::quiet_NaN();

}  // namespace qrv::model
