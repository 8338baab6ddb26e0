// Where a conversion's output goes as the filter writes it: a file that
// appears whole or not at all, or memory.  A failure names the output and
// gives the system's reason.
#pragma once

#include <string>

#include "conversion.hpp"

namespace qrv::convert {

// The output could not be written, for the system's reason error (0: none known).
Outcome output_failure(const std::string &output_name, int error);
// The sink's own record of why a write failed.
Outcome sink_failure(const std::string &output_name, uint32_t sink);

Outcome open_file_output(Conversion &c, const std::string &path);
Outcome open_memory_output(Conversion &c);

// Flushes and closes the sink; the caller then commits the file (or flushes
// the stream) that stands behind it.
Outcome close_sink(Conversion &c, const std::string &output_name);
// close_sink, then the file takes the target's place.
Outcome close_file_output(Conversion &c);

}  // namespace qrv::convert
