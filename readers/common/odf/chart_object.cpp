#include "chart_object.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "core/leading_number.hpp"

namespace qrv::import::odf {
namespace {

using model::ChartKind;

struct ChartClass {
    std::string_view name;
    ChartKind kind;
};

constexpr ChartClass kChartClasses[] = {
    {"chart:bar", ChartKind::Bar},         {"chart:line", ChartKind::Line},  {"chart:area", ChartKind::Area},
    {"chart:circle", ChartKind::Pie},      {"chart:ring", ChartKind::Doughnut},
    {"chart:scatter", ChartKind::Scatter},
};

ChartKind chart_kind_of(std::string_view chart_class) {
    for (const auto &c : kChartClasses)
        if (c.name == chart_class) return c.kind;
    return ChartKind::Other;
}

uint32_t odf_colour(std::string_view value) {
    uint32_t rgb = 0;
    if (value.size() != 7 || value[0] != '#') return model::kNoChartColour;
    const auto r = std::from_chars(value.data() + 1, value.data() + 7, rgb, 16);
    return r.ec == std::errc() && r.ptr == value.data() + 7 ? rgb : model::kNoChartColour;
}

// "$AB$12" (the table's name already taken off): column and row from 0.
bool parse_cell(std::string_view text, uint32_t &column, uint32_t &row) {
    size_t i = text.starts_with('$') ? 1 : 0;
    uint64_t c = 0;
    const size_t letters = i;
    for (; i < text.size() && text[i] >= 'A' && text[i] <= 'Z' && c < 1000000; ++i) c = c * 26 + (text[i] - 'A' + 1);
    if (i == letters || c == 0) return false;
    if (i < text.size() && text[i] == '$') ++i;
    uint64_t r = 0;
    const auto res = std::from_chars(text.data() + i, text.data() + text.size(), r);
    if (res.ec != std::errc() || res.ptr != text.data() + text.size() || r == 0 || r > 100000000) return false;
    column = static_cast<uint32_t>(c - 1);
    row = static_cast<uint32_t>(r - 1);
    return true;
}

// A cell address without the table it is of ("local-table.$B$2" → "$B$2").
std::string_view without_table(std::string_view address) {
    const size_t dot = address.rfind('.');
    return dot == std::string_view::npos ? address : address.substr(dot + 1);
}

constexpr uint32_t kMostTableColumns = model::kMaxChartSeries + 8;

}  // namespace

// What a style of the chart says: the plot area's grouping and bar
// direction, a series' colours.
struct ChartObjectStyle {
    bool vertical = false, stacked = false, percent = false;
    uint32_t fill = model::kNoChartColour, stroke = model::kNoChartColour;
};

struct ChartTableCell {
    std::string text;
    double value = model::kNoChartValue;
};

// A series as the chart names it, filled in from the table at the end.
struct ChartSeriesRanges {
    std::string values, label, domain, style;
    ChartKind kind = ChartKind::Other;
};

bool parse_cell_range(std::string_view text, CellRange &range) {
    bool quoted = false;  // of a list of ranges, the first: up to a space outside a table's quoted name
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\'') quoted = !quoted;
        if (text[i] == ' ' && !quoted) text = text.substr(0, i);
    }
    const size_t colon = text.find(':');
    const std::string_view first = without_table(text.substr(0, colon));
    const std::string_view last = colon == std::string_view::npos ? first : without_table(text.substr(colon + 1));
    if (!parse_cell(first, range.first_column, range.first_row) || !parse_cell(last, range.last_column, range.last_row))
        return false;
    if (range.first_column > range.last_column) std::swap(range.first_column, range.last_column);
    if (range.first_row > range.last_row) std::swap(range.first_row, range.last_row);
    return true;
}

struct ChartObjectReader::State {
    model::Chart chart;
    bool is_chart = false;
    std::map<std::string, ChartObjectStyle, std::less<>> styles;
    std::string style;  // the style being read
    std::string plot_style;
    std::vector<ChartSeriesRanges> series;
    std::string categories;  // the range of the x axis's categories
    std::string axis;        // the dimension of the axis being read ("x", "y")
    std::string *title = nullptr;
    size_t title_depth = 0, depth = 0;
    bool in_title_paragraph = false;

    std::vector<std::vector<ChartTableCell>> table;  // rows of cells
    size_t cells = 0;           // kept in the table
    size_t points = 0;          // kept in the series
    uint32_t row_repeat = 1;    // of the row being read
    uint32_t column = 0;
    ChartTableCell *cell = nullptr;  // the cell whose text comes

