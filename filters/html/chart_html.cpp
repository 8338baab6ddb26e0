#include "chart_html.hpp"

#include "chart_svg.hpp"
#include "chart_table.hpp"
#include "css.hpp"

namespace qrv::filters::html {
namespace {

void append_row(std::string &html, const std::vector<std::string> &cells, const char *tag) {
    html += "<tr>";
    for (const std::string &cell : cells) html += std::string("<") + tag + ">" + escape(cell) + "</" + tag + ">";
    html += "</tr>\n";
}

}  // namespace

std::string chart_drawing(const ObjectInfo &object) {
    if (!object.chart || !chart_drawn(*object.chart)) return {};
    return "<span class=\"chart\">" + chart_svg(*object.chart, chart_caption(object), object.width_pt, object.height_pt) +
           "</span>";
}

std::string chart_data_table(const ObjectInfo &object) {
    if (!object.chart) return {};
    const ChartTable table = chart_table(*object.chart);
    std::string html = "<table class=\"chart-data\"><caption>" + escape(chart_caption(object)) + "</caption>\n";
    append_row(html, table.header, "th");
    for (const auto &row : table.rows) append_row(html, row, "td");
    return html + "</table>\n";
}

}  // namespace qrv::filters::html
