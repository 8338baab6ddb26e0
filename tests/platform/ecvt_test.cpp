// _ecvt: exact digits rounded half up; _fpclass.
#include <gtest/gtest.h>
#include <qrvex/types.h>
#include <qrvplatform/platform.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

struct Digits {
    std::string text;
    int decpt;
    int sign;
};

Digits ecvt(double v, int n) {
    Digits d;
    d.text = _ecvt(v, n, &d.decpt, &d.sign);
    return d;
}

TEST(Ecvt, RoundsHalfUpOnTheExactValue) {
    struct Row {
        double value;
        int n;
        const char *digits;
        int decpt, sign;
    };
    const Row rows[] = {
        {2.5, 1, "3", 1, 0},  // an exact tie goes up, not to even
        {0.125, 2, "13", 0, 0},      {0.375, 2, "38", 0, 0},
        {-1250, 2, "13", 4, 1},      {0.15, 1, "1", 0, 0},  // 0.1499999999999999944...
        {0.35, 1, "3", 0, 0},                               // 0.3499999999999999778...
        {9.99, 2, "10", 2, 0},                              // carry out of the first digit
        {9.5, 0, "", 2, 0},          {0.1, 20, "10000000000000000555", 0, 0},
        {1e22, 3, "100", 23, 0},     {123.456, 5, "12346", 3, 0},
        {5e-324, 3, "494", -323, 0}, {DBL_MAX, 4, "1798", 309, 0},
        {0.0, 3, "000", 0, 0},       {-0.0, 2, "00", 0, 1},
        {1.0, -4, "", 1, 0},
    };
    for (const auto &r : rows) {
        const Digits d = ecvt(r.value, r.n);
        EXPECT_EQ(d.text, r.digits) << r.value << " n=" << r.n;
        EXPECT_EQ(d.decpt, r.decpt) << r.value << " n=" << r.n;
        EXPECT_EQ(d.sign, r.sign) << r.value;
    }
}

TEST(Ecvt, LongDigitStringsAreExact) {
    // 2^-20 has exactly 15 significant digits; the rest are zeros.
    const Digits d = ecvt(std::ldexp(1.0, -20), 349);
    EXPECT_EQ(d.text, "95367431640625" + std::string(335, '0'));
    EXPECT_EQ(d.decpt, -6);
    EXPECT_EQ(ecvt(1.0, 1000).text.size(), 349u);
}

// True when the digits of |v| after the first n are exactly 5 then zeros.
bool is_exact_tie(double v, int n) {
    static char text[1000];
    std::snprintf(text, sizeof text, "%.800e", std::fabs(v));
    std::string digits;
    for (const char *p = text; *p != 'e'; ++p)
        if (*p != '.') digits += *p;
    return digits[n] == '5' && digits.find_first_not_of('0', n + 1) == std::string::npos;
}

// _ecvt(v, n) against printf's correctly rounded digits, unless the digits
// after the first n are an exact tie (printf rounds those to even; the
// table above covers them).
void expect_printf_digits(double v, int n) {
    if (is_exact_tie(v, n)) return;
    static char text[1000];
    std::snprintf(text, sizeof text, "%.*e", n - 1, std::fabs(v));
    std::string expected;
    const char *p = text;
    for (; *p != 'e'; ++p)
        if (*p != '.') expected += *p;
    const Digits d = ecvt(v, n);
    ASSERT_EQ(d.text, expected) << text;
    ASSERT_EQ(d.decpt, std::atoi(p + 1) + 1) << text;
}

TEST(Ecvt, AgreesWithPrintfAwayFromTies) {
    std::mt19937_64 rng(11);
    for (int i = 0; i < 20000; ++i) {
        double v;
        const uint64_t bits = rng();
        std::memcpy(&v, &bits, sizeof v);
        if (!std::isfinite(v) || v == 0) continue;
        expect_printf_digits(v, 1 + static_cast<int>(rng() % 20));
    }
}

// Magnitudes from 2^-70 to 2^70 take the integer-arithmetic path where they
// fit it (below 2^64, at most 64 fraction bits) and printf's otherwise;
// both give the same digits, also at full length.
TEST(Ecvt, IntegerPathAgreesWithPrintf) {
    std::mt19937_64 rng(12);
    std::uniform_real_distribution<double> mantissa(1.0, 2.0);
    for (int i = 0; i < 20000; ++i) {
        const double v = std::ldexp(mantissa(rng), static_cast<int>(rng() % 141) - 70);
        expect_printf_digits(v, i % 4 == 0 ? 255 : 1 + static_cast<int>(rng() % 20));
        if (HasFatalFailure()) return;
    }
    for (double v : {0x1p64, 0x1p64 - 2048, 0x1p-11, 0x1p-12, 1.0, 0.5, 18446744073709549568.0, 0.01})
        expect_printf_digits(v, 25);
}

TEST(Ecvt, SpecialValues) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(ecvt(inf, 7).text, "1#INF00");
    EXPECT_EQ(ecvt(-inf, 3).sign, 1);
    EXPECT_EQ(ecvt(std::numeric_limits<double>::quiet_NaN(), 6).text, "1#QNAN");
    EXPECT_EQ(ecvt(-std::numeric_limits<double>::quiet_NaN(), 5).text, "1#IND");
    EXPECT_EQ(ecvt(inf, 7).decpt, 1);
}

TEST(FpClass, ClassifiesEveryKind) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, int> rows[] = {
#if !QRV_PTR32
        // The x87 registers of a 32-bit build quiet a signalling NaN in passing.
        {std::numeric_limits<double>::signaling_NaN(), _FPCLASS_SNAN},
#endif
        {std::numeric_limits<double>::quiet_NaN(), _FPCLASS_QNAN},
        {-inf, _FPCLASS_NINF},
        {-1.5, _FPCLASS_NN},
        {-5e-324, _FPCLASS_ND},
        {-0.0, _FPCLASS_NZ},
        {0.0, _FPCLASS_PZ},
        {DBL_MIN / 2, _FPCLASS_PD},
        {DBL_MIN, _FPCLASS_PN},
        {inf, _FPCLASS_PINF},
    };
    for (const auto &[value, cls] : rows) EXPECT_EQ(_fpclass(value), cls) << value;
}

}  // namespace
