// A pie or a doughnut: the first series' positive values as slices from
// the top, clockwise, each in the palette's colour of its point.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "chart_canvas.hpp"

namespace qrv::filters::html {
namespace {

struct PieGeometry {
    double cx = 0, cy = 0, outer = 0, inner = 0;  // inner 0: a pie

    std::string at(double radius, double angle) const {
        return svg_number(cx + radius * std::sin(angle)) + "," + svg_number(cy - radius * std::cos(angle));
    }
};

std::string arc(const PieGeometry &g, double radius, double to, bool large, bool clockwise) {
    return "A" + svg_number(radius) + "," + svg_number(radius) + " 0 " + (large ? "1" : "0") + " " +
           (clockwise ? "1" : "0") + " " + g.at(radius, to);
}

std::string slice_path(const PieGeometry &g, double from, double to) {
    const bool large = to - from > std::numbers::pi;
    std::string d = "M" + g.at(g.outer, from) + arc(g, g.outer, to, large, true);
    if (g.inner > 0) return d + "L" + g.at(g.inner, to) + arc(g, g.inner, from, large, false) + "Z";
    return d + "L" + svg_number(g.cx) + "," + svg_number(g.cy) + "Z";
}

// A slice that is the whole: a disc, or the doughnut's ring.
std::string whole_slice(const PieGeometry &g, const std::string &colour) {
    const double r = g.inner > 0 ? (g.outer + g.inner) / 2 : g.outer;
    std::string paint = g.inner > 0 ? "fill=\"none\" stroke=\"" + colour + "\" stroke-width=\"" +
                                          svg_number(g.outer - g.inner) + "\""
                                    : "fill=\"" + colour + "\"";
    return "<circle class=\"slice\" cx=\"" + svg_number(g.cx) + "\" cy=\"" + svg_number(g.cy) + "\" r=\"" +
           svg_number(r) + "\" " + paint + "/>";
}

}  // namespace

void draw_pie_chart(std::string &svg, const model::Chart &chart, ChartBox box) {
    if (chart.series.empty()) return;
    const std::vector<double> &values = chart.series[0].values;
    double total = 0;
    for (const double v : values)
        if (std::isfinite(v) && v > 0) total += v;
    const double radius = std::min(box.width(), box.height()) / 2 - 4;
    if (!(total > 0) || !std::isfinite(total) || radius < 10) return;
    const bool doughnut = chart.kind == model::ChartKind::Doughnut;
    const PieGeometry g{(box.left + box.right) / 2, (box.top + box.bottom) / 2, radius, doughnut ? radius / 2 : 0};
    double angle = 0;
    for (size_t p = 0; p < values.size(); ++p) {
        if (!std::isfinite(values[p]) || values[p] <= 0) continue;
        const double sweep = values[p] / total * 2 * std::numbers::pi;
        const std::string colour = svg_colour(slice_colour(chart, p));
        if (sweep >= 2 * std::numbers::pi - 1e-6)
            svg += whole_slice(g, colour);
        else
            svg += "<path class=\"slice\" d=\"" + slice_path(g, angle, angle + sweep) + "\" fill=\"" + colour +
                   "\" stroke=\"#fff\"/>";
        angle += sweep;
    }
}

}  // namespace qrv::filters::html
