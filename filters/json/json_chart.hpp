// A chart's cached values as the "chart" member of an image object: its
// kind, grouping, titles, legend and series (docs/qrvex-document.schema.json).
#pragma once

#include <qrvmodel/chart.hpp>

#include "json_text.hpp"
#include "output.hpp"

namespace qrv::filters::json {

// Writes "chart": {...} as the next member of the object open in nest.
void write_chart(Output &out, Nesting &nest, const model::Chart &chart);

}  // namespace qrv::filters::json
