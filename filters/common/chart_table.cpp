#include "chart_table.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace qrv::filters {

std::string chart_caption(const ObjectInfo &object) {
    if (object.chart && !object.chart->title.empty()) return object.chart->title;
    return object_alt(object).empty() ? std::string("Chart") : object_alt(object);
}

std::string series_label(const model::Chart &chart, size_t index) {
    if (index < chart.series.size() && !chart.series[index].name.empty()) return chart.series[index].name;
    return "Series " + std::to_string(index + 1);
}

std::string chart_number(double value) {
    if (!std::isfinite(value)) return {};
    char digits[32];
    const auto r = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, r.ptr);
}

size_t chart_points(const model::Chart &chart) {
    size_t points = 0;
    for (const model::ChartSeries &s : chart.series)
        points = std::max({points, s.values.size(), s.categories.size(), s.x_values.size()});
    return points;
}

std::string category_label(const model::Chart &chart, size_t point) {
    if (!chart.series.empty()) {
        const model::ChartSeries &first = chart.series[0];
        if (point < first.categories.size()) return first.categories[point];
        if (point < first.x_values.size()) return chart_number(first.x_values[point]);
        if (!first.categories.empty() || !first.x_values.empty()) return {};
    }
    return std::to_string(point + 1);
}

ChartTable chart_table(const model::Chart &chart) {
    ChartTable table;
    const bool scatter = chart.kind == model::ChartKind::Scatter;
    table.header.push_back(!chart.category_title.empty() ? chart.category_title : scatter ? "X" : "Category");
    for (size_t i = 0; i < chart.series.size(); ++i) table.header.push_back(series_label(chart, i));
    const size_t points = chart_points(chart);
    table.rows.reserve(points);
    for (size_t p = 0; p < points; ++p) {
        std::vector<std::string> &row = table.rows.emplace_back();
        row.push_back(category_label(chart, p));
        for (const model::ChartSeries &s : chart.series)
            row.push_back(p < s.values.size() ? chart_number(s.values[p]) : std::string());
    }
    return table;
}

}  // namespace qrv::filters
