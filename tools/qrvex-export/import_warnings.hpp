// The importer's warnings as the user sees them: every warning, and the
// notes on quirks of the file's producer (a style based on one the file
// leaves out) only when asked for, otherwise counted in one line.
#pragma once

#include <string_view>

#include "export_document.hpp"

namespace qrv::tool {

// Hands the lines of an import's message to the observer: "warning: ..."
// lines always, "note: ..." lines when verbose, else one closing line
// "N warnings (--verbose shows them)".
void report_import_warnings(std::string_view message, bool verbose, ExportObserver &observer);

}  // namespace qrv::tool
