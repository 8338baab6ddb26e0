// The pieces the chart drawings share: the box a drawing fills, numbers
// and colours as SVG writes them, text elements (escaped), and the
// drawings of each kind (chart_plot.cpp, chart_pie.cpp).
#pragma once

#include <qrvmodel/chart.hpp>

#include <cstdint>
#include <string>
#include <string_view>

namespace qrv::filters::html {

struct ChartBox {
    double left = 0, top = 0, right = 0, bottom = 0;
    double width() const { return right - left; }
    double height() const { return bottom - top; }
};

// A coordinate with at most one decimal.
std::string svg_number(double value);
// "#rrggbb".
std::string svg_colour(uint32_t rgb);
// The colour of a series: its own, else the page's palette's.
uint32_t series_colour(const model::Chart &chart, size_t index);
uint32_t palette_colour(size_t index);
// The colour of a pie's slice (a point of its first series): the point's
// own, else the palette's.
uint32_t slice_colour(const model::Chart &chart, size_t point);
// Text cut to at most characters code points, "…" where it was cut.
std::string short_text(std::string_view utf8, size_t characters);

// <text class="cls" x y text-anchor="anchor" more>escaped text</text>
void svg_text(std::string &svg, double x, double y, std::string_view cls, std::string_view anchor,
              std::string_view text, std::string_view more = {});

// Bars, lines, areas and scatter points over their axes.
void draw_axes_chart(std::string &svg, const model::Chart &chart, ChartBox box);
// A pie or a doughnut of the first series.
void draw_pie_chart(std::string &svg, const model::Chart &chart, ChartBox box);

}  // namespace qrv::filters::html