    void style_element(const XmlName &name, const XmlAttributes &a);
    void chart_element(std::string_view e, const XmlAttributes &a);
    void table_element(std::string_view e, const XmlAttributes &a);
    void start_cell(const XmlAttributes &a);
    void repeat_row();
    bool room_for_point() { return points < model::kMaxChartPoints && ++points; }
    std::vector<ChartTableCell *> range_cells(std::string_view range);
    void fill_series(const ChartSeriesRanges &ranges);
};

void ChartObjectReader::State::style_element(const XmlName &name, const XmlAttributes &a) {
    if (name.local == "style") {
        style = a.get(Ns::Style, "name");
        return;
    }
    if (style.empty()) return;
    ChartObjectStyle &s = styles[style];
    if (name.local == "chart-properties") {
        s.vertical = a.get(Ns::OdfChart, "vertical") == "true";
        s.stacked = a.get(Ns::OdfChart, "stacked") == "true";
        s.percent = a.get(Ns::OdfChart, "percentage") == "true";
    } else if (name.local == "graphic-properties") {
        s.fill = odf_colour(a.get(Ns::Draw, "fill-color"));
        s.stroke = odf_colour(a.get(Ns::Svg, "stroke-color"));
    }
}

void ChartObjectReader::State::chart_element(std::string_view e, const XmlAttributes &a) {
    if (e == "chart") {
        is_chart = true;
        chart.kind = chart_kind_of(a.get(Ns::OdfChart, "class"));
    } else if (e == "title" && !title) {
        title = axis.empty() ? &chart.title : axis == "x" ? &chart.category_title : &chart.value_title;
        title_depth = depth;
    } else if (e == "legend") {
        const std::string_view p = a.get(Ns::OdfChart, "legend-position");
        chart.legend = p == "start"    ? model::LegendPosition::Left
                       : p == "top"    ? model::LegendPosition::Top
                       : p == "bottom" ? model::LegendPosition::Bottom
                                       : model::LegendPosition::Right;
    } else if (e == "plot-area") {
        plot_style = a.get(Ns::OdfChart, "style-name");
    } else if (e == "axis") {
        axis = a.get(Ns::OdfChart, "dimension");
    } else if (e == "categories" && axis == "x") {
        categories = a.get(Ns::Table, "cell-range-address");
    } else if (e == "series" && series.size() < model::kMaxChartSeries) {
        series.push_back({std::string(a.get(Ns::OdfChart, "values-cell-range-address")),
                          std::string(a.get(Ns::OdfChart, "label-cell-address")), {},
                          std::string(a.get(Ns::OdfChart, "style-name")),
                          a.has(Ns::OdfChart, "class") ? chart_kind_of(a.get(Ns::OdfChart, "class")) : chart.kind});
    } else if (e == "domain" && !series.empty() && series.back().domain.empty()) {
        series.back().domain = a.get(Ns::Table, "cell-range-address");
    }
}

// The chart's table: rows (those of its header among them) of cells, each
// repeated as often as it says, within the chart's bounds.
void ChartObjectReader::State::table_element(std::string_view e, const XmlAttributes &a) {
    if (e == "table-row") {
        column = 0;
        if (table.size() <= model::kMaxChartPoints) table.emplace_back();
        row_repeat = std::max<uint32_t>(1, number_or_zero<uint32_t>(a.get(Ns::Table, "number-rows-repeated")));
    } else if (e == "table-cell" || e == "covered-table-cell") {
        start_cell(a);
    }
}

void ChartObjectReader::State::start_cell(const XmlAttributes &a) {
    cell = nullptr;
    const uint32_t repeat =
        std::max<uint32_t>(1, number_or_zero<uint32_t>(a.get(Ns::Table, "number-columns-repeated")));
    const uint32_t at = column;
    column = static_cast<uint32_t>(std::min<uint64_t>(uint64_t(column) + repeat, kMostTableColumns));
    if (table.empty() || table.size() > model::kMaxChartPoints || at >= kMostTableColumns) return;
    if (cells >= model::kMaxChartPoints * 2) return;
    std::vector<ChartTableCell> &cells_of_row = table.back();
    cells += column - at;
    cells_of_row.resize(column);
    ChartTableCell value;
    const std::string_view number = a.get(Ns::Office, "value");
    std::from_chars(number.data(), number.data() + number.size(), value.value);
    for (uint32_t c = at; c < column; ++c) cells_of_row[c] = value;
    cell = &cells_of_row[at];
}

