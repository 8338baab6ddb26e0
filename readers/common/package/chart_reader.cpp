#include "chart_reader.hpp"

#include <algorithm>
#include <charconv>
#include <string>
#include <vector>

#include "core/leading_number.hpp"
#include "default_theme.hpp"

namespace qrv::import {
namespace {

using model::Chart;
using model::ChartKind;
using model::ChartSeries;

struct ChartGroupKind {
    std::string_view element;
    ChartKind kind;
};

constexpr ChartGroupKind kChartGroups[] = {
    {"barChart", ChartKind::Bar},         {"bar3DChart", ChartKind::Bar},      {"lineChart", ChartKind::Line},
    {"line3DChart", ChartKind::Line},     {"areaChart", ChartKind::Area},      {"area3DChart", ChartKind::Area},
    {"pieChart", ChartKind::Pie},         {"pie3DChart", ChartKind::Pie},      {"doughnutChart", ChartKind::Doughnut},
    {"scatterChart", ChartKind::Scatter}, {"radarChart", ChartKind::Other},    {"bubbleChart", ChartKind::Other},
    {"stockChart", ChartKind::Other},     {"surfaceChart", ChartKind::Other},  {"surface3DChart", ChartKind::Other},
    {"ofPieChart", ChartKind::Other},
};

const ChartGroupKind *chart_group_of(std::string_view element) {
    for (const auto &g : kChartGroups)
        if (g.element == element) return &g;
    return nullptr;
}

// The theme accents of the default office theme.
uint32_t chart_hex_colour(std::string_view hex) {
    uint32_t value = 0;
    const auto r = std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
    return hex.size() == 6 && r.ec == std::errc() && r.ptr == hex.data() + 6 ? value : model::kNoChartColour;
}

model::ChartGrouping grouping_of(std::string_view grouping) {
    if (grouping == "stacked") return model::ChartGrouping::Stacked;
    if (grouping == "percentStacked") return model::ChartGrouping::PercentStacked;
    return model::ChartGrouping::Clustered;  // "clustered", and lines' and areas' "standard"
}

model::LegendPosition legend_of(std::string_view position) {
    if (position == "l") return model::LegendPosition::Left;
    if (position == "t") return model::LegendPosition::Top;
    if (position == "b") return model::LegendPosition::Bottom;
    return model::LegendPosition::Right;
}

}  // namespace

uint32_t drawing_colour(const XmlName &name, const XmlAttributes &a) {
    if (name.ns != Ns::Drawing) return model::kNoChartColour;
    if (name.local == "srgbClr") return chart_hex_colour(a.get(Ns::None, "val"));
    if (name.local == "sysClr") return chart_hex_colour(a.get(Ns::None, "lastClr"));
    if (name.local != "schemeClr") return model::kNoChartColour;
    const std::string_view scheme = a.get(Ns::None, "val");
    if (scheme.size() == 7 && scheme.starts_with("accent") && scheme[6] >= '1' && scheme[6] <= '6')
        return kDefaultThemeColours[kFirstAccent + size_t(scheme[6] - '1')];
    return model::kNoChartColour;
}

struct ChartReader::State {
    // Where the text of the element being read goes.
    enum class ChartText : uint8_t { None, Title, Point };
    // What part of a series its points belong to.
    enum class SeriesPart : uint8_t { None, Name, Categories, Values, XValues };
    // The axis being read: its title is the category or the value axis's.
    enum class ChartAxis : uint8_t { None, Category, Value };

    Chart chart;
    size_t depth = 0;
    bool has_kind = false;
    size_t groups = 0;       // chart groups begun
    size_t points = 0;       // points kept, all series together
    size_t chart_depth = 0;  // of c:chart
    bool title_wanted = false, title_deleted = false;

    ChartAxis axis = ChartAxis::None;
    size_t axis_depth = 0;
    std::string *title = nullptr;  // the title being read
    size_t title_depth = 0;
    size_t title_paragraphs = 0;

