// Output sinks: where a filter's FAWrite calls go.
#pragma once

#include <cstdint>

namespace qrv::fa {

// True for 0 (output is dropped) and for every live sink.
bool sink_exists(uint32_t hSink);

}  // namespace qrv::fa
