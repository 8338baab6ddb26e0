// Batch conversion: qrvex-export --output-dir DIR [--mirror] --jobs N INPUT...
// Each document is one export of its own, run on one of N threads; a
// document that fails is named in the summary and the others go on.
#pragma once

#include <string>

#include "arguments.hpp"

namespace qrv::tool {

// The whole batch, from making DIR to the summary on standard error; the
// exit status: 0 when every document was converted, 1 when any failed,
// 2 when DIR cannot be made.
int run_batch(const Arguments &args);

}  // namespace qrv::tool
