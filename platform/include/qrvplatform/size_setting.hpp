// A size in bytes that the environment may set, for the sizes from which
// the library and its readers change how they hold or read a document (a
// scratch file, a parse on a thread of its own).  Setting them small sends
// even small documents the other way, which is how the tests compare both.
#pragma once

#include <cstdint>

namespace qrv {

// The bytes the environment's variable gives, ~0 for "0" (never), or
// fallback when the variable is unset or not a number.
uint64_t size_setting(const char *variable, uint64_t fallback);

}  // namespace qrv
