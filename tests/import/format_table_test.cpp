// NumberFormatTable: keys of codes and built-in ids, reports of codes that
// are approximated or not understood, formats other importers build, and
// hostile codes that must never stop an import.
#include "number_format_check.hpp"

#include <qrvex/numformat.h>

#include <random>

#include "numfmt/format_model.hpp"

namespace {

using qrv::import::CodeReport;
using qrv::test::FormatCheck;
using Fidelity = CodeReport::Fidelity;
namespace numfmt = qrv::import::numfmt;

TEST(NumberFormatTable, OneKeyPerDistinctCode) {
    FormatCheck check;
    EXPECT_EQ(check.key("0.00"), 1u);
    EXPECT_EQ(check.key("#,##0"), 2u);
    EXPECT_EQ(check.key("0.00"), 1u);
    EXPECT_EQ(check.table().key_of_builtin(2), 1u);  // built-in 2 is "0.00"
    EXPECT_EQ(check.key("0.0;-0.0;\"zero\""), 3u);   // several sections, one definition
    for (const char *general : {"General", "GENERAL", "general", ""}) EXPECT_EQ(check.key(general), 0u) << general;
    EXPECT_EQ(check.table().key_of_builtin(0), 0u);
    EXPECT_EQ(check.table().key_of_builtin(1000), 0u);
    EXPECT_EQ(check.key("\"unclosed"), 0u);
    EXPECT_EQ(check.key("0.000"), 4u);
    for (uint32_t key = 1; key <= 4; ++key) EXPECT_NE(check.definition(key), CH_NO_ITEM) << key;
}

TEST(NumberFormatTable, BuiltinIds) {
    struct Case {
        uint32_t id;
        double value;
        const char *expected;
    } cases[] = {
        {0, 1234.5, "1234.5"},
        {1, 2.5, "3"},
        {2, 2.5, "2.50"},
        {3, 1234567, "1,234,567"},
        {4, 1234.5, "1,234.50"},
        {5, 1234, "$1,234 "},
        {5, -1234, "($1,234)"},
        {6, -1234, "($1,234)"},
        {7, 1234.5, "$1,234.50 "},
        {8, -1234.5, "($1,234.50)"},
        {9, 0.25, "25%"},
        {10, 0.1234, "12.34%"},
        {11, 12345, "1.23E+04"},
        {12, 1.5, "1.5"},
        {13, 0.25, "0.25"},
        {14, 44197, "1/1/2021"},
        {15, 44197, "1-Jan-21"},
        {16, 44197, "1-Jan"},
        {17, 44197, "Jan-21"},
        {18, 0.75, "6:00 PM"},
        {19, 0.75, "6:00:00 PM"},
        {20, 0.75, "18:00"},
        {21, 0.75, "18:00:00"},
        {22, 44197.75, "1/1/2021 18:00"},
        {23, 5, "5"},
        {27, 44197, "1/1/2021"},
        {30, 44197, "1/1/21"},
        {32, 0.75, "18:00"},
        {33, 0.75, "18:00:00"},
        {34, 5, "5"},
        {37, -1234, "(1,234)"},
        {38, 1234, "1,234 "},
        {39, -1234.5, "(1,234.50)"},
        {40, 1234.5, "1,234.50"},
        {41, 1234, " 1,234 "},
        {41, -1234, " (1,234)"},
        {41, 0, " - "},
        {42, 1234, " $1,234 "},
        {43, -1234.5, " (1,234.50)"},
        {43, 0, " -   "},  // each "?" of the zero section is a blank
        {44, 1234.5, " $1,234.50 "},
        {44, 0, " $-   "},
        {45, 100 / 86400.0, "01:40"},
        {46, 1.5, "12:00:00"},
        {47, 100 / 86400.0, "01:40"},
        {48, 12345, "12.3E+03"},
        {49, 5, "5"},
        {50, 44197, "1/1/2021"},
        {58, 44197, "1/1/2021"},
        {59, 5, "5"},
    };
    FormatCheck check;
    for (const Case &c : cases) {
        const uint32_t key = check.table().key_of_builtin(c.id);
        EXPECT_EQ(check.show(key, c.value).text, c.expected) << "id " << c.id << " with " << c.value;
    }
    EXPECT_EQ(check.show(check.table().key_of_builtin(38), -1234).colour, std::optional<uint32_t>(0xFF0000));
}

// Fractions and elapsed time have no tokens: the table gives the text their
// cells show.
TEST(NumberFormatTable, FractionsAndElapsedTimeShowAsTheSheetShowsThem) {
    struct Case {
        const char *code;
        double value;
        const char *expected;  // nullptr: the definition shows the value
    } cases[] = {
        {"# ?/?", 1.5, "1 1/2"},
        {"# ?/?", 0.5, "1/2"},
        {"# ?/?", 3, "3"},
        {"# ?/?", 0, "0"},
        {"# ?/?", -2.25, "-2 1/4"},
        {"# ?/?", 0.3333, "1/3"},
        {"# ?/?", 0.97, "1"},  // 0.97 is closest to 1/1 among the one-digit denominators
        {R"(# ??/??)", 3.14159265, "3 14/99"},
        {R"(# ???/???)", 3.14159265, "3 16/113"},
        {"?/?", 1.5, "3/2"},
        {"?/8", 0.3, "2/8"},
        {"# ?/16", 2.5, "2 8/16"},
        {"# ?/4", 0.99, "1"},
        {R"(0 ?/?\ \c\u\p\s)", 0.75, "3/4 cups"},
        {"# ?/?;(# ?/?)", -1.5, "(1 1/2)"},
        {R"([>100]\b\i\g;# ?/?)", 0.5, "1/2"},
        {R"([>100]\b\i\g;# ?/?)", 200, nullptr},  // the section holds no fraction
        {"0%", 0.5, nullptr},
        {"0.00", 0.5, nullptr},
        {"[h]:mm:ss", 1.5, "36:00:00"},
        {"[h]:mm:ss", (255 * 3600 + 610) / 86400.0, "255:10:10"},
        {"[h]:mm:ss", 1.0 / 86400 * 0.4, "0:00:00"},
        {"[h]:mm", 0, "0:00"},
        {"[hh]:mm", 1.0 / 24, "01:00"},
        {"[mm]:ss", 2.0 / 24, "120:00"},
        {"[ss]", 1.0 / 1440, "60"},
        {"[h]:mm:ss", -0.5, "-12:00:00"},
        {R"([h]"h "mm"m")", 1.25, "30h 00m"},
        {"[h]:mm;\\-", -1, nullptr},  // the negative section shows no time
        {"d [h]", 1, nullptr},            // a day beside the hours: left to the definition
        {"h:mm", 1.5, nullptr},
        {"[h]:mm", 1e300, nullptr},
    };
    FormatCheck check;
    for (const Case &c : cases) {
        const std::optional<std::string> text = check.table().text_of(check.key(c.code), c.value);
        EXPECT_EQ(text.has_value(), c.expected != nullptr) << c.code << " " << c.value;
        if (text && c.expected) {
            EXPECT_EQ(*text, c.expected) << c.code << " " << c.value;
        }
    }
    EXPECT_EQ(check.table().text_of(0, 1.5), std::nullopt);
    EXPECT_EQ(check.table().text_of(check.key("# ?/?"), 1e300), std::nullopt);  // no fraction for the unshowable
}

TEST(NumberFormatTable, Reports) {
    struct Case {
        const char *code;
        Fidelity fidelity;
        const char *reason;  // a part of the reason
    } cases[] = {
        {"#,##0.00;[Red](#,##0.00)", Fidelity::kExact, ""},
        {"dddd, mmmm d, yyyy h:mm AM/PM", Fidelity::kExact, ""},
        {"[h]:mm", Fidelity::kExact, ""},  // the importer writes the elapsed time
        {"#,##0,", Fidelity::kApproximate, "scaled by 1000"},
        {"# ?/?", Fidelity::kExact, ""},  // the importer writes the fraction
        {"ss.00", Fidelity::kApproximate, "fractions of a second"},
        {"*-0", Fidelity::kApproximate, "fill"},
        {"h AM/PM;h A/P", Fidelity::kApproximate, "A/P"},
        {"0.0e+0", Fidelity::kApproximate, "e+"},
        {"[Foo]0", Fidelity::kApproximate, "[Foo] is ignored"},
        {"[h]:mm:s", Fidelity::kApproximate, "s shows two digits"},
        {"\"abc", Fidelity::kNotUnderstood, "unclosed quote"},
        {"[Red0", Fidelity::kNotUnderstood, "unclosed bracket"},
        {"0\\", Fidelity::kNotUnderstood, "nothing after"},
        {"[>=abc]0", Fidelity::kNotUnderstood, "[>=abc]"},
        {"[=]0", Fidelity::kNotUnderstood, "[=]"},
    };
    FormatCheck check;
    for (int round = 0; round < 2; ++round) {  // a code asked for again has the same report
        for (const Case &c : cases) {
            CodeReport report;
            const uint32_t key = check.table().key_of_code(c.code, report);
            EXPECT_EQ(report.fidelity, c.fidelity) << c.code;
            EXPECT_NE(report.reason.find(c.reason), std::string::npos) << c.code << ": " << report.reason;
            EXPECT_EQ(key == 0, c.fidelity == Fidelity::kNotUnderstood) << c.code;
        }
    }
}

// Bad codes never fail the import: the general format, or the best reading.
TEST(NumberFormatTable, HostileCodes) {
    std::string many_sections;
    for (int i = 0; i < 300; ++i) many_sections += "0;";
    // A definition holds 256 codes, and a text 255 characters.
    const std::string long_digits = std::string(256 - 4, '0') + "1235";
    struct Case {
        std::string code;
        Fidelity fidelity;
        std::string expected;  // 1234.5 shown
    } cases[] = {
        {"\"abc", Fidelity::kNotUnderstood, "1234.5"},
        {"[Red", Fidelity::kNotUnderstood, "1234.5"},
        {"0]", Fidelity::kExact, "1235]"},
        {std::string(2000, '0'), Fidelity::kNotUnderstood, "1234.5"},
        {std::string(1000, '0'), Fidelity::kExact, long_digits.substr(0, 255)},
        {many_sections, Fidelity::kApproximate, "1235"},
        {";;;", Fidelity::kExact, ""},
        {";", Fidelity::kExact, ""},
        {"[Red];[Blue];[Green];[Cyan];[Magenta]", Fidelity::kApproximate, "1234.5"},
        {"\xff\xfe", Fidelity::kExact, "\xef\xbf\xbd\xef\xbf\xbd"},
        {std::string("0\0\"x\"", 5), Fidelity::kExact, std::string("1235\0x", 6)},
    };
    FormatCheck check;
    for (const Case &c : cases) {
        CodeReport report;
        const uint32_t key = check.table().key_of_code(c.code, report);
        EXPECT_EQ(report.fidelity, c.fidelity) << c.code.substr(0, 40) << ": " << report.reason;
        EXPECT_EQ(check.show(key, 1234.5).text, c.expected) << c.code.substr(0, 40);
    }
}

// Codes of random pieces: every one gets a key and shows within bounds.
TEST(NumberFormatTable, RandomCodes) {
    const char *const pieces[] = {"0",     "#",   "?",       ".", ",", "%",     "E+",    "e-",   "\"",       "\"x\"",
                                  "\\",    "_",   "*",       "[", "]", "[Red]", "[>=5]", "[<0]", "[$€-407]", "[h]",
                                  "[mm]",  ";",   "@",       "/", ":", "d",     "mm",    "yyyy", "h",        "s",
                                  "AM/PM", "A/P", "General", " ", "-", "g",     "e",     "!"};
    std::mt19937 random(18);
    std::uniform_int_distribution<size_t> pick(0, std::size(pieces) - 1), length(0, 24);
    FormatCheck check;
    for (int round = 0; round < 2000; ++round) {
        std::string code;
        for (size_t n = length(random); n > 0; --n) code += pieces[pick(random)];
        CodeReport report;
        const uint32_t key = check.table().key_of_code(code, report);
        EXPECT_EQ(key == 0, report.fidelity == Fidelity::kNotUnderstood || code == "General" || code.empty()) << code;
        for (double value : {-1234.5, 0.0, 0.25, 44197.5})
            EXPECT_LE(check.show(key, value).text.size(), 255u * 3) << code;
    }
}

// Formats built the way the OpenDocument importer builds them.
TEST(NumberFormatTable, BuiltFormats) {
    numfmt::Section positive;
    positive.condition = numfmt::Condition{numfmt::Comparison::kGreaterOrEqual, 0};
    positive.add_token(FU_TOKEN_DIGIT_ZERO);
    numfmt::Section negative;  // the default: values its maps send nowhere else
    negative.value = numfmt::ValueShown::kAbsolute;
    negative.colour = 0xFF0000;
    negative.add_text("-");
    negative.add_token(FU_TOKEN_DIGIT_ZERO);
    numfmt::Section truth;
    truth.add_token(FU_TOKEN_TRUTH);
    numfmt::Section only_large;
    only_large.condition = numfmt::Condition{numfmt::Comparison::kGreater, 100};
    only_large.add_text("large");
    numfmt::Section empty;
    empty.condition = numfmt::Condition{numfmt::Comparison::kEqual, 0};

    FormatCheck check;
    const uint32_t signed_style = check.table().key_of_format(numfmt::NumberFormat{{positive, negative}});
    const uint32_t boolean = check.table().key_of_format(numfmt::NumberFormat{{truth}});
    const uint32_t conditions_only = check.table().key_of_format(numfmt::NumberFormat{{only_large, empty}});
    const uint32_t general = check.table().key_of_format(numfmt::NumberFormat{});
    struct Case {
        uint32_t key;
        double value;
        const char *expected;
        std::optional<uint32_t> colour;
    } cases[] = {
        {signed_style, 5, "5", std::nullopt},          {signed_style, -5, "-5", 0xFF0000},
        {boolean, 0, "FALSE", std::nullopt},           {boolean, 1, "TRUE", std::nullopt},
        {conditions_only, 150, "large", std::nullopt}, {conditions_only, 0, "", std::nullopt},
        {conditions_only, -7.5, "-7.5", std::nullopt}, {general, 2.5, "2.5", std::nullopt},
    };
    for (const Case &c : cases) {
        const qrv::test::Shown shown = check.show(c.key, c.value);
        EXPECT_EQ(shown.text, c.expected) << "key " << c.key << " with " << c.value;
        EXPECT_EQ(shown.colour, c.colour) << "key " << c.key << " with " << c.value;
    }
    // A text cell reads the first section tag: the default section's colour.
    EXPECT_EQ(check.text_cell_colour(signed_style), std::optional<uint32_t>(0xFF0000));
}

TEST(NumberFormatTable, TextCellsTakeTheDefaultSectionsColour) {
    FormatCheck check;
    EXPECT_EQ(check.text_cell_colour(check.key("[Blue]0;[Red]-0;[Green]0;[Magenta]@")),
              std::optional<uint32_t>(0x0000FF));
    EXPECT_EQ(check.text_cell_colour(check.key("[Red]0")), std::optional<uint32_t>(0xFF0000));
    EXPECT_EQ(check.text_cell_colour(check.key("0;[Red]-0")), std::nullopt);
}

}  // namespace
