// Compact scaled integers: a 26-bit magnitude with a power of ten and a sign.
#include <qrvex/datavalue.h>

// Bits 0-3 the power n, bit 4 divide (else multiply) by 10^n, bit 5 negative,
// bits 6-31 the magnitude.  The scale is built by repeated multiplication.
extern "C" QRVAPI double FUConvertCompactToDouble(uint32_t word) {
    const unsigned power = word & 0x0F;
    const double step = (word & 0x10) ? 0.1 : 10.0;
    double scale = 1.0;
    for (unsigned k = 0; k < power; ++k) scale *= step;
    const double value = scale * static_cast<double>(word >> 6);
    return (word & 0x20) ? value * -1.0 : value;
}
