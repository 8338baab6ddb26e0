// Charts over axes: a value axis of nice numbers with gridlines, a
// category axis of bands (a scatter chart: a second value axis), and the
// series as bars, lines with points, areas or points.
#include <algorithm>
#include <cmath>
#include <vector>

#include "chart_canvas.hpp"
#include "chart_scale.hpp"
#include "chart_table.hpp"

namespace qrv::filters::html {
namespace {

using model::Chart;
using model::ChartKind;

constexpr double kTickRoom = 46;   // left of the plot, for the value labels
constexpr double kLabelRoom = 18;  // below it, for the category labels
constexpr double kTitleRoom = 16;  // for an axis title

// A point of a series as drawn: from its base to its top (NaN: missing).
struct BarSegment {
    double base = 0, top = 0;
};

// Each series' points stacked as the chart's grouping says: percentages
// of the point's total, stacked bars apart above and below zero.
std::vector<std::vector<BarSegment>> chart_segments(const Chart &chart, size_t points) {
    const bool stacked = chart.grouping != model::ChartGrouping::Clustered;
    const bool percent = chart.grouping == model::ChartGrouping::PercentStacked;
    std::vector<double> total(points, 0), above(points, 0), below(points, 0);
    for (const auto &s : chart.series)
        for (size_t p = 0; p < s.values.size() && p < points; ++p)
            if (std::isfinite(s.values[p])) total[p] += std::abs(s.values[p]);
    std::vector<std::vector<BarSegment>> segments;
    for (const auto &s : chart.series) {
        auto &row = segments.emplace_back(points, BarSegment{model::kNoChartValue, model::kNoChartValue});
        for (size_t p = 0; p < s.values.size() && p < points; ++p) {
            double v = s.values[p];
            if (!std::isfinite(v)) continue;
            if (percent) v = total[p] > 0 ? v / total[p] * 100 : 0;
            double &base = v >= 0 ? above[p] : below[p];
            row[p] = stacked ? BarSegment{base, base + v} : BarSegment{0, v};
            if (stacked) base += v;
        }
    }
    return segments;
}

ChartScale value_scale(const Chart &chart, const std::vector<std::vector<BarSegment>> &segments) {
    double low = INFINITY, high = -INFINITY;
    for (const auto &row : segments)
        for (const BarSegment &s : row)
            if (std::isfinite(s.top)) low = std::min({low, s.base, s.top}), high = std::max({high, s.base, s.top});
    const bool zero = chart.kind == ChartKind::Bar || chart.kind == ChartKind::Area;
    return nice_scale(low, high, zero);
}

ChartScale x_scale(const Chart &chart) {
    double low = INFINITY, high = -INFINITY;
    for (const auto &s : chart.series)
        for (size_t p = 0; p < s.values.size(); ++p) {
            const double x = p < s.x_values.size() ? s.x_values[p] : double(p + 1);
            if (std::isfinite(x)) low = std::min(low, x), high = std::max(high, x);
        }
    return nice_scale(low, high, false);
}

// Where values and bands fall in the plot.  Bars of a horizontal chart run
// from the left, the first category at the bottom.
struct ChartPlot {
    ChartBox box;
    ChartScale values;
    size_t bands = 1;
    bool horizontal = false;

