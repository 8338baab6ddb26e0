// A chart in Markdown: its caption in bold, then its data as a pipe table
// (the categories, then a column a series, numbers aligned right).
#pragma once

#include "output.hpp"
#include "pictures.hpp"

namespace qrv::filters::markdown {

void write_chart_block(Output &out, const ObjectInfo &object);

}  // namespace qrv::filters::markdown
