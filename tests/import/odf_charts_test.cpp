// OpenDocument charts: an embedded object whose body is a chart is read
// from its own table (the ranges each series names in it), in a text
// document's frame and in a spreadsheet cell's.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "odf/chart_object.hpp"
#include "imported_document.hpp"
#include "ods_builder.hpp"
#include "odt_builder.hpp"
#include "slides_builder.hpp"

namespace qrv::test {
namespace {

std::string odf_row(const std::vector<std::string> &cells, const std::string &attributes = "") {
    std::string row = "<table:table-row" + attributes + ">";
    for (const std::string &c : cells) {
        const bool number = !c.empty() && c.find_first_not_of("0123456789.-") == std::string::npos;
        row += number ? "<table:table-cell office:value-type=\"float\" office:value=\"" + c + "\"><text:p>" + c +
                            "</text:p></table:table-cell>"
                      : "<table:table-cell office:value-type=\"string\"><text:p>" + c + "</text:p></table:table-cell>";
    }
    return row + "</table:table-row>";
}

// A chart object of two series over three regions; rows given after the
// header row.
std::string chart_object(const std::string &chart_class, const std::string &rows) {
    return "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
           "xmlns:chart=\"urn:oasis:names:tc:opendocument:xmlns:chart:1.0\" "
           "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
           "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
           "xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\" "
           "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\"><office:automatic-styles>"
           "<style:style style:name=\"pa\" style:family=\"chart\"><style:chart-properties chart:vertical=\"true\" "
           "chart:stacked=\"true\"/></style:style><style:style style:name=\"s1\" style:family=\"chart\">"
           "<style:graphic-properties draw:fill-color=\"#00ff00\"/></style:style></office:automatic-styles>"
           "<office:body><office:chart><chart:chart chart:class=\"" +
           chart_class +
           "\"><chart:title><text:p>Fruit</text:p></chart:title><chart:legend chart:legend-position=\"bottom\"/>"
           "<chart:plot-area chart:style-name=\"pa\"><chart:axis chart:dimension=\"x\"><chart:title><text:p>Region"
           "</text:p></chart:title><chart:categories table:cell-range-address=\"local-table.$A$2:.$A$4\"/>"
           "</chart:axis><chart:axis chart:dimension=\"y\"/><chart:series chart:style-name=\"s1\" "
           "chart:values-cell-range-address=\"local-table.$B$2:.$B$4\" chart:label-cell-address=\"local-table.$B$1\"/>"
           "<chart:series chart:values-cell-range-address=\"local-table.$C$2:.$C$4\" "
           "chart:label-cell-address=\"local-table.$C$1\"/></chart:plot-area><table:table table:name=\"local-table\">"
           "<table:table-header-rows>" +
           odf_row({"", "Apples", "Pears"}) + "</table:table-header-rows><table:table-rows>" + rows +
           "</table:table-rows></table:table></chart:chart></office:chart></office:body></office:document-content>";
}

const std::string kRows = odf_row({"North", "3", "1"}) + odf_row({"South", "5", "4"}) + odf_row({"East", "2", "6"});

const std::string kFrame =
    "<draw:frame draw:name=\"Object1\" svg:width=\"4in\" svg:height=\"3in\"><draw:object xlink:href=\"./Object 1\" "
    "xlink:type=\"simple\"/><draw:image xlink:href=\"./ObjectReplacements/Object 1\"/></draw:frame>";

const std::string kExpectedChart =
    R"("chart":{"kind":"bar","grouping":"stacked","title":"Fruit","category_title":"Region","legend":"bottom",)"
    R"("series":[{"name":"Apples","colour":"#00ff00","categories":["North","South","East"],"values":[3,5,2]},)"
    R"({"name":"Pears","categories":["North","South","East"],"values":[1,4,6]}]})";

TEST(OdfCharts, TextSheetAndSlideChartsAreReadFromTheirTable) {
    Odt odt;
    odt.body = "<text:p>" + kFrame + "</text:p>";
    odt.extra_parts = {{"Object 1/content.xml", chart_object("chart:bar", kRows)},
                       {"ObjectReplacements/Object 1", "not a picture"}};
    std::vector<Part> ods = ods_parts(OdsSpec(ods_table("T", ods_row(ods_string("Name") + ods_cell("", kFrame)))));
    ods.push_back({"Object 1/content.xml", chart_object("chart:bar", kRows)});
    Odp odp;
    odp.pages = "<draw:page draw:name=\"p1\">" + kFrame + "</draw:page>";
    odp.extra_parts = odt.extra_parts;
    struct Case {
        const char *name;
        std::string bytes, file_name;
    };
    const Case cases[] = {
        {"odt", odt.bytes(), Odt::kFileName}, {"ods", zip_of(ods), "test.ods"}, {"odp", odp.bytes(), Odp::kFileName}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Imported doc(c.bytes, c.file_name.c_str());
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        const std::string json = doc.exported(QRV_OUTPUT_JSON);
        EXPECT_NE(json.find(kExpectedChart), std::string::npos) << json;
        const std::string page = doc.exported(QRV_OUTPUT_HTML);
        EXPECT_NE(page.find("<svg class=\"chart\""), std::string::npos) << page;
        EXPECT_EQ(page.find("ObjectReplacements"), std::string::npos) << page;
    }
}

// What a chart's table does not hold is missing; repeated rows and cells
// stand as often as they say, within the bounds.
TEST(OdfCharts, TheTableIsReadWithinBounds) {
    struct Case {
        const char *name;
        std::string chart_class, rows;
        std::string expected;
    };
    const std::string repeated = "<table:table-row table:number-rows-repeated=\"2\"><table:table-cell "
                                 "office:value-type=\"string\"><text:p>Any</text:p></table:table-cell>"
                                 "<table:table-cell table:number-columns-repeated=\"2\" office:value-type=\"float\" "
                                 "office:value=\"7\"/></table:table-row>";
    const std::string huge = "<table:table-row table:number-rows-repeated=\"2000000000\"><table:table-cell "
                             "table:number-columns-repeated=\"2000000000\" office:value-type=\"float\" "
                             "office:value=\"1\"/></table:table-row>";
    const Case cases[] = {
        {"rows missing", "chart:line", odf_row({"North", "3", "1"}),
         R"("name":"Apples","colour":"#00ff00","categories":["North"],"values":[3]})"},
        {"not numbers", "chart:circle", odf_row({"North", "three", "1"}) + odf_row({"South", "", "4"}),
         R"("kind":"pie")"},
        {"repeats", "chart:ring", repeated + odf_row({"Last", "1", "2"}),
         R"("categories":["Any","Any","Last"],"values":[7,7,1])"},
        {"huge repeats", "chart:radar", huge, R"("kind":"other")"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Odt odt;
        odt.body = "<text:p>" + kFrame + "</text:p>";
        odt.extra_parts = {{"Object 1/content.xml", chart_object(c.chart_class, c.rows)}};
        Imported doc(odt.bytes(), Odt::kFileName);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        const std::string json = doc.exported(QRV_OUTPUT_JSON);
        EXPECT_NE(json.find(c.expected), std::string::npos) << json;
        EXPECT_FALSE(doc.exported(QRV_OUTPUT_HTML).empty());
    }
}

TEST(OdfCharts, CellRanges) {
    struct Case {
        const char *text;
        bool parsed;
        uint32_t first_column, first_row, last_column, last_row;
    };
    const Case cases[] = {
        {"local-table.$B$2:.$B$4", true, 1, 1, 1, 3},   {"local-table.$B$1", true, 1, 0, 1, 0},
        {"'Sheet 1'.A3:'Sheet 1'.AB1 t.A1", true, 0, 0, 27, 2}, {"local-table.$B$0", false, 0, 0, 0, 0},
        {"nothing", false, 0, 0, 0, 0},                 {"", false, 0, 0, 0, 0},
        {"t.A1:t.ZZZZZZZZ9", false, 0, 0, 0, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        import::odf::CellRange range;
        ASSERT_EQ(import::odf::parse_cell_range(c.text, range), c.parsed);
        if (!c.parsed) continue;
        EXPECT_EQ(range.first_column, c.first_column);
        EXPECT_EQ(range.first_row, c.first_row);
        EXPECT_EQ(range.last_column, c.last_column);
        EXPECT_EQ(range.last_row, c.last_row);
    }
}

}  // namespace
}  // namespace qrv::test
