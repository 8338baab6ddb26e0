// Faults of an import, under the result codes of the readers' C interface.
#pragma once

#include <qrvim.h>

#include "writer/build_error.hpp"

namespace qrv::import {

static_assert(kFaultBroken == IM_ERR_BROKEN && kFaultLimit == IM_ERR_LIMIT);
static_assert(kFaultNoMemory == IM_ERR_NO_MEMORY && kFaultDocument == IM_ERR_DOCUMENT);

}  // namespace qrv::import
