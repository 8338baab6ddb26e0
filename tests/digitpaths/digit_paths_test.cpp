// The short digit path against the full 255-digit expansion: the same text
// for every format and value.
#include "digitpaths/format_paths.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qrv::test {
namespace {

using numformat::DigitPath;

struct NamedFormat {
    const char *name;
    FUNumberFormat format;
};

constexpr FUFormatCode k0 = tok(FU_TOKEN_DIGIT_ZERO), kOpt = tok(FU_TOKEN_DIGIT_OPTIONAL),
                       kBlank = tok(FU_TOKEN_DIGIT_BLANK), kPoint = tok(FU_TOKEN_POINT),
                       kPercent = tok(FU_TOKEN_PERCENT), kExp = tok(FU_TOKEN_EXPONENT), kGroup = tok(FU_TOKEN_GROUPING),
                       kGeneral = tok(FU_TOKEN_GENERAL);

// Every token kind, in the layouts that read the most digits.
std::vector<NamedFormat> formats() {
    return {
        {"#,##0.00", compiled_format({kOpt, kGroup, kOpt, kOpt, k0, kPoint, k0, k0})},
        {"0", compiled_format({k0})},
        {"0.00%", compiled_format({k0, kPoint, k0, k0, kPercent})},
        {"0.00E+00", compiled_format({k0, kPoint, k0, k0, kExp, k0, k0})},
        {"##0.0E+0", compiled_format({kOpt, kOpt, k0, kPoint, k0, kExp, k0})},
        {"0E+0", compiled_format({k0, kExp, k0})},
        {"0.000000", compiled_format({k0, kPoint, k0, k0, k0, k0, k0, k0})},
        {"#.##########", compiled_format({kOpt, kPoint, kOpt, kOpt, kOpt, kOpt, kOpt, kOpt, kOpt, kOpt, kOpt, kOpt})},
        {"???.???", compiled_format({kBlank, kBlank, kBlank, kPoint, kBlank, kBlank, kBlank})},
        {"0 literal 0", compiled_format({k0, u' ', u'x', k0, kPoint, k0})},
        {"general", compiled_format({kGeneral})},
        {"general with text", compiled_format({u'=', kGeneral, u';'})},
        {"empty", compiled_format({})},
        {"default",
         [] {
             FUNumberFormat f = compiled_format({k0});
             f.FormatFlags = FU_FORMAT_GENERAL;
             f.intDigits = 0;
             return f;
         }()},
        {"whole text", compiled_format({k0, kPoint, k0, u'|', tok(FU_TOKEN_TEXT)})},
        {"mask", compiled_format({tok(FU_TOKEN_MASK), k0, kPoint, k0, k0})},
        {"mask general", compiled_format({tok(FU_TOKEN_MASK), kGeneral, u'!'})},
        {"escape repeat currency truth",
         compiled_format({tok(FU_TOKEN_CURRENCY), k0, kPoint, k0, tok(FU_TOKEN_ESCAPE), u'#', tok(FU_TOKEN_REPEAT),
                          u'*', tok(FU_TOKEN_TRUTH), tok(0x12E), tok(0x13B)})},
        {"m/d/yyyy h:mm", compiled_format({tok(FU_TOKEN_MONTH), tok(FU_TOKEN_DATE_SEPARATOR), tok(FU_TOKEN_DAY),
                                           tok(FU_TOKEN_DATE_SEPARATOR), tok(FU_TOKEN_YEAR_4), u' ', tok(FU_TOKEN_HOUR),
                                           tok(FU_TOKEN_TIME_SEPARATOR), tok(FU_TOKEN_MINUTE_2)})},
        {"every date field",
         compiled_format({tok(FU_TOKEN_WEEKDAY_NAME), tok(FU_TOKEN_DAY_2), tok(FU_TOKEN_MONTH_2),
                          tok(FU_TOKEN_MONTH_NAME), tok(FU_TOKEN_MONTH_NAME_ALT), tok(FU_TOKEN_YEAR_2),
                          tok(FU_TOKEN_HOUR_2), tok(FU_TOKEN_MINUTE), tok(FU_TOKEN_SECOND_2), tok(FU_TOKEN_DESIGNATOR),
                          tok(FU_TOKEN_24_HOURS), tok(FU_TOKEN_WEEKDAY_NAME_ALT), tok(FU_TOKEN_LONG_DATE),
                          tok(FU_TOKEN_SHORT_DATE), tok(FU_TOKEN_MONTH_INITIAL), kPoint, k0, k0})},
        {"time with fraction", compiled_format({tok(FU_TOKEN_HOUR_2), tok(FU_TOKEN_TIME_SEPARATOR),
                                                tok(FU_TOKEN_MINUTE_2), kPoint, k0, k0, k0})},
    };
}

// Conventions in turn: separators that round_up must step over, both ways.
PathCall call_for(uint64_t i) {
    PathCall call;
    if (i % 3 == 1) {
        call.intl.DecimalSeparator = ',';
        call.intl.ThousandsSeparator = '.';
    }
    call.exponentOptions = (i / 3) % 2 == 0 ? 0 : 2;
    call.dayBase = (i % 5 == 0) ? 2415019 : 0;
    call.dateFlags = (i % 7 == 0) ? 1 : 0;
    return call;
}

// Values per run of this program: ten million, a tenth of that in a build
// without 128-bit integers (the 32-bit one, run under an emulator, where
// the full path asks printf for every expansion).
#if defined(__SIZEOF_INT128__)
constexpr uint64_t kValues = 10'000'000;
#else
constexpr uint64_t kValues = 1'000'000;
#endif

TEST(DigitPaths, ShortPathWritesTheTextOfTheFullExpansion) {
    const std::vector<NamedFormat> all = formats();
    HardValues values(20261206);
    uint64_t differ = 0;
    for (uint64_t i = 0; i < kValues; ++i) {
        const double value = values.next();
        const NamedFormat &f = all[i % all.size()];
        const PathCall call = call_for(i);
        const std::string fast = format_on_path(f.format, value, call, DigitPath::kShort);
        const std::string full = format_on_path(f.format, value, call, DigitPath::kFull);
        if (fast == full) continue;
        if (++differ <= 10)
            ADD_FAILURE() << f.name << " of " << describe(value) << ": short \"" << fast << "\", full \"" << full
                          << "\"";
    }
    EXPECT_EQ(differ, 0u);
}

// Cases found by hand where the digits the text reads end next to a run of
// the noise filter or a rounding digit.
TEST(DigitPaths, EdgesOfTheDigitsRead) {
    const std::vector<NamedFormat> all = formats();
    const double cases[] = {0.125,
                            0.005,
                            2.675,
                            1.005,
                            0.999949999,
                            0.9999,
                            9.9999999,
                            99.995,
                            0.00009999,
                            1e-5,
                            123456.7899999,
                            0.10000499,
                            1e19,
                            18446744073709549568.0,
                            1.8446744073709552e19,
                            4.5e-22,
                            2.2e-22,
                            0.3,
                            1.0 / 3.0,
                            2.0 / 3.0,
                            1e15 + 0.3,
                            5e-324,
                            -0.0};
    for (const NamedFormat &f : all) {
        for (double value : cases) {
            for (uint64_t i = 0; i < 6; ++i) {
                const PathCall call = call_for(i);
                EXPECT_EQ(format_on_path(f.format, value, call, DigitPath::kShort),
                          format_on_path(f.format, value, call, DigitPath::kFull))
                    << f.name << " of " << describe(value);
            }
        }
    }
}

}  // namespace
}  // namespace qrv::test
