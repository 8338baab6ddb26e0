// Random number formats, values and conventions for comparing the
// formatter's fast walks with the general one: formats drawn mostly in the
// plain walk's shape, as date and time formats or general forms, and then
// now and then disturbed by a code of any kind, so that both what the fast
// walks take and what they must decline are met.
#pragma once

#include "digitpaths/format_paths.hpp"

#include <cstring>
#include <random>
#include <vector>

namespace qrv::test {

constexpr FUFormatCode k0 = tok(FU_TOKEN_DIGIT_ZERO), kOpt = tok(FU_TOKEN_DIGIT_OPTIONAL),
                       kBlank = tok(FU_TOKEN_DIGIT_BLANK), kPoint = tok(FU_TOKEN_POINT),
                       kPercent = tok(FU_TOKEN_PERCENT), kGroup = tok(FU_TOKEN_GROUPING),
                       kCurrency = tok(FU_TOKEN_CURRENCY), kExp = tok(FU_TOKEN_EXPONENT);

class RandomFormats {
public:
    explicit RandomFormats(uint64_t seed) : random_(seed) {}

    // A compiled format: of the codes below, or the default format's
    // record; now and then with flags or counts its codes do not give.
    FUNumberFormat next() {
        if (coin(32) == 0) return default_record();
        const std::vector<FUFormatCode> list = codes();
        FUNumberFormat format = compiled_format(list.data(), static_cast<uint32_t>(list.size()));
        if (coin(64) == 0) ++(coin(2) == 0 ? format.intDigits : format.fracDigits);  // counts that lie
        if ((format.FormatFlags & FU_FORMAT_GENERAL) != 0 && coin(8) == 0)
            format.FormatFlags |= coin(2) == 0 ? FU_FORMAT_PERCENT : FU_FORMAT_SCIENTIFIC;
        return format;
    }

    // The codes of a definition: mostly of the plain walk's shape, date
    // and time formats, general forms, or codes of any kind; now and then
    // disturbed by a code of any kind.
    std::vector<FUFormatCode> codes() {
        std::vector<FUFormatCode> list;
        switch (coin(16)) {
        case 0:
        case 1: list = any_codes(); break;
        case 2:
        case 3:
        case 4: list = dates(); break;
        case 5: list = general(); break;
        default: list = plain(); break;
        }
        for (uint32_t k = coin(3) == 0 ? 1 + coin(2) : 0; k > 0; --k) disturb(list);
        return list;
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

    // Formats that are their general form: empty, a general token alone or
    // with text.
    std::vector<FUFormatCode> general() {
        switch (coin(3)) {
        case 0: return {};
        case 1: return {tok(FU_TOKEN_GENERAL)};
        default: return {literal(true), tok(FU_TOKEN_GENERAL)};
        }
    }

    FUNumberFormat default_record() {
        FUNumberFormat format = compiled_format({k0});
        format.FormatFlags = FU_FORMAT_GENERAL;
        format.intDigits = 0;
        if (coin(8) == 0) format.fracDigits = 1;
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
inline double value_for_dates(std::mt19937_64 &random, HardValues &values) {
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
inline PathCall random_call(std::mt19937_64 &random) {
    auto coin = [&](uint32_t sides) { return static_cast<uint32_t>(random() % sides); };
    static const char kDecimals[] = {'.', ',', ' ', '\'', 0, '5'};
    static const char kThousands[] = {',', '.', ' ', 0, '7', static_cast<char>(0xA0)};
    static const char kCurrencies[][9] = {"$", "EUR", "", "1$", "\xA3", "12345678"};  // the last unterminated
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

}  // namespace qrv::test
