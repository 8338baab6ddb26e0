// Scratch files for output held back: in the system's directory for
// temporary files, gone when closed.
#pragma once

#include <cstdio>

namespace qrv::filters {

// A new scratch file open for writing and reading, deleted when closed (on
// POSIX systems it has no name once open); null when none can be made.
std::FILE *open_scratch_file();

// A scratch file could not be written, for the system's reason error; the
// host reads it with QRVTakeScratchFileError.
void note_scratch_failure(int error);

}  // namespace qrv::filters