// A row repeated stands as often as it says, within the table's bound.
void ChartObjectReader::State::repeat_row() {
    for (; row_repeat > 1 && !table.empty() && table.size() <= model::kMaxChartPoints; --row_repeat) {
        if (cells + table.back().size() > model::kMaxChartPoints * 2) break;
        cells += table.back().size();
        table.push_back(table.back());
    }
    row_repeat = 1;
}

// The cells of a range in the table, row by row; none for what it lacks.
std::vector<ChartTableCell *> ChartObjectReader::State::range_cells(std::string_view text) {
    std::vector<ChartTableCell *> out;
    CellRange range;
    if (!parse_cell_range(text, range)) return out;
    for (uint32_t r = range.first_row; r <= range.last_row && r < table.size(); ++r)
        for (uint32_t c = range.first_column; c <= range.last_column && c < table[r].size(); ++c)
            if (out.size() < model::kMaxChartPoints) out.push_back(&table[r][c]);
    return out;
}

void ChartObjectReader::State::fill_series(const ChartSeriesRanges &ranges) {
    model::ChartSeries &s = chart.series.emplace_back();
    for (const ChartTableCell *label : range_cells(ranges.label))
        if (s.name.size() < model::kMaxChartText) s.name += label->text.substr(0, model::kMaxChartText - s.name.size());
    for (const ChartTableCell *v : range_cells(ranges.values))
        if (room_for_point()) s.values.push_back(v->value);
    for (const ChartTableCell *x : range_cells(ranges.domain))
        if (room_for_point()) s.x_values.push_back(x->value);
    if (chart.kind != ChartKind::Scatter)
        for (const ChartTableCell *c : range_cells(categories))
            if (room_for_point()) s.categories.push_back(c->text);
    const auto style = styles.find(ranges.style);
    if (style == styles.end()) return;
    const bool line = ranges.kind == ChartKind::Line || ranges.kind == ChartKind::Scatter;
    s.colour = line && style->second.stroke != model::kNoChartColour ? style->second.stroke : style->second.fill;
}

ChartObjectReader::ChartObjectReader() : state_(std::make_unique<State>()) {}
ChartObjectReader::~ChartObjectReader() = default;

void ChartObjectReader::start(const XmlName &name, const XmlAttributes &a) {
    State &s = *state_;
    ++s.depth;
    if (name.ns == Ns::Style) s.style_element(name, a);
    if (name.ns == Ns::OdfChart) s.chart_element(name.local, a);
    if (name.ns == Ns::Table && s.is_chart) s.table_element(name.local, a);
    if (name.ns == Ns::Text && name.local == "p") s.in_title_paragraph = s.title != nullptr;
}

void ChartObjectReader::end(const XmlName &name) {
    State &s = *state_;
    if (name.ns == Ns::Text && name.local == "p") s.in_title_paragraph = false;
    if (name.ns == Ns::Table && (name.local == "table-cell" || name.local == "covered-table-cell")) s.cell = nullptr;
    if (name.ns == Ns::Table && name.local == "table-row") s.repeat_row();
    if (name.ns == Ns::OdfChart && name.local == "axis") s.axis.clear();
    if (name.ns == Ns::Style && name.local == "style") s.style.clear();
    if (s.depth == s.title_depth) s.title = nullptr, s.title_depth = 0;
    --s.depth;
}

void ChartObjectReader::text(std::string_view piece) {
    State &s = *state_;
    std::string *into = s.in_title_paragraph ? s.title : s.cell ? &s.cell->text : nullptr;
    if (into && into->size() < model::kMaxChartText) into->append(piece.substr(0, model::kMaxChartText - into->size()));
}

bool ChartObjectReader::is_chart() const { return state_->is_chart; }

model::Chart ChartObjectReader::take() {
    State &s = *state_;
    if (const auto style = s.styles.find(s.plot_style); style != s.styles.end()) {
        s.chart.horizontal = style->second.vertical;  // bars along the vertical axis
        s.chart.grouping = style->second.percent   ? model::ChartGrouping::PercentStacked
                           : style->second.stacked ? model::ChartGrouping::Stacked
                                                   : model::ChartGrouping::Clustered;
    }
    for (const ChartSeriesRanges &ranges : s.series) s.fill_series(ranges);
    return std::move(s.chart);
}

}  // namespace qrv::import::odf
