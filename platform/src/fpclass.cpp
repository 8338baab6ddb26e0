// _fpclass: the runtime's classification of a double into one _FPCLASS_* bit.
#include <qrvplatform/platform.h>

#include <cstdint>
#include <cstring>

extern "C" int _fpclass(double value) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const bool negative = bits >> 63;
    const uint64_t exponent = (bits >> 52) & 0x7FF;
    const uint64_t mantissa = bits & 0xFFFFFFFFFFFFFull;
    if (exponent == 0x7FF) {
        if (mantissa == 0) return negative ? _FPCLASS_NINF : _FPCLASS_PINF;
        return (mantissa >> 51) ? _FPCLASS_QNAN : _FPCLASS_SNAN;
    }
    if (exponent == 0) {
        if (mantissa == 0) return negative ? _FPCLASS_NZ : _FPCLASS_PZ;
        return negative ? _FPCLASS_ND : _FPCLASS_PD;
    }
    return negative ? _FPCLASS_NN : _FPCLASS_PN;
}
