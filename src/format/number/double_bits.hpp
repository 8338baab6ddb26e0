// The fields of a double's bits: the sign, the biased exponent and the
// mantissa below it.
#pragma once

#include <cstdint>

namespace qrv::numformat {

constexpr int kMantissaBits = 52;
constexpr int kExponentBias = 1075;  // bias plus mantissa bits
constexpr uint64_t kSignBit = uint64_t{1} << 63;

}  // namespace qrv::numformat