    double value_at(double v) const {
        return horizontal ? values.at(v, box.left, box.right) : values.at(v, box.bottom, box.top);
    }
    double band_at(double b) const {
        return horizontal ? box.bottom - b * box.height() / double(bands) : box.left + b * box.width() / double(bands);
    }
    double band_length() const { return (horizontal ? box.height() : box.width()) / double(bands); }
};

void svg_bar(std::string &svg, const ChartPlot &plot, double b0, double b1, const BarSegment &s, uint32_t colour) {
    const double v0 = plot.value_at(s.base), v1 = plot.value_at(s.top);
    const double c0 = plot.band_at(b0), c1 = plot.band_at(b1);
    const double x = plot.horizontal ? std::min(v0, v1) : std::min(c0, c1);
    const double y = plot.horizontal ? std::min(c0, c1) : std::min(v0, v1);
    const double w = plot.horizontal ? std::abs(v1 - v0) : std::abs(c1 - c0);
    const double h = plot.horizontal ? std::abs(c1 - c0) : std::abs(v1 - v0);
    svg += "<rect class=\"bar\" x=\"" + svg_number(x) + "\" y=\"" + svg_number(y) + "\" width=\"" + svg_number(w) +
           "\" height=\"" + svg_number(h) + "\" fill=\"" + svg_colour(colour) + "\"/>";
}

void draw_bars(std::string &svg, const Chart &chart, const ChartPlot &plot, const std::vector<std::vector<BarSegment>> &seg) {
    const bool clustered = chart.grouping == model::ChartGrouping::Clustered;
    const double width = clustered ? 0.7 / double(std::max<size_t>(seg.size(), 1)) : 0.6;
    for (size_t s = 0; s < seg.size(); ++s)
        for (size_t p = 0; p < seg[s].size(); ++p) {
            if (!std::isfinite(seg[s][p].top)) continue;
            const double b0 = double(p) + (clustered ? 0.15 + width * double(s) : 0.2);
            const uint32_t own = model::point_colour(chart.series[s], p);
            svg_bar(svg, plot, b0, b0 + width, seg[s][p], own != model::kNoChartColour ? own : series_colour(chart, s));
        }
}

std::string svg_point(double x, double y) { return svg_number(x) + "," + svg_number(y); }

void draw_lines(std::string &svg, const Chart &chart, const ChartPlot &plot, const std::vector<std::vector<BarSegment>> &seg) {
    for (size_t s = 0; s < seg.size(); ++s) {
        const std::string colour = svg_colour(series_colour(chart, s));
        std::string path, points;
        bool pen_down = false;
        for (size_t p = 0; p < seg[s].size(); ++p) {
            const double top = seg[s][p].top;
            pen_down = pen_down && std::isfinite(top);
            if (!std::isfinite(top)) continue;
            const double x = plot.band_at(double(p) + 0.5), y = plot.value_at(top);
            path += (pen_down ? "L" : "M") + svg_point(x, y);
            pen_down = true;
            points += "<circle class=\"point\" cx=\"" + svg_number(x) + "\" cy=\"" + svg_number(y) + "\" r=\"2.5\" fill=\"" +
                      colour + "\"/>";
        }
        if (!path.empty()) svg += "<path class=\"line\" d=\"" + path + "\" fill=\"none\" stroke=\"" + colour + "\" stroke-width=\"2\"/>";
        svg += points;
    }
}

void draw_areas(std::string &svg, const Chart &chart, const ChartPlot &plot, const std::vector<std::vector<BarSegment>> &seg) {
    const char *opacity = chart.grouping == model::ChartGrouping::Clustered ? "0.6" : "0.9";
    for (size_t s = 0; s < seg.size(); ++s) {
        std::string tops, bases;
        for (size_t p = 0; p < seg[s].size(); ++p) {
            const BarSegment g = std::isfinite(seg[s][p].top) ? seg[s][p] : BarSegment{0, 0};
            const double x = plot.band_at(double(p) + 0.5);
            tops += (tops.empty() ? "M" : "L") + svg_point(x, plot.value_at(g.top));
            bases = "L" + svg_point(x, plot.value_at(g.base)) + bases;
        }
        if (tops.empty()) continue;
        svg += "<path class=\"area\" d=\"" + tops + bases + "Z\" fill=\"" + svg_colour(series_colour(chart, s)) +
               "\" fill-opacity=\"" + opacity + "\"/>";
    }
}

void draw_scatter(std::string &svg, const Chart &chart, const ChartPlot &plot, const ChartScale &xs) {
    for (size_t s = 0; s < chart.series.size(); ++s) {
        const auto &series = chart.series[s];
        const std::string colour = svg_colour(series_colour(chart, s));
        for (size_t p = 0; p < series.values.size(); ++p) {
            const double x = p < series.x_values.size() ? series.x_values[p] : double(p + 1);
            if (!std::isfinite(x) || !std::isfinite(series.values[p])) continue;
            svg += "<circle class=\"point\" cx=\"" + svg_number(xs.at(x, plot.box.left, plot.box.right)) + "\" cy=\"" +
                   svg_number(plot.value_at(series.values[p])) + "\" r=\"3\" fill=\"" + colour + "\"/>";
        }
    }
}

void svg_line(std::string &svg, double x1, double y1, double x2, double y2, std::string_view cls, std::string_view colour) {
    svg += "<line class=\"" + std::string(cls) + "\" x1=\"" + svg_number(x1) + "\" y1=\"" + svg_number(y1) +
           "\" x2=\"" + svg_number(x2) + "\" y2=\"" + svg_number(y2) + "\" stroke=\"" + std::string(colour) + "\"/>";
}

// Gridlines and labels of the value axis (along the bottom for horizontal
// bars, else up the left).
void draw_value_axis(std::string &svg, const ChartPlot &plot) {
    for (const double tick : plot.values.ticks()) {
        const double at = plot.value_at(tick);
        const std::string label = plot.values.label(tick);
        if (plot.horizontal) {
            svg_line(svg, at, plot.box.top, at, plot.box.bottom, "grid", "#ddd");
            svg_text(svg, at, plot.box.bottom + 13, "tick", "middle", label);
        } else {
            svg_line(svg, plot.box.left, at, plot.box.right, at, "grid", "#ddd");
            svg_text(svg, plot.box.left - 4, at + 4, "tick", "end", label);
        }
    }
}

void draw_x_axis(std::string &svg, const ChartBox &box, const ChartScale &xs) {
    for (const double tick : xs.ticks()) {
        const double at = xs.at(tick, box.left, box.right);
        svg_line(svg, at, box.top, at, box.bottom, "grid", "#eee");
        svg_text(svg, at, box.bottom + 13, "tick", "middle", xs.label(tick));
    }
}

// The categories' labels, every one where there is room, else every n-th.
void draw_category_axis(std::string &svg, const Chart &chart, const ChartPlot &plot) {
    const double room = plot.horizontal ? 14 : 44;
    const size_t every = std::max<size_t>(1, static_cast<size_t>(std::ceil(room / std::max(plot.band_length(), 1.0))));
    const size_t characters = plot.horizontal ? 12 : std::max<size_t>(3, size_t(plot.band_length() * double(every) / 7));
    for (size_t p = 0; p < plot.bands; p += every) {
        const double at = plot.band_at(double(p) + 0.5);
        const std::string label = short_text(category_label(chart, p), characters);
        if (plot.horizontal)
            svg_text(svg, plot.box.left - 4, at + 4, "category", "end", label);
        else
            svg_text(svg, at, plot.box.bottom + 13, "category", "middle", label);
    }
    if (plot.horizontal)
        svg_line(svg, plot.value_at(0), plot.box.top, plot.value_at(0), plot.box.bottom, "axis", "#888");
    else
        svg_line(svg, plot.box.left, plot.value_at(0), plot.box.right, plot.value_at(0), "axis", "#888");
}

void draw_axis_titles(std::string &svg, const Chart &chart, const ChartBox &outer) {
    const bool swap = chart.horizontal && chart.kind == ChartKind::Bar;
    const std::string &below = swap ? chart.value_title : chart.category_title;
    const std::string &left = swap ? chart.category_title : chart.value_title;
    if (!below.empty())
        svg_text(svg, (outer.left + outer.right) / 2, outer.bottom - 2, "axis-title", "middle", short_text(below, 80));
    if (!left.empty()) {
        const double x = outer.left + 11, y = (outer.top + outer.bottom) / 2;
        svg_text(svg, x, y, "axis-title", "middle", short_text(left, 60),
                 "transform=\"rotate(-90 " + svg_number(x) + " " + svg_number(y) + ")\"");
    }
}

}  // namespace

void draw_axes_chart(std::string &svg, const Chart &chart, ChartBox box) {
    draw_axis_titles(svg, chart, box);
    const bool horizontal = chart.horizontal && chart.kind == ChartKind::Bar;
    box.left += (horizontal ? 76 : kTickRoom) + (chart.value_title.empty() && chart.category_title.empty() ? 0 : kTitleRoom);
    box.bottom -= kLabelRoom + (chart.category_title.empty() && chart.value_title.empty() ? 0 : kTitleRoom);
    box.right -= 8;
    if (box.width() < 20 || box.height() < 20) return;
    const size_t points = std::max<size_t>(chart_points(chart), 1);
    const auto segments = chart_segments(chart, points);
    const ChartPlot plot{box, value_scale(chart, segments), points, horizontal};
    draw_value_axis(svg, plot);
    if (chart.kind == ChartKind::Scatter) {
        const ChartScale xs = x_scale(chart);
        draw_x_axis(svg, box, xs);
        return draw_scatter(svg, chart, plot, xs);
    }
    draw_category_axis(svg, chart, plot);
    if (chart.kind == ChartKind::Bar) draw_bars(svg, chart, plot, segments);
    if (chart.kind == ChartKind::Line) draw_lines(svg, chart, plot, segments);
    if (chart.kind == ChartKind::Area) draw_areas(svg, chart, plot, segments);
}

}  // namespace qrv::filters::html