    ChartSeries *series = nullptr;  // the series being read (null: past the bound)
    size_t series_depth = 0;
    bool in_series = false;
    SeriesPart part = SeriesPart::None;
    size_t part_depth = 0;
    bool numbers = false;  // the cache being read holds numbers
    size_t level = 0;      // levels of a multi-level cache begun (only the first is kept)
    size_t point = 0;      // the index of the point being read
    bool point_valid = false;
    size_t shape_depth = 0;  // the series' own c:spPr, or its point's
    bool in_point = false;   // in a c:dPt: a point's own look
    size_t point_depth = 0, point_index = 0;
    uint32_t point_fill = model::kNoChartColour, point_line = model::kNoChartColour;
    uint32_t fill = model::kNoChartColour, line = model::kNoChartColour;
    int solid_fill = 0;  // 1 inside the shape's fill, 2 inside its line's

    ChartText collecting = ChartText::None;
    std::string text;

    void chart_element(std::string_view e, const XmlAttributes &a);
    void series_element(std::string_view e, const XmlAttributes &a);
    static SeriesPart part_of(std::string_view element);
    void axis_element(std::string_view e, const XmlAttributes &a);
    void drawing_element(const XmlName &name, const XmlAttributes &a);
    void start_series();
    void finish_series();
    void start_title();
    void finish_title();
    void finish_point();
    void point_element(std::string_view e, const XmlAttributes &a);
    void finish_point_look();
    void size_cache(size_t count);
    template <typename Item>
    Item *slot(std::vector<Item> &items, size_t index, Item missing);
    std::string_view val(const XmlAttributes &a) const { return a.get(Ns::None, "val"); }
};

void ChartReader::State::chart_element(std::string_view e, const XmlAttributes &a) {
    if (in_series) return series_element(e, a);
    if (e == "chart" && !chart_depth) chart_depth = depth;
    if (const ChartGroupKind *group = chart_group_of(e)) {
        if (!has_kind) chart.kind = group->kind;
        has_kind = true;
        ++groups;
    } else if (e == "barDir" && groups == 1) {
        chart.horizontal = val(a) == "bar";
    } else if (e == "grouping" && groups == 1) {
        chart.grouping = grouping_of(val(a));
    } else if (e == "ser" && groups) {
        start_series();
    } else if (e == "catAx" || e == "dateAx" || e == "valAx") {
        axis = e == "valAx" ? ChartAxis::Value : ChartAxis::Category;
        axis_depth = depth;
    } else if (axis != ChartAxis::None || title || e == "title" || e == "autoTitleDeleted") {
        axis_element(e, a);
    } else if (e == "legend" || e == "legendPos") {
        chart.legend = legend_of(val(a));  // a legend without a position is on the right
    }
}

// The titles: the chart's (a child of c:chart) and its axes'.
void ChartReader::State::axis_element(std::string_view e, const XmlAttributes &a) {
    if (e == "autoTitleDeleted" && depth == chart_depth + 1) {
        title_deleted = val(a) == "1" || val(a) == "true";
    } else if (e == "axPos" && axis == ChartAxis::Value && chart.kind == ChartKind::Scatter && !title) {
        if (val(a) == "b" || val(a) == "t") axis = ChartAxis::Category;
    } else if (e == "title" && !title) {
        start_title();
    } else if (e == "v" && title) {
        collecting = ChartText::Title;
    }
}

void ChartReader::State::start_title() {
    if (axis == ChartAxis::Category) title = &chart.category_title;
    if (axis == ChartAxis::Value) title = &chart.value_title;
    if (axis == ChartAxis::None && depth == chart_depth + 1) {
        title = &chart.title;
        title_wanted = true;
    }
    if (!title) return;
    title_depth = depth;
    title_paragraphs = 0;
    title->clear();
}

void ChartReader::State::finish_title() {
    while (!title->empty() && title->back() == ' ') title->pop_back();
    title = nullptr;
    title_depth = 0;
}

void ChartReader::State::start_series() {
    in_series = true;
    series_depth = depth;
    series = chart.series.size() < model::kMaxChartSeries ? &chart.series.emplace_back() : nullptr;
    fill = line = model::kNoChartColour;
}

void ChartReader::State::finish_series() {
    if (series) series->colour = fill != model::kNoChartColour ? fill : line;
    in_series = false;
    series = nullptr;
    part = SeriesPart::None;
}

// The part of a series a child of c:ser holds.
ChartReader::State::SeriesPart ChartReader::State::part_of(std::string_view e) {
    if (e == "tx") return SeriesPart::Name;
    if (e == "cat") return SeriesPart::Categories;
    if (e == "val" || e == "yVal") return SeriesPart::Values;
    if (e == "xVal") return SeriesPart::XValues;
    return SeriesPart::None;
}

// A point's own look (c:dPt): its index and its shape's colours.
void ChartReader::State::point_element(std::string_view e, const XmlAttributes &a) {
    if (depth != point_depth + 1) return;
    if (e == "idx") point_index = number_or_zero<size_t>(val(a));
    if (e == "spPr") shape_depth = depth;
}

void ChartReader::State::finish_point_look() {
    in_point = false;
    const uint32_t colour = point_fill != model::kNoChartColour ? point_fill : point_line;
    if (!series || colour == model::kNoChartColour) return;
    if (uint32_t *slot_colour = slot(series->point_colours, point_index, model::kNoChartColour)) *slot_colour = colour;
}

void ChartReader::State::series_element(std::string_view e, const XmlAttributes &a) {
    if (depth == series_depth + 1) {
        part = part_of(e);
        part_depth = depth;
        level = 0;
        if (e == "spPr") shape_depth = depth;
        if (e == "dPt") in_point = true, point_depth = depth, point_index = 0;
        if (e == "dPt") point_fill = point_line = model::kNoChartColour;
        return;
    }
    if (in_point) return point_element(e, a);
    if (part == SeriesPart::None || !series) return;
    if (e == "numCache" || e == "numLit" || e == "strCache" || e == "strLit" || e == "multiLvlStrCache") {
        numbers = e.starts_with("num");
        if (part == SeriesPart::XValues && !numbers) part = SeriesPart::Categories;
    } else if (e == "lvl") {
        ++level;
    } else if (level > 1) {
        return;
    } else if (e == "ptCount") {
        size_cache(number_or_zero<size_t>(val(a)));
    } else if (e == "pt") {
        const std::string_view idx = a.get(Ns::None, "idx");
        point = number_or_zero<size_t>(idx);
        point_valid = !idx.empty() && idx.find_first_not_of("0123456789") == std::string_view::npos;
    } else if (e == "v") {
        collecting = ChartText::Point;
        text.clear();
    }
}

// A slot for a point, grown within the chart's bound; null past it.
template <typename Item>
Item *ChartReader::State::slot(std::vector<Item> &items, size_t index, Item missing) {
    if (index < items.size()) return &items[index];
    const size_t room = model::kMaxChartPoints - points;
    if (index - items.size() >= room) return nullptr;
    points += index + 1 - items.size();
    items.resize(index + 1, missing);
    return &items[index];
}

void ChartReader::State::size_cache(size_t count) {
    if (!count || part == SeriesPart::Name) return;
    if (part == SeriesPart::Categories) slot(series->categories, count - 1, std::string());
    if (part == SeriesPart::Values) slot(series->values, count - 1, model::kNoChartValue);
    if (part == SeriesPart::XValues) slot(series->x_values, count - 1, model::kNoChartValue);
}

void ChartReader::State::finish_point() {
    if (text.size() > model::kMaxChartText) text.resize(model::kMaxChartText);
    if (part == SeriesPart::Name) {
        if (series->name.empty()) series->name = text;
        return;
    }
    if (!point_valid) return;
    double number = model::kNoChartValue;
    if (part == SeriesPart::Values || part == SeriesPart::XValues) {
        const char *end = text.data() + text.size();
        const auto r = std::from_chars(text.data(), end, number);
        if (r.ec != std::errc() || r.ptr != end) number = model::kNoChartValue;
    }
    if (part == SeriesPart::Categories) {
        if (std::string *label = slot(series->categories, point, std::string())) *label = text;
    } else if (part == SeriesPart::Values) {
        if (double *value = slot(series->values, point, model::kNoChartValue)) *value = number;
    } else if (part == SeriesPart::XValues) {
        if (double *x = slot(series->x_values, point, model::kNoChartValue)) *x = number;
    }
}

// Rich text of titles, and the colours of a series' own shape (or of its
// point's).
void ChartReader::State::drawing_element(const XmlName &name, const XmlAttributes &a) {
    if (title && name.local == "p" && title_paragraphs++ > 0 && !title->empty()) *title += ' ';
    if (title && name.local == "t") collecting = ChartText::Title;
    if (!in_series || !shape_depth) return;
    if (name.local == "solidFill") solid_fill = depth == shape_depth + 1 ? 1 : depth == shape_depth + 2 ? 2 : 0;
    if (!solid_fill || depth != shape_depth + solid_fill + 1) return;
    uint32_t &colour = solid_fill == 1 ? (in_point ? point_fill : fill) : (in_point ? point_line : line);
    if (colour == model::kNoChartColour) colour = drawing_colour(name, a);
}

ChartReader::ChartReader() : state_(std::make_unique<State>()) {}
ChartReader::~ChartReader() = default;

void ChartReader::start(const XmlName &name, const XmlAttributes &a) {
    State &s = *state_;
    ++s.depth;
    if (name.ns == Ns::Chart) s.chart_element(name.local, a);
    if (name.ns == Ns::Drawing) s.drawing_element(name, a);
}

void ChartReader::end(const XmlName &name) {
    using ChartText = State::ChartText;
    using SeriesPart = State::SeriesPart;
    using ChartAxis = State::ChartAxis;
    State &s = *state_;
    if (s.collecting == ChartText::Point && s.series) s.finish_point();
    s.collecting = ChartText::None;
    if (name.ns == Ns::Drawing && name.local == "solidFill") s.solid_fill = 0;
    if (s.depth == s.shape_depth) s.shape_depth = 0;
    if (s.depth == s.title_depth) s.finish_title();
    if (s.depth == s.axis_depth) s.axis = ChartAxis::None, s.axis_depth = 0;
    if (s.in_point && s.depth == s.point_depth) s.finish_point_look();
    if (s.in_series && s.depth == s.part_depth) s.part = SeriesPart::None;
    if (s.in_series && s.depth == s.series_depth) s.finish_series();
    --s.depth;
}

void ChartReader::text(std::string_view piece) {
    using ChartText = State::ChartText;
    State &s = *state_;
    std::string *into = s.collecting == ChartText::Title ? s.title : s.collecting == ChartText::Point ? &s.text : nullptr;
    if (into && into->size() < model::kMaxChartText) into->append(piece.substr(0, model::kMaxChartText - into->size()));
}

model::Chart ChartReader::take() {
    State &s = *state_;
    // A title without text of its own is the name of the chart's one series
    // (a pie's or doughnut's: of the series it shows, the first).
    const bool pie = s.chart.kind == ChartKind::Pie || s.chart.kind == ChartKind::Doughnut;
    const bool one_series = s.chart.series.size() == 1 || (pie && !s.chart.series.empty());
    if (s.title_wanted && !s.title_deleted && s.chart.title.empty() && one_series)
        s.chart.title = s.chart.series[0].name;
    return std::move(s.chart);
}

}  // namespace qrv::import
