#include "json_chart.hpp"

#include <string>
#include <vector>

#include "chart_table.hpp"

namespace qrv::filters::json {
namespace {

using model::Chart;
using model::ChartKind;

const char *chart_kind_name(const Chart &chart) {
    switch (chart.kind) {
    case ChartKind::Bar: return chart.horizontal ? "bar" : "column";
    case ChartKind::Line: return "line";
    case ChartKind::Area: return "area";
    case ChartKind::Pie: return "pie";
    case ChartKind::Doughnut: return "doughnut";
    case ChartKind::Scatter: return "scatter";
    default: return "other";
    }
}

const char *grouping_name(model::ChartGrouping grouping) {
    switch (grouping) {
    case model::ChartGrouping::Stacked: return "stacked";
    case model::ChartGrouping::PercentStacked: return "percent";
    default: return "clustered";
    }
}

const char *legend_name(model::LegendPosition legend) {
    switch (legend) {
    case model::LegendPosition::Right: return "right";
    case model::LegendPosition::Left: return "left";
    case model::LegendPosition::Top: return "top";
    case model::LegendPosition::Bottom: return "bottom";
    default: return "none";
    }
}

// "#rrggbb".
std::string colour_text(uint32_t rgb) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string colour = "#";
    for (int shift = 20; shift >= 0; shift -= 4) colour += kHex[(rgb >> shift) & 15];
    return colour;
}

void text_member(Output &out, Nesting &nest, std::string_view name, std::string_view value) {
    nest.key(name);
    write_string(out, value);
}

// Numbers as JSON writes them; a missing value is null.
void number_array(Output &out, Nesting &nest, std::string_view name, const std::vector<double> &values) {
    nest.open(name, '[');
    for (const double value : values) {
        nest.member();
        const std::string digits = chart_number(value);
        out += digits.empty() ? std::string_view("null") : std::string_view(digits);
    }
    nest.close(']');
}

void write_series(Output &out, Nesting &nest, const model::ChartSeries &series) {
    nest.open('{');
    text_member(out, nest, "name", series.name);
    if (series.colour != model::kNoChartColour) text_member(out, nest, "colour", colour_text(series.colour));
    if (!series.categories.empty()) {
        nest.open("categories", '[');
        for (const std::string &label : series.categories) {
            nest.member();
            write_string(out, label);
        }
        nest.close(']');
    }
    number_array(out, nest, "values", series.values);
    if (!series.x_values.empty()) number_array(out, nest, "x", series.x_values);
    if (!series.point_colours.empty()) {
        nest.open("point_colours", '[');
        for (const uint32_t colour : series.point_colours) {
            nest.member();
            if (colour == model::kNoChartColour)
                out += "null";
            else
                write_string(out, colour_text(colour));
        }
        nest.close(']');
    }
    nest.close('}');
}

}  // namespace

void write_chart(Output &out, Nesting &nest, const Chart &chart) {
    nest.open("chart", '{');
    text_member(out, nest, "kind", chart_kind_name(chart));
    text_member(out, nest, "grouping", grouping_name(chart.grouping));
    if (!chart.title.empty()) text_member(out, nest, "title", chart.title);
    if (!chart.category_title.empty()) text_member(out, nest, "category_title", chart.category_title);
    if (!chart.value_title.empty()) text_member(out, nest, "value_title", chart.value_title);
    text_member(out, nest, "legend", legend_name(chart.legend));
    nest.open("series", '[');
    for (const model::ChartSeries &series : chart.series) write_series(out, nest, series);
    nest.close(']');
    nest.close('}');
}

}  // namespace qrv::filters::json
