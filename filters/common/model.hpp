// The document model the filters read, named in the filters' namespace.
#pragma once

#include <qrvmodel/conventions.hpp>

namespace qrv::filters {
using namespace qrv::model;
}  // namespace qrv::filters
