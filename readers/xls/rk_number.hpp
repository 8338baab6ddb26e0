// The packed numbers of RK and MULRK records: 30 bits of either a signed
// integer or the top of a double, optionally a hundredth of that.
#pragma once

#include <cstdint>
#include <cstring>

namespace qrv::import::xls {

inline double rk_number(uint32_t rk) {
    double value;
    if (rk & 0x02) {
        value = static_cast<int32_t>(rk & 0xFFFFFFFCu) / 4;
    } else {
        const uint64_t bits = uint64_t{rk & 0xFFFFFFFCu} << 32;
        std::memcpy(&value, &bits, sizeof value);
    }
    return rk & 0x01 ? value / 100 : value;
}

}  // namespace qrv::import::xls
