// The plain walk against the general walk over the full expansion: the
// same text for every format, value and convention.  Formats are drawn
// mostly in the plain walk's shape and then now and then disturbed by a
// code of any kind, so that both what it takes and what it must decline
// are met; values are drawn where digits, rounding and the noise filter are
// easiest to get wrong.
#include "digitpaths/format_paths.hpp"
#include "format/number/plain_walk.hpp"

#include <gtest/gtest.h>

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
        std::vector<FUFormatCode> codes = coin(8) == 0 ? any_codes() : plain();
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
    uint64_t differ = 0, taken = 0;
    FUNumberFormat format{};
    for (uint64_t i = 0; i < kPairs; ++i) {
        if (i % 16 == 0) format = formats.next();
        const double value = values.next();
        const PathCall call = random_call(random);
        const std::string fast = format_on_path(format, value, call, DigitPath::kShort, WalkPath::kFast);
        const std::string reference = format_on_path(format, value, call, DigitPath::kFull, WalkPath::kGeneral);
        taken += plain_walk_takes(format, value, call) ? 1 : 0;
        if (fast == reference) continue;
        if (++differ <= 10)
            ADD_FAILURE() << describe_codes(format) << " of " << describe(value) << ": fast \"" << fast
                          << "\", reference \"" << reference << "\"";
    }
    EXPECT_EQ(differ, 0u);
    // The draw must keep the plain walk busy, or the comparison says little.
    EXPECT_GT(taken, kPairs / 3);
}

}  // namespace
}  // namespace qrv::test
