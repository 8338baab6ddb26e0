#include "chart_svg.hpp"

#include <algorithm>
#include <vector>

#include "chart_canvas.hpp"
#include "chart_table.hpp"
#include "css.hpp"

namespace qrv::filters::html {
namespace {

using model::ChartKind;

constexpr size_t kMostLegendEntries = 40;
constexpr double kMargin = 8;

double pixels_of(uint32_t points, double fallback, double least, double most) {
    return points ? std::clamp(points * 4.0 / 3.0, least, most) : fallback;
}

bool pie_like(const model::Chart &chart) {
    return chart.kind == ChartKind::Pie || chart.kind == ChartKind::Doughnut;
}

// What the legend names: a pie's categories, else the series.
struct LegendEntry {
    std::string text;
    uint32_t colour = 0;
};

std::vector<LegendEntry> legend_entries(const model::Chart &chart) {
    std::vector<LegendEntry> entries;
    const size_t count = pie_like(chart) ? (chart.series.empty() ? 0 : chart.series[0].values.size()) : chart.series.size();
    for (size_t i = 0; i < count && i < kMostLegendEntries; ++i)
        entries.push_back(pie_like(chart) ? LegendEntry{category_label(chart, i), slice_colour(chart, i)}
                                          : LegendEntry{series_label(chart, i), series_colour(chart, i)});
    return entries;
}

void legend_entry(std::string &svg, double x, double y, const LegendEntry &entry, size_t characters) {
    svg += "<rect x=\"" + svg_number(x) + "\" y=\"" + svg_number(y - 9) + "\" width=\"10\" height=\"10\" fill=\"" +
           svg_colour(entry.colour) + "\"/>";
    svg_text(svg, x + 14, y, "legend-entry", "start", short_text(entry.text, characters));
}

// Characters of UTF-8 text.
size_t characters_of(std::string_view utf8) {
    return size_t(std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// A row of entries, each as wide as its text needs (at most an equal share
// of the row), centred under or over the plot.
void legend_row(std::string &svg, const std::vector<LegendEntry> &entries, const ChartBox &box, double y) {
    const double share = std::max(60.0, box.width() / double(entries.size()));
    std::vector<double> widths;
    double total = 0;
    for (const LegendEntry &entry : entries) {
        widths.push_back(std::min(share, 30.0 + 7.0 * double(characters_of(entry.text))));
        total += widths.back();
    }
    double x = box.left + std::max(0.0, (box.width() - total) / 2);
    for (size_t i = 0; i < entries.size() && x < box.right; x += widths[i], ++i)
        legend_entry(svg, x, y, entries[i], size_t((widths[i] - 14) / 7));
}

// The legend as a row above or below the plot, or a column beside it, and
// the box left for the plot.
ChartBox draw_legend(std::string &svg, const model::Chart &chart, ChartBox box) {
    using model::LegendPosition;
    const std::vector<LegendEntry> entries = legend_entries(chart);
    if (chart.legend == LegendPosition::None || entries.empty()) return box;
    svg += "<g class=\"legend\">";
    if (chart.legend == LegendPosition::Bottom || chart.legend == LegendPosition::Top) {
        const bool top = chart.legend == LegendPosition::Top;
        legend_row(svg, entries, box, top ? box.top + 12 : box.bottom - 4);
        (top ? box.top : box.bottom) += top ? 20 : -20;
    } else {
        const bool left = chart.legend == LegendPosition::Left;
        const double width = std::min(130.0, box.width() / 3);
        const double x = left ? box.left : box.right - width + 4;
        for (size_t i = 0; i < entries.size() && box.top + 16 * double(i + 1) < box.bottom; ++i)
            legend_entry(svg, x, box.top + 16 * double(i + 1), entries[i], size_t(width / 7) - 2);
        (left ? box.left : box.right) += left ? width : -width;
    }
    svg += "</g>";
    return box;
}

}  // namespace

bool chart_drawn(const model::Chart &chart) { return chart.kind != ChartKind::Other && !chart.series.empty(); }

std::string chart_svg(const model::Chart &chart, std::string_view label, uint32_t width_pt, uint32_t height_pt) {
    const double width = pixels_of(width_pt, 480, 240, 1600), height = pixels_of(height_pt, 300, 160, 1200);
    const std::string w = svg_number(width), h = svg_number(height);
    std::string svg = "<svg class=\"chart\" xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h +
                      "\" viewBox=\"0 0 " + w + " " + h + "\" role=\"img\" aria-label=\"" + escape(label) +
                      "\" font-family=\"sans-serif\" font-size=\"11\"><title>" + escape(label) + "</title>" +
                      "<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>";
    ChartBox box{kMargin, kMargin, width - kMargin, height - kMargin};
    if (!chart.title.empty()) {
        svg_text(svg, width / 2, box.top + 14, "title", "middle", short_text(chart.title, size_t(width / 8)),
                 "font-size=\"14\" font-weight=\"bold\"");
        box.top += 24;
    }
    box = draw_legend(svg, chart, box);
    if (pie_like(chart))
        draw_pie_chart(svg, chart, box);
    else
        draw_axes_chart(svg, chart, box);
    return svg + "</svg>";
}

}  // namespace qrv::filters::html
