#include "format_support.hpp"

#include <qrvplatform/platform.h>

#include <cmath>
#include <cstring>

namespace {

using qrv::test::Conventions;
using qrv::test::definition;
using qrv::test::Document;
using qrv::test::format_number;
using qrv::test::FormatCall;

struct Row {
    const char *pattern;
    double value;
    const char *expected;
};

void expect_rows(const Row *rows, size_t count, FormatCall call = {}) {
    for (size_t i = 0; i < count; ++i) {
        const Row &r = rows[i];
        Document doc(definition(r.pattern));
        FormatCall c = call;
        EXPECT_EQ(format_number(doc.handle(), doc.id("f"), r.value, c), r.expected)
            << "pattern " << r.pattern << " value " << r.value;
    }
}

TEST(DefaultFormat, GeneralForm) {
    struct Case {
        double value;
        const char *expected;
    } cases[] = {
        {1234.5, "1234.5"},
        {0.1, "0.1"},       // the tail of the binary double ends at its run of zeros
        {1e25, "1.0E+25"},  // scientific general form keeps one digit after the point
        {1e-21, "1.0E-21"},
        {9.9999999e25, "1.0E+26"},  // a run of nines carries into the exponent
        {1e19, "1.0E+19"},
        {12345678901234567890.0, "1.23E+19"},  // long scientific fractions round to 2 places
        {0, "0"},
        {-2.5, "-2.5"},
        {1.0 / 3, "0.33333"},  // long fixed fractions round to 5 places
        {2.0 / 3, "0.66667"},
        {-2.0 / 3, "-0.66667"},
        {123456789, "123456789"},
        {1e15, "1000000000000000"},
        {0.00001, "0.00001"},
        {2.675, "2.675"},  // 2.67499999... : the run of nines raises the digit before it
        {0.125, "0.125"},
        {99999.999999, "100000.0"},
    };
    Document doc("TEXT 0\n");
    for (const Case &c : cases) EXPECT_EQ(format_number(doc.handle(), CH_NO_ITEM, c.value), c.expected) << c.value;
}

TEST(DefaultFormat, DecimalSeparatorFromConventions) {
    Conventions conventions;
    conventions.settings.DecimalSeparator = ',';
    FormatCall call;
    call.hOptions = conventions.handle();
    Document doc("TEXT 0\n");
    EXPECT_EQ(format_number(doc.handle(), CH_NO_ITEM, 3.25, call), "3,25");
    EXPECT_EQ(format_number(doc.handle(), CH_NO_ITEM, 1.0 / 3, call), "0,33333");
    EXPECT_EQ(format_number(doc.handle(), CH_NO_ITEM, 1e25, call), "1,0E+25");
}

TEST(FixedFormats, DigitsPaddingAndRounding) {
    const Row rows[] = {
        {"0.00", 2.5, "2.50"},
        {"0.00", 0.005, "0.01"},
        {"0.00", 0.999, "1.00"},
        {"0.00", 1234.567, "1234.57"},
        {"0.00", -1.5, "-1.50"},
        {"0.00", 0, "0.00"},
        {"0", 2.5, "3"},
        {"0", 0.4, "0"},
        {"0", -0.4, "-0"},
        {"0", 1234567, "1234567"},
        {"00000", 42, "00042"},
        {"000", 999.6, "1000"},
        {"#", 0, "0"},
        {"#.##", 3.1, "3.1"},
        {".00", 1.5, "1.50"},
        {"??0", 5, "  5"},
        {"??0", 0, "  0"},
        {"??0.0?", 1.5, "  1.50"},  // a short fraction keeps the places shown
        {"0.0000000", 0.5, "0.5000000"},
        {"0.0.0", 1.25, "1.2.5"},  // a second point writes "."
        {"0 0", 123, "12 3"},      // excess integer digits come out before the literal
    };
    expect_rows(rows, std::size(rows));
}

TEST(FixedFormats, GroupingPercentAndCurrency) {
    const Row rows[] = {
        {",#0", 1234567, "1,234,567"},
        {"#,##0.00", 1234567.891, "1,234,567.89"},
        {"#,##0.00", 5, "5.00"},
        {"#,##0.00", -1234.5, "-1,234.50"},
        {"#,##0", 999.5, "1,000"},
        {"#,##0.00", 999.999, "1000.00"},  // grouped at the point, before the carry
        {"#,##0", 123, "123"},
        {"0%", 0.5, "50%"},
        {"0.0%", 0.1234, "12.3%"},
        {"0.00%", 0.001234, "0.12%"},
        {"0%", 0, "0%"},
        {"$0.00", 3.5, "$3.50"},
        {"$#,##0", -1234, "-$1,234"},
    };
    expect_rows(rows, std::size(rows));
}

TEST(FixedFormats, SeparatorsAndSymbolFromConventions) {
    struct Case {
        char decimal, thousands;
        const char *symbol;
        double value;
        const char *expected;
    } cases[] = {
        {',', '.', "", 1234567.891, "1.234.567,89"},
        {',', ' ', "EUR", 1234567.891, "EUR1 234 567,89"},
        {'.', '\'', "Fr. ", -9876543.21, "-Fr. 9'876'543.21"},
        {',', '.', "$", 0.5, "$0,50"},
    };
    Document doc(definition("$#,##0.00"));
    for (const Case &c : cases) {
        Conventions conventions;
        conventions.settings.DecimalSeparator = c.decimal;
        conventions.settings.ThousandsSeparator = c.thousands;
        std::strcpy(conventions.settings.CurrencySymbol, c.symbol);
        FormatCall call;
        call.hOptions = conventions.handle();
        EXPECT_EQ(format_number(doc.handle(), doc.id("f"), c.value, call), c.expected);
    }
}

TEST(ScientificFormats, MantissaAndExponentDigits) {
    const Row rows[] = {
        {"0.00E+00", 1234, "1.23E+03"},
        {"0.00E+00", 0.00123, "1.23E-03"},
        {"0.00E+00", 0, "0.00E+00"},
        {"0.00E+00", -12345, "-1.23E+04"},
        {"0.0E+00", 1e100, "1.0E+100"},  // more exponent digits than placeholders
        {"0.0E+0", 1.5e-7, "1.5E-07"},
        {"##0.0E+0", 12345, "12.3E+03"},  // exponent a multiple of the integer placeholders
        {"##0.0E+0", 0.00012345, "123.5E-06"},
        {"0E+00", 2.5, "3E+00"},
        {"0.00E+00", 999900, "10.00E+05"},  // the walk's carry puts a 1 in front of the rendered mantissa
    };
    expect_rows(rows, std::size(rows));
}

TEST(ScientificFormats, ShortExponentOption) {
    const Row rows[] = {
        {"0.0E+0", 1.5e-7, "1.5E-7"},
        {"##0.0E+0", 12345, "12.3E+3"},
        {"0.0E+00", 1.5e-7, "1.5E-07"},  // two placeholders keep two digits
        {"0.0E+0", 1.5e12, "1.5E+12"},
    };
    FormatCall call;
    call.exponentOptions = 2;
    expect_rows(rows, std::size(rows), call);
}

TEST(LiteralFormats, TextEscapesRepeatsAndMasks) {
    const Row rows[] = {
        {"0\" kg\"", 5, "5 kg"},
        {"0\" kg\"", -5, "-5 kg"},
        {"\"none\"", -5, "none"},    // no digits: no sign
        {"{107}\"#\"0", 7, "#7"},    // the escape takes the next code
        {"{108}\"*\"0", 3, "***3"},  // repeated by the value, rounded up
        {"{108}\"*\"0", 2.1, "***2"},
        {"{108}\"*\"0", 0, "0"},
        {"{108}\"*\"0", -1, "-1"},
        {"@", -2.5, "-2.5"},
        {"{106}@", 123, "***"},
        {"{106}@", -12.5, "-**.*"},
        {"{10C}", 0, "FALSE"},
        {"{10C}", 3, "TRUE"},
        {"\"Total: \"{10D}", 5, "Total: 5"},
        {"\"Total: \"{10D}", -5, "Total: -5"},
        {"\"Total: \"{10D}", 1.0 / 3, "Total: 0.33333"},
        {"/", 1.5, "1.5"},  // fraction formats show the general form
        {"#\" \"?/?", 1.5, "1.5"},
        {"{1FF}0", 4, "4"},  // unknown tokens write nothing
    };
    expect_rows(rows, std::size(rows));
}

TEST(Messages, NoValueShowsItsString) {
    uint64_t bits = 0xFFFF000000000000ull;
    double noValue;
    std::memcpy(&noValue, &bits, sizeof noValue);
    Document doc(definition("0.00"));
    EXPECT_EQ(format_number(doc.handle(), doc.id("f"), noValue), "No value");
    EXPECT_EQ(format_number(doc.handle(), CH_NO_ITEM, noValue), "No value");
}

TEST(Output, SizeBoundsTheText) {
    Document doc(definition("\"abcdefgh\"0.00"));
    for (uint32_t size : {1u, 4u, 9u, 300u}) {
        FormatCall call;
        call.outputSize = size;
        const std::string text = format_number(doc.handle(), doc.id("f"), 1.5, call);
        EXPECT_EQ(text, std::string("abcdefgh1.50").substr(0, size)) << size;
    }
    Document repeats(definition("{108}\"x\""));
    EXPECT_EQ(format_number(repeats.handle(), repeats.id("f"), 1e9), std::string(255, 'x'));
}

}  // namespace
