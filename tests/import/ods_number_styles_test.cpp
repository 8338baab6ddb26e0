// OpenDocument data styles shown end to end: a style's XML and a value
// in, the text (and colour) a cell under it shows out, with the library's
// own rendering rules.  Every kind of data style has its table.
#include "number_format_check.hpp"
#include "odf/data_style_format.hpp"
#include "odf/data_style_keys.hpp"
#include "odf/document_regions.hpp"
#include "odf/styles_reader.hpp"
#include "ods_builder.hpp"
#include "package/byte_source.hpp"

namespace qrv::import::odf {
namespace {

using qrv::test::FormatCheck;

struct StyleCase {
    std::string style;  // the inside of a data style element named "N"
    double value;
    const char *expected;
};

// Reads data styles of one kind (the element's name, maybe followed by
// attributes) and any further styles, and shows each value under the style
// named "N".
class StyleCheck {
public:
    StyleCheck(const char *element, const std::string &style, const std::string &others = "") {
        const std::string opening(element);
        const std::string closing = opening.substr(0, opening.find(' '));
        const std::string xml = "<office:styles" + qrv::test::kOdfNamespaces + "><number:" + opening +
                                " style:name=\"N\">" + style + "</number:" + closing + ">" + others +
                                "</office:styles>";
        qrv::import::MemorySource source({reinterpret_cast<const uint8_t *>(xml.data()), xml.size()}, "styles");
        StylesReader reader(sheet_, StyleSheet::Origin::kCommon);
        RegionRouter router;
        router.route(Region::kStyles, &reader);
        qrv::import::read_xml(source, router, qrv::import::Limits{});
    }

