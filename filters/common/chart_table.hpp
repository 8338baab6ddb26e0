// A chart's data as a table, for the pages that do not draw it: a column
// of categories (a scatter chart's x values, those of its first series),
// then a column a series; a row a point.
#pragma once

#include <qrvmodel/chart.hpp>

#include <string>
#include <vector>

#include "pictures.hpp"

namespace qrv::filters {

// What a chart is called on the page: its title, else its object's
// description or name, else "Chart".
std::string chart_caption(const ObjectInfo &object);

struct ChartTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;  // each as wide as the header
};

ChartTable chart_table(const model::Chart &chart);

// A series' name, "Series N" (from 1) for one without.
std::string series_label(const model::Chart &chart, size_t index);
// The shortest decimal that reads back as the value, "" for a missing one.
std::string chart_number(double value);
// The label of a point's category: the first series' category, else (a
// scatter chart) its x value, else the point's number from 1.
std::string category_label(const model::Chart &chart, size_t point);
// The number of points of the longest series.
size_t chart_points(const model::Chart &chart);

}  // namespace qrv::filters
