// A stored data value, by storage type and multiplier code, as a double.
#include <qrvex/datavalue.h>

#include <algorithm>
#include <cstring>

namespace qrv::values {
namespace {

enum Result : uint32_t { kNoValue = 0, kValue = 1 };

double multiplier_factor(uint32_t code) {
    static constexpr double factors[] = {5000.0, 1000.0, 500.0, 0.05, 0.005, 0.0005, 0.00005, 0.0625, 0.015625, 0.01};
    return code >= CH_MULTIPLIER_5000 && code <= CH_MULTIPLIER_0_01 ? factors[code - CH_MULTIPLIER_5000] : 1.0;
}

template <typename T>
T read_le(const uint8_t *p) {
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Turns a big-endian form into the little-endian one in the caller's bytes.
void reverse_in_place(uint8_t *p, size_t n) { std::reverse(p, p + n); }

bool is_no_value_double(const uint8_t *p) { return p[6] == 0xFF && p[7] == 0xFF; }

// Converts without the multiplier; false when the storage holds no value.
bool convert(uint8_t *s, uint32_t type, double &out) {
    switch (type) {
    case CH_STORAGE_INT32_BE: reverse_in_place(s, 4); [[fallthrough]];
    case CH_STORAGE_INT32: out = read_le<int32_t>(s); return true;
    case CH_STORAGE_UINT32_BE: reverse_in_place(s, 4); [[fallthrough]];
    case CH_STORAGE_UINT32: out = read_le<uint32_t>(s); return true;
    case CH_STORAGE_FLOAT_BE: reverse_in_place(s, 4); [[fallthrough]];
    case CH_STORAGE_FLOAT: out = read_le<float>(s); return true;
    case CH_STORAGE_DOUBLE:
        if (is_no_value_double(s)) return false;
        out = read_le<double>(s);
        return true;
    case CH_STORAGE_DOUBLE_BE:
        reverse_in_place(s, 8);
        out = read_le<double>(s);
        return true;
    case CH_STORAGE_EXT80_BE: reverse_in_place(s, 10); [[fallthrough]];
    case CH_STORAGE_EXT80: out = FUSFloat10to8(s); return true;
    case CH_STORAGE_BCD: out = FUConvertBCDToDouble(s); return true;
    case CH_STORAGE_NONE_9:
    case CH_STORAGE_NONE_10: return false;
    case CH_STORAGE_COMPACT: out = FUConvertCompactToDouble(read_le<uint32_t>(s)); return true;
    default: out = 0.0; return true;  // types 11, 12 and above 15 define no conversion
    }
}

}  // namespace
}  // namespace qrv::values

// Result 1: *pValue holds the converted value times the multiplier's factor.
// Result 0: no value (a little-endian double whose bytes 6 and 7 are 0xFF,
// storage types 9 and 10); *pValue is 0.0.  Types 11, 12 and above 15 have
// no conversion: we write 0.0 and give 1.  Big-endian forms are reversed in
// place and a packed decimal loses its sign bit, so convert storage once.
extern "C" QRVAPI uint32_t FUDataValFromUnion(void *storage, uint32_t multiplierCode, uint32_t storageType,
                                              double *pValue) {
    using namespace qrv::values;
    double value = 0.0;
    if (!convert(static_cast<uint8_t *>(storage), storageType, value)) {
        *pValue = 0.0;
        return kNoValue;
    }
    *pValue = value * multiplier_factor(multiplierCode);
    return kValue;
}