    qrv::test::Shown show(double value) {
        DataStyleKeys keys(sheet_, check_.table());
        return check_.show(keys.entry_of("N").key, value);
    }

private:
    StyleSheet sheet_;
    FormatCheck check_;
};

void expect_style_texts(const char *element, std::initializer_list<StyleCase> cases) {
    for (const StyleCase &c : cases) {
        StyleCheck check(element, c.style);
        EXPECT_EQ(check.show(c.value).text, c.expected) << c.style << " with " << c.value;
    }
}

std::string number(const std::string &attributes, const std::string &inside = "") {
    return "<number:number " + attributes + ">" + inside + "</number:number>";
}

std::string number_text(const std::string &shown) { return "<number:text>" + shown + "</number:text>"; }

TEST(OdsDataStyles, NumberStyles) {
    expect_style_texts(
        "number-style",
        {
            {number("number:decimal-places=\"2\" number:min-integer-digits=\"1\""), 2.5, "2.50"},
            {number("number:decimal-places=\"2\" number:min-integer-digits=\"1\""), -2.5, "-2.50"},
            {number("number:decimal-places=\"0\" number:min-integer-digits=\"1\""), 2.5, "3"},
            // the library writes the integer digit of a number below 1
            {number("number:decimal-places=\"2\" number:min-integer-digits=\"0\""), 0.5, "0.50"},
            {number("number:decimal-places=\"0\" number:min-integer-digits=\"3\""), 7, "007"},
            {number("number:decimal-places=\"0\" number:min-integer-digits=\"1\" number:grouping=\"true\""), 1234567,
             "1,234,567"},
            {number("number:decimal-places=\"2\" loext:min-decimal-places=\"2\" number:min-integer-digits=\"1\" "
                    "number:grouping=\"true\""),
             -1234.5, "-1,234.50"},
            // optional decimal places: the rendered number keeps as many digits as there are places
            {number("number:decimal-places=\"2\" number:min-decimal-places=\"0\" number:min-integer-digits=\"1\""), 1.5,
             "1.50"},
            {number("number:min-integer-digits=\"1\""), 1234.5, "1234.5"},  // no decimal places: the general format
            {number("number:decimal-places=\"0\" number:min-integer-digits=\"7\"",
                    "<number:embedded-text number:position=\"4\">-</number:embedded-text>"),
             5551234, "555-1234"},
            {number("number:decimal-places=\"0\" number:min-integer-digits=\"1\"",
                    "<number:embedded-text number:position=\"3\"> </number:embedded-text>"),
             1234567, "1234 567"},
            {number("number:decimal-places=\"1\" number:min-integer-digits=\"1\" number:display-factor=\"1000\""),
             1234567, "1234567"},  // scaled numbers show unscaled in the general format
            {number_text("Total: ") + number("number:decimal-places=\"0\" number:min-integer-digits=\"1\"") +
                 number_text(" kg"),
             5, "Total: 5 kg"},
            {number_text("/") + number("number:decimal-places=\"0\" number:min-integer-digits=\"1\""), 5, "/5"},
            {"<number:fill-character> </number:fill-character>" +
                 number("number:decimal-places=\"0\" number:min-integer-digits=\"1\""),
             5, "5"},  // a fill writes nothing
        });
}

TEST(OdsDataStyles, PercentageCurrencyScientificFraction) {
    expect_style_texts(
        "percentage-style",
        {
            {number("number:decimal-places=\"1\" number:min-integer-digits=\"1\"") + number_text("%"), 0.1234, "12.3%"},
            {number("number:decimal-places=\"0\" number:min-integer-digits=\"1\"") + number_text(" %"), 0.5, "50 %"},
            {number("number:decimal-places=\"0\" number:min-integer-digits=\"1\""), 0.5, "50%"},
        });
    expect_style_texts(
        "currency-style",
        {
            {"<number:currency-symbol number:language=\"de\">€</number:currency-symbol>" +
                 number("number:decimal-places=\"2\" number:min-integer-digits=\"1\" number:grouping=\"true\""),
             1234.5, "€1,234.50"},
            {number("number:decimal-places=\"2\" number:min-integer-digits=\"1\" number:grouping=\"true\"") +
                 number_text(" ") + "<number:currency-symbol>€</number:currency-symbol>",
             1234.5, "1,234.50 €"},
            {"<number:currency-symbol/>" + number("number:decimal-places=\"0\" number:min-integer-digits=\"1\""), 5,
             "$5"},
        });
    expect_style_texts("number-style",
                       {
                           {"<number:scientific-number number:decimal-places=\"2\" number:min-integer-digits=\"1\" "
                            "number:min-exponent-digits=\"2\"/>",
                            12345, "1.23E+04"},
                           {"<number:scientific-number number:decimal-places=\"2\" number:min-integer-digits=\"1\" "
                            "number:min-exponent-digits=\"2\"/>",
                            0.000123, "1.23E-04"},
                           {"<number:scientific-number number:decimal-places=\"1\" number:min-integer-digits=\"1\" "
                            "number:min-exponent-digits=\"1\" number:exponent-interval=\"3\"/>",
                            12345, "12.3E+03"},
                           // fractions show in the general format
                           {"<number:fraction number:min-integer-digits=\"0\" number:min-numerator-digits=\"1\" "
                            "number:min-denominator-digits=\"1\"/>",
                            1.5, "1.5"},
                           {"<number:fraction number:min-integer-digits=\"0\" number:min-numerator-digits=\"1\" "
                            "number:min-denominator-digits=\"1\"/>" +
                                number_text(" cups"),
                            0.75, "0.75 cups"},
                       });
}

TEST(OdsDataStyles, BooleanAndTextStyles) {
    expect_style_texts("boolean-style", {{"<number:boolean/>", 1, "TRUE"}, {"<number:boolean/>", 0, "FALSE"}});
    // the style's language is not the export's: its words are the export's
    expect_style_texts("boolean-style number:language=\"fr\" number:country=\"BE\"",
                       {{"<number:boolean/>", 0, "FALSE"}});
    // A text style is for text cells: numbers under it show in the general format.
    expect_style_texts("text-style", {{number_text("[") + "<number:text-content/>" + number_text("]"), 5.25, "5.25"}});
}

TEST(OdsDataStyles, DateStyles) {
    const std::string month_day_year = "<number:month number:style=\"long\"/>" + number_text("/") +
                                       "<number:day number:style=\"long\"/>" + number_text("/") +
                                       "<number:year number:style=\"long\"/>";
    expect_style_texts(
        "date-style",
        {
            {month_day_year, 44197, "01/01/2021"},
            {"<number:day/>" + number_text(". ") + "<number:month number:textual=\"true\" number:style=\"long\"/>" +
                 number_text(" ") + "<number:year number:style=\"long\"/>",
             44197, "1. January 2021"},
            {"<number:day-of-week number:style=\"long\"/>" + number_text(", ") +
                 "<number:month number:textual=\"true\"/>" + number_text(" ") + "<number:day/>",
             44197, "Friday, Jan 1"},
            {"<number:day-of-week/>" + number_text(" ") + "<number:month/>" + number_text("-") + "<number:year/>",
             44197, "Fri 1-21"},
        });
    // The fields keep the order the file gives them, whatever the reader's language.
    expect_style_texts("date-style number:automatic-order=\"true\"",
                       {
                           {"<number:day number:style=\"long\"/>" + number_text("/") +
                                "<number:month number:style=\"long\"/>" + number_text("/") + "<number:year/>",
                            44198, "02/01/21"},
                       });
    expect_style_texts(
        "date-style",
        {
            {"<number:year number:style=\"long\"/>" + number_text("-") + "<number:month number:style=\"long\"/>" +
                 number_text("-") + "<number:day number:style=\"long\"/>",
             44197.75, "2021-01-01"},
            // no tokens for quarters, weeks and eras: left out
            {"<number:quarter/>" + number_text(" ") + "<number:year number:style=\"long\"/>", 44197, " 2021"},
            {month_day_year + number_text(" ") + "<number:hours/>" + number_text(":") +
                 "<number:minutes number:style=\"long\"/>" + number_text(" ") + "<number:am-pm/>",
             44197 + 36610 / 86400.0, "01/01/2021 10:10 AM"},
        });
}

TEST(OdsDataStyles, TimeStyles) {
    const std::string hms = "<number:hours number:style=\"long\"/>" + number_text(":") +
                            "<number:minutes number:style=\"long\"/>" + number_text(":");
    const std::string hours_minutes =
        "<number:hours number:style=\"long\"/>" + number_text(":") + "<number:minutes number:style=\"long\"/>";
    expect_style_texts(
        "time-style",
        {
            {hms + "<number:seconds number:style=\"long\"/>", 0.5, "12:00:00"},
            {hms + "<number:seconds number:style=\"long\"/>", 10 / 24.0 + 10 / 1440.0 + 10.12 / 86400, "10:10:10"},
            // fractions of a second are left out
            {hms + "<number:seconds number:style=\"long\" number:decimal-places=\"2\"/>",
             10 / 24.0 + 10 / 1440.0 + 10.12 / 86400, "10:10:10"},
            {"<number:hours/>" + number_text(":") + "<number:minutes number:style=\"long\"/>" + number_text(" ") +
                 "<number:am-pm/>",
             0.75, "6:00 PM"},
            {"<number:hours/>" + number_text(":") + "<number:minutes number:style=\"long\"/>", 0.0, "0:00"},
        });
    // elapsed hours show the time of day
    expect_style_texts("time-style number:truncate-on-overflow=\"false\"", {{hours_minutes, 1.5, "12:00"}});
}

const std::string kNegativeRed = "<style:text-properties fo:color=\"#ff0000\"/>" + number_text("-") +
                                 "<number:currency-symbol>$</number:currency-symbol>" +
                                 number("number:decimal-places=\"2\" number:min-integer-digits=\"1\"") +
                                 "<style:map style:condition=\"value()&gt;=0\" style:apply-style-name=\"P\"/>";

TEST(OdsDataStyles, MapsColoursAndTheirTargets) {
    const std::string positive =
        "<number:currency-style style:name=\"P\"><number:currency-symbol>$</number:currency-symbol>" +
        number("number:decimal-places=\"2\" number:min-integer-digits=\"1\"") + "</number:currency-style>";
    const std::string parenthesised = "<number:number-style style:name=\"Q\">" + number_text("(") +
                                      number("number:decimal-places=\"0\" number:min-integer-digits=\"1\"") +
                                      number_text(")") + "</number:number-style>";
    const std::string big = "<number:number-style style:name=\"B\">" + number_text("big") + "</number:number-style>";
    const std::string plain = number("number:decimal-places=\"0\" number:min-integer-digits=\"1\"");
    const struct {
        const char *element;
        std::string style, others;
        double value;
        const char *expected;
        std::optional<uint32_t> colour;
    } cases[] = {
        {"currency-style", kNegativeRed, positive, 5, "$5.00", std::nullopt},
        {"currency-style", kNegativeRed, positive, -5, "-$5.00", 0xFF0000},
        {"number-style", plain + "<style:map style:condition=\"value()&lt;0\" style:apply-style-name=\"Q\"/>",
         parenthesised, -5, "(5)", std::nullopt},
        {"number-style", plain + "<style:map style:condition=\"value() &gt; 100\" style:apply-style-name=\"B\"/>", big,
         150, "big", std::nullopt},
        {"number-style", plain + "<style:map style:condition=\"value() &gt; 100\" style:apply-style-name=\"B\"/>", big,
         5, "5", std::nullopt},
        {"number-style", plain + "<style:map style:condition=\"value()=0\" style:apply-style-name=\"B\"/>", big, 0,
         "big", std::nullopt},
        // the maps of a style a map names are not followed
        {"number-style", plain + "<style:map style:condition=\"value()&gt;1\" style:apply-style-name=\"Q\"/>",
         parenthesised.substr(0, parenthesised.size() - 22) +
             "<style:map style:condition=\"value()&gt;100\" style:apply-style-name=\"B\"/></number:number-style>" + big,
         150, "(150)", std::nullopt},
        // maps that cannot be read, or name no style, are left out
        {"number-style", plain + "<style:map style:condition=\"cell-content()&gt;1\" style:apply-style-name=\"B\"/>",
         big, 5, "5", std::nullopt},
        {"number-style", plain + "<style:map style:condition=\"value()&gt;1\" style:apply-style-name=\"None\"/>", big,
         5, "5", std::nullopt},
        // a text style's maps make the whole format; values no map takes show in the general format
        {"text-style",
         "<number:text-content/><style:map style:condition=\"value()&lt;0\" style:apply-style-name=\"Q\"/>",
         parenthesised, -5, "(5)", std::nullopt},
        {"text-style",
         "<number:text-content/><style:map style:condition=\"value()&lt;0\" style:apply-style-name=\"Q\"/>",
         parenthesised, 5, "5", std::nullopt},
    };
    for (const auto &c : cases) {
        StyleCheck check(c.element, c.style, c.others);
        const qrv::test::Shown shown = check.show(c.value);
        EXPECT_EQ(shown.text, c.expected) << c.style << " with " << c.value;
        EXPECT_EQ(shown.colour, c.colour) << c.style << " with " << c.value;
    }
}

TEST(OdsDataStyles, ConditionsOfMaps) {
    using qrv::import::numfmt::Comparison;
    const struct {
        const char *text;
        std::optional<qrv::import::numfmt::Condition> condition;
    } cases[] = {
        {"value()>=0", {{Comparison::kGreaterOrEqual, 0}}},
        {"value()<0", {{Comparison::kLess, 0}}},
        {"value() <= -1.5", {{Comparison::kLessOrEqual, -1.5}}},
        {"value()>1E3", {{Comparison::kGreater, 1000}}},
        {"value()=0", {{Comparison::kEqual, 0}}},
        {"value()==2", {{Comparison::kEqual, 2}}},
        {"value()!=0", {{Comparison::kNotEqual, 0}}},
        {"value()<>0", {{Comparison::kNotEqual, 0}}},
        {"value()>", std::nullopt},
        {"value()~0", std::nullopt},
        {"cell-content()>0", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto &c : cases) EXPECT_EQ(condition_of(c.text), c.condition) << c.text;
}

}  // namespace
}  // namespace qrv::import::odf
