// One export under a time limit (--timeout): run in a child process of its
// own, which is killed when the limit passes, so that no document, however
// slow to import or to export, holds up a batch for longer.  The child's
// result and warnings come back through a pipe; a killed child's output is
// never put in place and its temporary file is removed.
#pragma once

#include <string>
#include <vector>

#include "arguments.hpp"
#include "export_document.hpp"

namespace qrv::tool {

// True where the system can run an export in a child process.
bool timed_exports_available();

// export_document(args) in a child, given seconds to finish; warnings
// collects what it reported.  The threads of the calling process must not
// be inside the library while it forks (a batch under --timeout runs every
// export in a child).
ExportResult export_in_time(const Arguments &args, unsigned seconds, std::vector<std::string> &warnings);

}  // namespace qrv::tool
