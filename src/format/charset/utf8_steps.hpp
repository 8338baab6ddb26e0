// The step loop of the scalar and SSE2 paths: eight units a step, taken as
// bytes when all are ASCII, encoded lane by lane when none is a surrogate
// half, and character by character otherwise.
#pragma once

#include "format/charset/utf8_encode.hpp"

namespace qrv::charset {

// Units handled per step.  A step writes at most three bytes a unit, plus
// one: for a pair whose low half lies just past the step, or for the fourth
// byte the branch-free encoder stores after its last unit.
constexpr size_t kStep = 8;
constexpr size_t kStepWorstBytes = 3 * kStep + 1;

// Kernels: pack_ascii(out, p) packs eight units to bytes when all are
// ASCII (else false); without_surrogates(p); encode_bmp(out, p) writes
// eight units none of which is a surrogate half and returns the bytes.
// At most budget units (give or take a step) are converted.
template <typename Kernels>
void bulk_in_steps(Utf8Cursor &cursor, size_t budget = SIZE_MAX) {
    // A copy of the cursor, which stores through the byte pointers cannot
    // touch, stays in registers.
    Utf8Cursor c = cursor;
    // A pair that straddles the last step carries c.in one unit past end,
    // so the bound is written as a sum that cannot wrap.
    const size_t end = c.units - c.in > budget ? c.in + budget : c.units;
    while (c.in + kStep <= end && c.room() >= kStepWorstBytes) {
        const uint8_t *p = c.src + 2 * c.in;
        uint8_t *out = c.dst + c.out;
        if (Kernels::pack_ascii(out, p)) {
            c.in += kStep;
            c.out += kStep;
        } else if (Kernels::without_surrogates(p)) {
            c.out += Kernels::encode_bmp(out, p);
            c.in += kStep;
        } else {
            for (const size_t end = c.in + kStep; c.in < end;) c.encode_one();
        }
    }
    cursor = c;
}

}  // namespace qrv::charset
