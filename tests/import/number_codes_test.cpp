// Spreadsheet format codes shown end to end: code and value in, the text
// (and colour) a cell shows out, with the library's own rendering rules.
#include "number_format_check.hpp"

namespace {

using qrv::test::FormatCheck;

struct TextCase {
    const char *code;
    double value;
    const char *expected;
};

void expect_code_texts(const TextCase *begin, const TextCase *end) {
    FormatCheck check;
    for (const TextCase *c = begin; c != end; ++c)
        EXPECT_EQ(check.show(c->code, c->value).text, c->expected) << c->code << " with " << c->value;
}

template <size_t N>
void expect_code_texts(const TextCase (&cases)[N]) {
    expect_code_texts(cases, cases + N);
}

TEST(NumberFormatCodes, DigitsPointGroupingPercentExponent) {
    const TextCase cases[] = {
        {"0", 5, "5"},
        {"0", -5, "-5"},
        {"0", 2.5, "3"},
        {"0.00", 2.5, "2.50"},
        {"0.00", 0.999, "1.00"},
        {"000", 7, "007"},
        {"#.##", 3.14159, "3.14"},
        {"??0.0?", 5.5, "  5.50"},  // the rendered number keeps as many fraction digits as places
        {"#,##0", 1234567, "1,234,567"},
        {"#,##0.00", 1234.5, "1,234.50"},
        {"#,##0.00", -1234.5, "-1,234.50"},
        {"#,###,##0", 1234567, "1,234,567"},
        {"0%", 0.25, "25%"},
        {"0.0%", 0.1234, "12.3%"},
        {"0.00E+00", 12345, "1.23E+04"},
        {"0.00E+00", 0.000123, "1.23E-04"},
        {"##0.0E+0", 12345, "12.3E+03"},
        {"General", 1234.5, "1234.5"},
        {"general", -0.25, "-0.25"},
        {"@", 5, "5"},
    };
    expect_code_texts(cases);
}

TEST(NumberFormatCodes, LiteralsBlanksFillsAndCurrencies) {
    const TextCase cases[] = {
        {"0\" kg\"", 5, "5 kg"},
        {"\"Total: \"0", 5, "Total: 5"},
        {"0\\%", 5, "5%"},  // an escaped percent sign scales nothing
        {"!#0", 5, "#5"},
        {"$0.00", 5, "$5.00"},
        {"(0)", 5, "(5)"},
        {"000-00-0000", 123456789, "123-45-6789"},
        {"_(0_)", 5, " 5 "},
        {"*-0", 5, "5"},  // a fill writes nothing
        {"0* ", 5, "5"},
        {"\"/\"0.00", 5, "/5.00"},  // a quoted slash is text, not a fraction
        {"[$€-407]#,##0.00", 1234.5, "€1,234.50"},
        {"#,##0.00 [$€-407]", 1234.5, "1,234.50 €"},
        {"[$-409]0.00", 5, "5.00"},
        {"[$-F800]dddd, mmmm dd, yyyy", 44197, "Friday, January 01, 2021"},
        {"[$USD] 0", 5, "USD 5"},
        {"[$$-409]#,##0.00;[RED]\\-[$$-409]#,##0.00", -1234.5, "-$1,234.50"},
        {"General\" units\"", 3, "3 units"},
        {"0 E", 5, "5 E"},       // E without a sign is text
        {"\"pos\"", -5, "pos"},  // only sections with digits write a "-"
        {"0.0 \"e\"", 5, "5.0 e"},
    };
    expect_code_texts(cases);
}

TEST(NumberFormatCodes, SectionsByPlace) {
    const TextCase cases[] = {
        {"0;(0)", 5, "5"},
        {"0;(0)", -5, "(5)"},  // the negative section gets the absolute value
        {"0;(0)", 0, "0"},
        {"0.0;-0.0;\"zero\"", 0, "zero"},
        {"0.0;-0.0;\"zero\"", -3, "-3.0"},
        {"0.0;-0.0;\"zero\"", 3, "3.0"},
        {"General;-General", -5, "-5"},
        {"0;-0;0;\"text\"@", 5, "5"},  // the text section is for text cells
        {"0.00;;", 5, "5.00"},
        {"0.00;;", -5, ""},
        {"0.00;;", 0, ""},
        {";;;", 5, ""},
        {";;;", -5, ""},
        {";;;", 0, ""},
        {"0;@", -5, "-5"},  // a section with @ is the text section, wherever it stands
        // A zero section without a 0 placeholder shows no digit: ? a blank, # nothing.
        {"#,##0;-#,##0;\"-\"??", 0, "-  "},
        {"#,##0;-#,##0;\"-\"##", 0, "-"},
        {"#,##0;-#,##0;?0", 0, " 0"},  // a 0 placeholder keeps the digits
        {"#,##0;-#,##0;\"-\"??", 5, "5"},
    };
    expect_code_texts(cases);
}

TEST(NumberFormatCodes, ExplicitConditions) {
    const TextCase cases[] = {
        {"[>=100]\"big\";[<0]\"negative\";\"small\"", 150, "big"},
        {"[>=100]\"big\";[<0]\"negative\";\"small\"", -5, "negative"},
        {"[>=100]\"big\";[<0]\"negative\";\"small\"", 50, "small"},
        {"[>=100]0;[<0]0;??", 50, "50"},  // under conditions the third section is no zero section
        {"[<0]0;0", -5, "5"},  // a section for negative values shows the absolute value
        {"[<=0]0;0", -5, "5"},
        {"[>=100]0;0", -5, "-5"},  // the default section shows the sign
        {"[>=100]0;0", 150, "150"},
        {"[=1]\"one\";[=2]\"two\";0", 2, "two"},
        {"[=1]\"one\";[=2]\"two\";0", 3, "3"},
        {"[<=-10]0;[>=10]0;0", -20, "-20"},
        {"[<>0]\"nonzero\";\"zero\"", 0, "zero"},
        {"[<>0]\"nonzero\";\"zero\"", 2, "nonzero"},
        {"[>1e3]\"k\";0", 1500, "k"},
        {"[> 2.5 ]\"more\";0", 3, "more"},
        {"[>100]0;[<-100]0", 50, "50"},  // no section for the value: the general format
        {"0;[<0]\"neg\"", -1, "neg"},    // a section with a condition is tried before the default
    };
    expect_code_texts(cases);
}

TEST(NumberFormatCodes, Colours) {
    struct Case {
        const char *code;
        double value;
        const char *expected;
        std::optional<uint32_t> colour;
    } cases[] = {
        {"[Red]0", 5, "5", 0xFF0000},
        {"0;[Red]-0", -5, "-5", 0xFF0000},
        {"0;[Red]-0", 5, "5", std::nullopt},
        {"[Blue]0;[Red]0;[Green]0", 0, "0", 0x00FF00},
        {"[Blue]0;[Red]0;[Green]0", 1, "1", 0x0000FF},
        {"[BLACK]0", 5, "5", 0x000000},
        {"[cyan]0", 5, "5", 0x00FFFF},
        {"[Magenta]0", 5, "5", 0xFF00FF},
        {"[White]0", 5, "5", 0xFFFFFF},
        {"[Yellow]0", 5, "5", 0xFFFF00},
        {"[Color10]0", 5, "5", 0x008000},
        {"[color56]0", 5, "5", 0x333333},
        {"[Color57]0", 5, "5", std::nullopt},
        {"[Red]", 2.5, "2.5", 0xFF0000},  // only a colour: the general format in that colour
        {"[Red][<=100];[Blue][>100]", 150, "150", 0x0000FF},
        {"[Red]@", 5, "5", std::nullopt},
        {"[Green]m/d/yyyy", 44197, "1/1/2021", 0x00FF00},
    };
    FormatCheck check;
    for (const Case &c : cases) {
        const qrv::test::Shown shown = check.show(c.code, c.value);
        EXPECT_EQ(shown.text, c.expected) << c.code << " with " << c.value;
        EXPECT_EQ(shown.colour, c.colour) << c.code << " with " << c.value;
    }
}

// Serial days of the 1900 date system: 44197 is Friday 1 January 2021.
TEST(NumberFormatCodes, DatesAndTimes) {
    const TextCase cases[] = {
        {"m/d/yyyy", 44197, "1/1/2021"},
        {"mm/dd/yy", 44197, "01/01/21"},
        {"d-mmm-yy", 44197, "1-Jan-21"},
        {"dddd, mmmm d, yyyy", 44197, "Friday, January 1, 2021"},
        {"ddd dd", 44197, "Fri 01"},
        {"mmmmm", 44197, "J"},
        {"yyyy-mm-dd", 44197, "2021-01-01"},
        {"yyyy\\-mm\\-dd", 44197, "2021-01-01"},
        {"yyyy\"-\"mm\"-\"dd", 44197, "2021-01-01"},
        {"dd.mm.yyyy", 44197, "01.01.2021"},
        {"mmmm\" \"yyyy", 44197, "January 2021"},
        {"[$-409]mmmm\" \"d\", \"yyyy", 44197, "January 1, 2021"},
        {"yy", 44197, "21"},
        {"m/d/yyyy", 61, "3/1/1900"},
        {"h:mm", 0.75, "18:00"},
        {"h:mm AM/PM", 0.75, "6:00 PM"},
        {"h:mm am/pm", 0.25, "6:00 AM"},
        {"h:mm:ss AM/PM", 0, "12:00:00 AM"},
        {"hh:mm:ss", 0.5 + 5 / 86400.0, "12:00:05"},
        {"h:m", 0.5 + 300 / 86400.0, "12:5"},
        {"mm:ss", 100 / 86400.0, "01:40"},
        {"m/d/yyyy h:mm", 44197.75, "1/1/2021 18:00"},
        {"yyyy-mm-dd hh:mm:ss", 44197 + 36610 / 86400.0, "2021-01-01 10:10:10"},
        {"mmm-yy", 45000, "Mar-23"},
    };
    expect_code_texts(cases);
}

// The renderings of codes that have no counterpart (docs/number-formats.md).
TEST(NumberFormatCodes, ClosestRenderings) {
    const TextCase cases[] = {
        {"[h]:mm:ss", 10.6320601851852, "15:10:10"},  // elapsed hours: the time of day
        {"[hh]:mm:ss", 1.5, "12:00:00"},
        {"[mm]:ss", 0.5 + 90 / 86400.0, "01:30"},
        {"[ss]", 75 / 86400.0, "15"},
        {"h:mm:ss.00", 0.5 + 5.25 / 86400.0, "12:00:05"},  // fractions of a second
        {"mm:ss.0", 100.4 / 86400.0, "01:40"},
        {"h:m:s", 5 / 86400.0, "0:0:05"},  // s: two digits
        {"h:mm A/P", 0.75, "6:00 PM"},     // A/P: the whole designator
        {"#,##0,", 1234567, "1234567"},    // scaled by 1000: unscaled, general
        {"0.0,,\"M\"", 1234567, "1234567"},
        {"#,##0,;(#,##0,)", -1234567, "-1234567"},  // with its sign
        {"# ?/?", 1.5, "1.5"},                      // fractions: general form
        {R"(# ??/??;(# ??/??))", -0.25, "(0.25)"},
        {"?/4\" cups\"", 0.75, "0.75 cups"},
        {"0.00e+00", 12345, "1.23E+04"},
        {"0.00E-00", 12345, "1.23E+04"},
        {"0.0E+0", 12345, "1.2E+04"},
        {"[$-411]ggge\"年\"m\"月\"d\"日\";@", 44197, "2021年1月1日"},  // eras: the calendar's year
        {"[DBNum1][$-804]General", 12, "12"},
    };
    expect_code_texts(cases);
}

}  // namespace
