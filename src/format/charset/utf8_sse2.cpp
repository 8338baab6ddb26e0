// The SSE2 path: the step loop with each step's tests and encoding in
// vector lanes.
#include "format/charset/utf8_sse2_kernels.hpp"

namespace qrv::charset {
#if defined(__SSE2__)
void utf8_bulk_sse2(Utf8Cursor &c) { bulk_in_steps<sse2::Sse2Kernels>(c); }

void utf8_steps_sse2(Utf8Cursor &c, size_t budget) { bulk_in_steps<sse2::Sse2Kernels>(c, budget); }
#else
void utf8_bulk_sse2(Utf8Cursor &c) { utf8_bulk_scalar(c); }
#endif

}  // namespace qrv::charset
