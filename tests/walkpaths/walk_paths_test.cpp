// The plain walk against the general walk over the full expansion: the
// same text for every format, value and convention.  Formats are drawn
// mostly in the plain walk's shape and then now and then disturbed by a
// code of any kind, so that both what it takes and what it must decline
// are met; values are drawn where digits, rounding and the noise filter are
// easiest to get wrong.
#include "digitpaths/format_paths.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace qrv::test {
namespace {

using numformat::DigitPath;
using numformat::WalkPath;

constexpr FUFormatCode k0 = tok(FU_TOKEN_DIGIT_ZERO), kOpt = tok(FU_TOKEN_DIGIT_OPTIONAL),
                       kBlank = tok(FU_TOKEN_DIGIT_BLANK), kPoint = tok(FU_TOKEN_POINT),
                       kPercent = tok(FU_TOKEN_PERCENT), kGroup = tok(FU_TOKEN_GROUPING),
                       kCurrency = tok(FU_TOKEN_CURRENCY), kExp = tok(FU_TOKEN_EXPONENT);

class RandomFormats {
public:
    explicit RandomFormats(uint64_t seed) : random_(seed) {}

    FUNumberFormat next() {
        std::vector<FUFormatCode> codes;
        switch (coin(16)) {
        case 0:
        case 1: codes = any_codes(); break;
        case 2:
        case 3:
        case 4: codes = dates(); break;
        case 5: return general();
        default: codes = plain(); break;
        }
        for (uint32_t k = coin(3) == 0 ? 1 + coin(2) : 0; k > 0; --k) disturb(codes);
        FUNumberFormat format = compiled_format(codes.data(), static_cast<uint32_t>(codes.size()));
        if (coin(64) == 0) ++(coin(2) == 0 ? format.intDigits : format.fracDigits);  // counts that lie
        return format;
    }

private:
    uint32_t coin(uint32_t sides) { return static_cast<uint32_t>(random_() % sides); }

    FUFormatCode literal(bool digits) {
        static const char16_t kText[] = u" $-()=ab\u00E9\u20AC";
        if (digits && coin(3) == 0) return u'0' + coin(10);
        return kText[coin(sizeof kText / sizeof kText[0] - 1)];
    }

    // Literal text, percent and currency signs, grouping tokens.
    FUFormatCode text_code(bool digits) {
        switch (coin(6)) {
        case 0: return kPercent;
        case 1: return kCurrency;
        case 2: return kGroup;
        default: return literal(digits);
        }
    }

    std::vector<FUFormatCode> plain() {
        std::vector<FUFormatCode> codes;
        for (uint32_t k = coin(4); k > 0; --k) codes.push_back(text_code(false));
        for (uint32_t k = 1 + coin(coin(4) == 0 ? 12 : 5); k > 0; --k) {
            if (coin(4) == 0) codes.push_back(kGroup);
            codes.push_back(coin(3) == 0 ? kOpt : k0);
        }
        if (coin(4) != 0) {
            codes.push_back(kPoint);
            for (uint32_t k = coin(6) == 0 ? coin(18) : coin(5); k > 0; --k) {
                const uint32_t kind = coin(6);
                codes.push_back(kind == 0 ? kBlank : kind == 1 ? kOpt : k0);
            }
        }
        for (uint32_t k = coin(4); k > 0; --k) codes.push_back(text_code(true));
        return codes;
    }

    // Date and time fields with separators, text, points, escapes.
    std::vector<FUFormatCode> dates() {
        std::vector<FUFormatCode> codes;
        for (uint32_t k = 1 + coin(10); k > 0; --k) {
            switch (coin(8)) {
            case 0: codes.push_back(literal(true)); break;
            case 1: codes.push_back(tok(coin(2) == 0 ? FU_TOKEN_DATE_SEPARATOR : FU_TOKEN_TIME_SEPARATOR)); break;
            case 2: codes.insert(codes.end(), {tok(FU_TOKEN_ESCAPE), literal(true)}); break;
            case 3: codes.push_back(coin(2) == 0 ? kPoint : tok(FU_TOKEN_24_HOURS)); break;
            default: codes.push_back(tok(coin(4) == 0 ? 0x120 + coin(0x1B) : FU_TOKEN_DAY_2 + coin(13))); break;
            }
        }
        return codes;
    }

    // Formats that are their general form: empty, a general token, the
    // default format's record, now and then with other flags.
    FUNumberFormat general() {
        FUNumberFormat format;
        switch (coin(3)) {
        case 0: format = compiled_format({}); break;
        case 1: format = compiled_format({tok(FU_TOKEN_GENERAL)}); break;
        default:
            format = compiled_format({k0});
            format.FormatFlags = FU_FORMAT_GENERAL;
            format.intDigits = 0;
            break;
        }
        if (coin(8) == 0) format.FormatFlags |= coin(2) == 0 ? FU_FORMAT_PERCENT : FU_FORMAT_SCIENTIFIC;
        if (coin(32) == 0) format.fracDigits = 1;
        return format;
    }

