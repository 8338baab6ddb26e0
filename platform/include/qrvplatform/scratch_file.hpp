// A scratch file: an unnamed file in the temporary folder that goes away
// with its last descriptor, for blocks too large to keep in memory.
#pragma once

#include <cstddef>

namespace qrv {

// Opens a new scratch file for reading and writing in $TMPDIR, else
// /var/tmp, else /tmp; -1 when none can be made (or on systems without
// them).  The caller closes it.
int open_scratch_file();

// Makes the file, now from bytes long, to bytes long with its new blocks
// allocated, so that writing through a mapping of it cannot fail for want of
// disk space; false when the disk cannot hold them.
bool grow_scratch_file(int fd, size_t from, size_t to);

void close_scratch_file(int fd);

// The size from which a growing block lives in a scratch file: fallback,
// or the bytes the environment's QRVEX_SCRATCH_FROM gives (0: never), read
// once.  A small value sends even small documents through scratch files,
// which is how the tests compare the two ways.
size_t scratch_from_setting(size_t fallback);

}  // namespace qrv
