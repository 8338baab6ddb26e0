#include "text_values.hpp"

#include <qrvex/items.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace qrv::ch {

namespace {

std::vector<uint8_t> little_endian(uint64_t value, size_t bytes) {
    std::vector<uint8_t> out(bytes);
    for (size_t i = 0; i < bytes; ++i) out[i] = static_cast<uint8_t>(value >> (8 * i));
    return out;
}

std::vector<uint8_t> reversed(std::vector<uint8_t> bytes) {
    std::reverse(bytes.begin(), bytes.end());
    return bytes;
}

std::optional<double> parse_double(std::string_view text) {
    std::string s(text);
    char *end = nullptr;
    const double value = std::strtod(s.c_str(), &end);
    if (s.empty() || *end != '\0') return std::nullopt;
    return value;
}

std::optional<int64_t> parse_integer(std::string_view text) {
    std::string s(text);
    char *end = nullptr;
    errno = 0;
    const long long value = std::strtoll(s.c_str(), &end, 0);
    if (s.empty() || *end != '\0' || errno) return std::nullopt;
    return value;
}

// A decimal written [-]digits[.digits]: its digits, sign and the number of
// digits after the point.
struct Decimal {
    bool negative = false;
    std::string digits;
    int fraction_digits = 0;
};

std::optional<Decimal> parse_decimal(std::string_view text) {
    Decimal d;
    if (!text.empty() && text[0] == '-') {
        d.negative = true;
        text.remove_prefix(1);
    }
    bool point = false;
    for (char c : text) {
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            d.digits += c;
            if (point) ++d.fraction_digits;
        } else {
            return std::nullopt;
        }
    }
    if (d.digits.empty()) return std::nullopt;
    return d;
}

// Packed decimal: sign and excess-70 exponent in byte 0, fourteen digits.
Storage encode_bcd(std::string_view text) {
    auto d = parse_decimal(text);
    if (!d) return {{}, "a packed decimal is written as digits with an optional point"};
    std::string digits = d->digits;
    const size_t lead = digits.find_first_not_of('0');
    if (lead == std::string::npos) return {std::vector<uint8_t>(8, 0), {}};
    digits = digits.substr(lead);
    if (digits.size() > 14) return {{}, "a packed decimal holds at most 14 digits"};
    const int exponent = -d->fraction_digits - static_cast<int>(14 - digits.size());
    digits.append(14 - digits.size(), '0');
    if (exponent + 70 < 0 || exponent + 70 > 127) return {{}, "the packed decimal's exponent is out of range"};
    std::vector<uint8_t> out(8);
    out[0] = static_cast<uint8_t>((d->negative ? 0x80 : 0) | (exponent + 70));
    for (size_t i = 0; i < 14; ++i) out[1 + i / 2] |= static_cast<uint8_t>((digits[i] - '0') << (i % 2 ? 0 : 4));
    return {out, {}};
}

// Compact scaled integer: 26-bit magnitude, sign, divide flag, power count.
Storage encode_compact(std::string_view text) {
    auto d = parse_decimal(text);
    if (!d || d->digits.size() > 9)
        return {{}, "a compact value is written as at most 9 digits with an optional point"};
    const uint32_t magnitude = static_cast<uint32_t>(std::stoul(d->digits));
    if (magnitude >= (1u << 26)) return {{}, "a compact value's digits must stay below 67108864"};
    if (d->fraction_digits > 15) return {{}, "a compact value has at most 15 digits after the point"};
    uint32_t word = magnitude << 6 | static_cast<uint32_t>(d->fraction_digits);
    if (d->fraction_digits) word |= 0x10;
    if (d->negative) word |= 0x20;
    return {little_endian(word, 4), {}};
}

// 80-bit extended float, little-endian, from a double (exactly).
std::vector<uint8_t> ext80_of(double value) {
    uint64_t significand = 0;
    uint32_t exponent = 0;
    const bool negative = std::signbit(value);
    value = std::fabs(value);
    if (std::isinf(value)) {
        significand = 1ull << 63;
        exponent = 0x7FFF;
    } else if (std::isnan(value)) {
        significand = 3ull << 62;
        exponent = 0x7FFF;
    } else if (value != 0.0) {
        int e = 0;
        const double fraction = std::frexp(value, &e);  // value = fraction * 2^e, fraction in [0.5, 1)
        significand = static_cast<uint64_t>(std::ldexp(fraction, 64));
        exponent = static_cast<uint32_t>(e - 1 + 16383);
    }
    std::vector<uint8_t> out = little_endian(significand, 8);
    out.push_back(static_cast<uint8_t>(exponent));
    out.push_back(static_cast<uint8_t>((exponent >> 8) | (negative ? 0x80 : 0)));
    return out;
}

Storage encode_integer(std::string_view text, bool is_signed, bool big_endian) {
    auto value = parse_integer(text);
    const int64_t low = is_signed ? INT32_MIN : 0;
    const int64_t high = is_signed ? INT32_MAX : UINT32_MAX;
    if (!value || *value < low || *value > high)
        return {{}, is_signed ? "a signed 32-bit integer is expected" : "an unsigned 32-bit integer is expected"};
    auto bytes = little_endian(static_cast<uint64_t>(*value), 4);
    return {big_endian ? reversed(bytes) : bytes, {}};
}

Storage encode_float(std::string_view text, uint32_t storage_type) {
    auto value = parse_double(text);
    if (!value) return {{}, "a floating-point number is expected"};
    std::vector<uint8_t> bytes;
    if (storage_type == CH_STORAGE_FLOAT || storage_type == CH_STORAGE_FLOAT_BE) {
        const float f = static_cast<float>(*value);
        uint32_t bits;
        std::memcpy(&bits, &f, 4);
        bytes = little_endian(bits, 4);
    } else if (storage_type == CH_STORAGE_DOUBLE || storage_type == CH_STORAGE_DOUBLE_BE) {
        uint64_t bits;
        std::memcpy(&bits, &*value, 8);
        bytes = little_endian(bits, 8);
    } else {
        bytes = ext80_of(*value);
    }
    const bool big_endian = storage_type == CH_STORAGE_FLOAT_BE || storage_type == CH_STORAGE_DOUBLE_BE ||
                            storage_type == CH_STORAGE_EXT80_BE;
    return {big_endian ? reversed(bytes) : bytes, {}};
}

}  // namespace

bool storage_takes_value(uint32_t storage_type) {
    return storage_type < CH_STORAGE_NONE_9 || storage_type > CH_STORAGE_UNDEFINED_12;
}

Storage encode_value(uint32_t storage_type, std::string_view text) {
    switch (storage_type) {
    case CH_STORAGE_INT32: return encode_integer(text, true, false);
    case CH_STORAGE_INT32_BE: return encode_integer(text, true, true);
    case CH_STORAGE_UINT32: return encode_integer(text, false, false);
    case CH_STORAGE_UINT32_BE: return encode_integer(text, false, true);
    case CH_STORAGE_FLOAT:
    case CH_STORAGE_FLOAT_BE:
    case CH_STORAGE_DOUBLE:
    case CH_STORAGE_DOUBLE_BE:
    case CH_STORAGE_EXT80:
    case CH_STORAGE_EXT80_BE: return encode_float(text, storage_type);
    case CH_STORAGE_BCD: return encode_bcd(text);
    case CH_STORAGE_COMPACT: return encode_compact(text);
    default: return {{}, "this storage type takes no value; use value-bytes"};
    }
}

}  // namespace qrv::ch
