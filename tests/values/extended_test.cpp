#include <gtest/gtest.h>
#include <qrvex/datavalue.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <random>

namespace {

struct Pattern {
    uint64_t significand;
    uint16_t sign_exponent;
};

std::array<uint8_t, 10> bytes_of(Pattern p) {
    std::array<uint8_t, 10> b{};
    std::memcpy(b.data(), &p.significand, 8);
    b[8] = uint8_t(p.sign_exponent);
    b[9] = uint8_t(p.sign_exponent >> 8);
    return b;
}

uint64_t bits(double d) { return std::bit_cast<uint64_t>(d); }

double convert(Pattern p) {
    const auto b = bytes_of(p);
    return FUSFloat10to8(b.data());
}

TEST(ExtendedToDouble, DocumentedPatterns) {
    struct Case {
        const char *what;
        Pattern in;
        uint64_t out;
    };
    const Case cases[] = {
        {"one", {0x8000000000000000, 16383}, bits(1.0)},
        {"minus two", {0x8000000000000000, 0x8000 | 16384}, bits(-2.0)},
        {"infinity", {0x8000000000000000, 0x7FFF}, bits(0.0)},
        {"minus infinity", {0x8000000000000000, 0xFFFF}, bits(0.0)},
        {"quiet NaN", {0xC000000000000000, 0x7FFF}, bits(0.0)},
        {"zero significand, any exponent and sign", {0, 0x8000 | 12345}, bits(0.0)},
        {"unnormal counts by its value", {0x4000000000000000, 16384}, bits(1.0)},
        {"cut-off half rounds up", {0x8000000000000400, 16383}, bits(1.0) + 1},
        {"cut-off half rounds up in magnitude", {0x8000000000000400, 0x8000 | 16383}, bits(-1.0) + 1},
        {"below half truncates", {0x80000000000003FF, 16383}, bits(1.0)},
        {"carry raises the exponent", {0xFFFFFFFFFFFFFC00, 16383}, bits(2.0)},
        {"largest double", {0xFFFFFFFFFFFFF800, 16383 + 1023}, bits(1.7976931348623157e308)},
        {"rounding past the largest double", {0xFFFFFFFFFFFFFC00, 16383 + 1023}, 0x7FF0000000000000},
        {"rebiased exponent of 2047 assembles as it stands", {0xC000000000000000, 16383 + 1024}, 0x7FF8000000000000},
        {"beyond 2047", {0x8000000000000000, 16383 + 1025}, bits(0.0)},
        {"smallest normal", {0x8000000000000000, 16383 - 1022}, 0x0010000000000000},
        {"largest subnormal", {0xFFFFFFFFFFFFF000, 16383 - 1023}, 0x000FFFFFFFFFFFFF},
        {"subnormal tie to even", {0xFFFFFFFFFFFFE800, 16383 - 1023}, 0x000FFFFFFFFFFFFE},
        {"subnormal rounds up to the smallest normal", {0xFFFFFFFFFFFFF800, 16383 - 1023}, 0x0010000000000000},
        {"smallest subnormal", {0x8000000000000000, 16383 - 1074}, 0x0000000000000001},
        {"half the smallest subnormal ties to zero", {0x8000000000000000, 16383 - 1075}, 0},
        {"above half the smallest subnormal", {0x8000000000000001, 16383 - 1075}, 1},
        {"negative underflow keeps its sign", {0x8000000000000000, 0x8000 | 100}, 0x8000000000000000},
        {"80-bit denormal", {0x0000000000000001, 0}, 0},
    };
    for (const Case &c : cases) EXPECT_EQ(bits(convert(c.in)), c.out) << c.what;
}

// The hardware conversion (x87 extended to double, nearest-even) is the
// oracle; the routine differs from it only where its rules say so.
uint64_t expected_from_hardware(Pattern p) {
    const int exponent = p.sign_exponent & 0x7FFF;
    const bool negative = p.sign_exponent & 0x8000;
    if (p.significand == 0 || exponent == 0x7FFF) return bits(0.0);
    const int z = std::countl_zero(p.significand);
    // Unnormals the hardware refuses; their exact value is built instead.
    const bool unnormal = z > 0 && exponent != 0;
    const long double exact = [&] {
        long double v;
        const auto b = bytes_of(p);
        std::memcpy(&v, b.data(), 10);
        if (unnormal) v = std::ldexp(static_cast<long double>(p.significand), exponent - 16446) * (negative ? -1 : 1);
        return v;
    }();
    const double rounded = static_cast<double>(exact);
    const int64_t rebiased = int64_t(exponent) - 16383 - z + 1023;
    if (rebiased > 2047) return bits(0.0);
    if (rebiased < 1) return bits(rounded);
    const bool tie = (p.significand << z & 0x7FF) == 0x400;
    if (tie && std::fabs(static_cast<long double>(rounded)) < std::fabs(exact))
        return bits(std::nextafter(rounded, negative ? -INFINITY : INFINITY));
    return bits(rounded);
}

TEST(ExtendedToDouble, MatchesHardwareOnAMillionPatterns) {
    std::mt19937_64 rng(2024);
    int compared = 0;
    for (int k = 0; k < 1000000; ++k) {
        uint64_t m = rng();
        int exponent;
        switch (k % 8) {
        case 0: exponent = int(rng() % 0x8000); break;
        case 1: exponent = 16383 - 1022 - int(rng() % 80); break;  // subnormal band
        case 2: exponent = 16383 + 1000 + int(rng() % 30); break;  // near the top
        case 3: exponent = 0x7FFF; break;
        case 4:
            m = (m | 0x8000000000000000) & ~0x7FFull;
            m |= 0x400;
            exponent = 15000 + int(rng() % 2500);
            break;
        case 5:
            m >>= rng() % 64;
            exponent = 16383 + int(rng() % 200) - 100;
            break;
        default:
            exponent = 16383 + int(rng() % 2000) - 1000;
            m |= 0x8000000000000000;
            break;
        }
        const Pattern p{m, uint16_t((rng() & 1 ? 0x8000 : 0) | exponent)};
        const int z = std::countl_zero(p.significand | 1);
        if (int64_t(exponent) - 16383 - z + 1023 == 2047) continue;  // checked in the table
        ASSERT_EQ(bits(convert(p)), expected_from_hardware(p)) << std::hex << p.significand << " " << p.sign_exponent;
        ++compared;
    }
    EXPECT_GT(compared, 990000);
}

}  // namespace
