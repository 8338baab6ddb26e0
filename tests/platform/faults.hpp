// Ways to make the hardware fault on purpose, for tests of the exception
// frames.  The sanitizers would report these before the fault happens, so
// they are kept out of their reach.
#pragma once

#include <cstdint>

namespace qrv::test {

#define QRV_TEST_NO_SANITIZE __attribute__((noinline, no_sanitize("undefined", "address", "thread")))

QRV_TEST_NO_SANITIZE inline void write_through_null() {
    volatile int *volatile target = nullptr;
    *target = 1;
}

// The quotient goes to a volatile too: an optimiser may drop a division
// whose result nobody reads, and with it the fault.
QRV_TEST_NO_SANITIZE inline int divide_by(int divisor) {
    volatile int dividend = 7;
    volatile int quotient = dividend / divisor;
    return quotient;
}

QRV_TEST_NO_SANITIZE inline void illegal_instruction() { __builtin_trap(); }

// Deep enough recursion to run off the end of any thread's stack.
QRV_TEST_NO_SANITIZE inline uint32_t recurse_forever(uint32_t depth) {
    volatile char pad[512];
    pad[0] = static_cast<char>(depth);
    if (depth == UINT32_MAX) return pad[0];
    return recurse_forever(depth + 1) + pad[0];
}

}  // namespace qrv::test
