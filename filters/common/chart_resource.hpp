// The chart an object tag names: its resource read back into the model's
// chart (qrvmodel/chart_codec.hpp).
#pragma once

#include <qrvch.h>
#include <qrvmodel/chart.hpp>

#include <memory>
#include <string_view>

namespace qrv::filters {

// Null when the document has no resource of that name or it is no chart.
std::shared_ptr<const model::Chart> chart_of_resource(CHHandle h, std::string_view resource);

}  // namespace qrv::filters
