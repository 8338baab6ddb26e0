// A chart as inline SVG: bars and columns (clustered, stacked, percent),
// lines, areas, pies and doughnuts, scatter points; its title, axis
// titles, labels, a legend, and the series' colours from the chart (the
// page's palette otherwise).  All text is escaped; nothing runs.
#pragma once

#include <qrvmodel/chart.hpp>

#include <cstdint>
#include <string>
#include <string_view>

namespace qrv::filters::html {

// Whether the chart's kind is one drawn; other kinds show their data.
bool chart_drawn(const model::Chart &chart);

// The <svg> element, as large as the document shows the chart (480 by 300
// pixels where unknown); label is its accessible name.
std::string chart_svg(const model::Chart &chart, std::string_view label, uint32_t width_pt, uint32_t height_pt);

}  // namespace qrv::filters::html
