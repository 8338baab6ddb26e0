// A chart on the page: drawn as inline SVG where its kind is drawn
// (chart_svg.hpp), else its title and a table of its data.
#pragma once

#include <string>
#include <string_view>

#include "pictures.hpp"

namespace qrv::filters::html {

// The chart drawn, "" for one whose kind is not drawn.
std::string chart_drawing(const ObjectInfo &object);
// <table class="chart-data"> with the chart's caption and data.
std::string chart_data_table(const ObjectInfo &object);

}  // namespace qrv::filters::html
