// Runs a piece of a test as the filter of an export: a filter registered
// with QRVFA for the call's length runs body inside EXRunExport, where the
// library keeps what its searches read for the rest of the run.  The same
// body called directly runs outside any export, so a test can hold the two
// against each other.
#pragma once

#include <functional>

namespace qrv::test {

// EXRunExport's result (0 when the export ran body).
unsigned run_inside_export(const std::function<void()> &body);

}  // namespace qrv::test
