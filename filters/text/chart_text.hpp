// A chart in plain text: its caption, then its data as aligned columns
// (the categories, then a column a series, numbers on the right).
#pragma once

#include "output.hpp"
#include "pictures.hpp"

namespace qrv::filters::text {

void write_chart_text(Output &out, const ObjectInfo &object);

}  // namespace qrv::filters::text