    // A code of any kind: every token from 0x100 to 0x13F (the unknown ones
    // among them), escapes and repeats with their character, text.
    FUFormatCode any_code() {
        switch (coin(5)) {
        case 0: return literal(true);
        case 1: return text_code(true);
        case 2: return coin(3) == 0 ? kBlank : coin(2) == 0 ? kPoint : kExp;
        default: return tok(0x100 + coin(0x40));
        }
    }

    std::vector<FUFormatCode> any_codes() {
        std::vector<FUFormatCode> codes;
        for (uint32_t k = coin(12); k > 0; --k) codes.push_back(any_code());
        return codes;
    }

    void disturb(std::vector<FUFormatCode> &codes) {
        const auto at = codes.begin() + coin(static_cast<uint32_t>(codes.size()) + 1);
        const FUFormatCode code = any_code();
        if (code == tok(FU_TOKEN_ESCAPE) || code == tok(FU_TOKEN_REPEAT)) {
            codes.insert(at, {code, literal(true)});
            return;
        }
        codes.insert(at, code);
    }

    std::mt19937_64 random_;
};

// Serial days of 1900 to 2100 with a time of day, whole days, the days
// around the false leap day, negative ones; or else values HardValues
// draws.
double value_for_dates(std::mt19937_64 &random, HardValues &values) {
    switch (random() % 8) {
    case 0: return static_cast<double>(random() % 73000);
    case 1: return 58.0 + static_cast<double>(random() % 5) + (random() % 2 == 0 ? 0.0 : 0.5);
    case 2: return -static_cast<double>(random() % 4000000) / 64.0;
    case 3:
    case 4: return values.next();
    default: return static_cast<double>(random() % (73000ull << 20)) / (1 << 20);
    }
}

// Conventions of every kind, separators that are digits among them, and
// outputs too short for some texts.
PathCall random_call(std::mt19937_64 &random) {
    auto coin = [&](uint32_t sides) { return static_cast<uint32_t>(random() % sides); };
    static const char kDecimals[] = {'.', ',', ' ', '\'', 0, '5'};
    static const char kThousands[] = {',', '.', ' ', 0, '7', static_cast<char>(0xA0)};
    static const char *const kCurrencies[] = {"$", "EUR", "", "1$", "\xA3", "12345678"};
    PathCall call;
    call.intl.DecimalSeparator = kDecimals[coin(4) == 0 ? coin(sizeof kDecimals) : coin(2)];
    call.intl.ThousandsSeparator = kThousands[coin(4) == 0 ? coin(sizeof kThousands) : coin(2)];
    std::memcpy(call.intl.CurrencySymbol, kCurrencies[coin(6)], sizeof call.intl.CurrencySymbol);
    call.intl.DateOrder = static_cast<uint16_t>(coin(3));
    call.exponentOptions = coin(4);
    call.dayBase = coin(2) == 0 ? 2415019 : 0;
    call.dateFlags = coin(2);
    if (coin(16) == 0) call.outputSize = 1 + coin(24);
    return call;
}

// Pairs per run of this program; a tenth of it in a build without 128-bit
// integers (the 32-bit one, run under an emulator), where the reference
// asks printf for every expansion.
#if defined(__SIZEOF_INT128__)
constexpr uint64_t kPairs = 4'000'000;
#else
constexpr uint64_t kPairs = 400'000;
#endif

TEST(WalkPaths, PlainWalkWritesTheTextOfTheReference) {
    RandomFormats formats(20261207);
    HardValues values(20261208);
    std::mt19937_64 random(20261209);
    uint64_t differ = 0;
    uint64_t taken[4] = {};  // by FastWalk
    FUNumberFormat format{};
    for (uint64_t i = 0; i < kPairs; ++i) {
        if (i % 16 == 0) format = formats.next();
        const bool dates = (format.FormatFlags & FU_FORMAT_DATE_TIME) != 0;
        const double value = dates ? value_for_dates(random, values) : values.next();
        const PathCall call = random_call(random);
        const std::string fast = format_on_path(format, value, call, DigitPath::kShort, WalkPath::kFast);
        const std::string reference = format_on_path(format, value, call, DigitPath::kFull, WalkPath::kGeneral);
        ++taken[static_cast<int>(fast_walk_taking(format, value, call))];
        if (fast == reference) continue;
        if (++differ <= 10)
            ADD_FAILURE() << describe_codes(format) << " of " << describe(value) << ": fast \"" << fast
                          << "\", reference \"" << reference << "\"";
    }
    EXPECT_EQ(differ, 0u);
    std::printf("fast walks took %llu plain, %llu general, %llu date texts of %llu\n",
                static_cast<unsigned long long>(taken[1]), static_cast<unsigned long long>(taken[2]),
                static_cast<unsigned long long>(taken[3]), static_cast<unsigned long long>(kPairs));
    // The draw must keep every fast walk busy, or the comparison says little.
    EXPECT_GT(taken[static_cast<int>(FastWalk::kPlain)], kPairs / 4);
    EXPECT_GT(taken[static_cast<int>(FastWalk::kGeneral)], kPairs / 40);
    EXPECT_GT(taken[static_cast<int>(FastWalk::kDates)], kPairs / 20);
}

}  // namespace
}  // namespace qrv::test
