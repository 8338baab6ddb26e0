// Charts that are parts of a package (DrawingML chart parts, reached from
// a drawing's c:chart through its part's relationships): read from their
// caches and kept as the document's resources.
#pragma once

#include <string>
#include <string_view>

#include "package.hpp"
#include "writer/picture_store.hpp"

namespace qrv::import {

// The resource name of the chart in a part of the package, "" when the
// part is missing or is no chart (a broken part is left out with a
// warning).
std::string keep_chart_part(Package &package, PictureStore &store, std::string_view part);

}  // namespace qrv::import
