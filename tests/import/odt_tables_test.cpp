// Tables of OpenDocument texts as the library reads them: column widths
// from column styles, spans over covered cells, repeated rows and cells,
// header rows, nesting.
#include "odt_builder.hpp"
#include "table_shape.hpp"

namespace qrv::test {
namespace {

std::string odt_cell(const std::string &text, const std::string &attributes = "") {
    return "<table:table-cell" + attributes + ">" + odt_p(text) + "</table:table-cell>";
}

std::string covered(const std::string &attributes = "") { return "<table:covered-table-cell" + attributes + "/>"; }

std::string odt_row(const std::string &cells, const std::string &attributes = "") {
    return "<table:table-row" + attributes + ">" + cells + "</table:table-row>";
}

std::string odt_table(const std::string &rows, int columns = 3) {
    return "<table:table table:name=\"T\"><table:table-column table:style-name=\"Col\" "
           "table:number-columns-repeated=\"" +
           std::to_string(columns) + "\"/>" + rows + "</table:table>";
}

const std::string kColumnStyle =
    odt_style("Col", "table-column", "<style:table-column-properties style:column-width=\"1in\"/>") +
    odt_style("Tall", "table-row", "<style:table-row-properties style:min-row-height=\"0.5in\"/>");

Imported imported(const std::string &body) {
    Odt odt;
    odt.automatic = kColumnStyle;
    odt.body = body;
    return Imported(odt);
}

TEST(OdtTables, RowsCellsAndSpans) {
    struct Case {
        const char *name;
        std::string rows;
        Cells cells;
    } cases[] = {
        {"plain grid",
         odt_row(odt_cell("a") + odt_cell("b") + odt_cell("c")) +
             odt_row(odt_cell("d") + odt_cell("e") + odt_cell("f")),
         {{"1440/1/1", "1440/1/1", "1440/1/1"}, {"1440/1/1", "1440/1/1", "1440/1/1"}}},
        {"a column span passes over the cells it covers",
         odt_row(odt_cell("a", " table:number-columns-spanned=\"2\"") + covered() + odt_cell("c")),
         {{"2880/2/1", "1440/1/1"}}},
        {"a row span over three rows",
         odt_row(odt_cell("a", " table:number-rows-spanned=\"3\"") + odt_cell("b") + odt_cell("c")) +
             odt_row(covered() + odt_cell("e") + odt_cell("f")) + odt_row(covered() + odt_cell("h") + odt_cell("i")) +
             odt_row(odt_cell("j") + odt_cell("k") + odt_cell("l")),
         {{"1440/1/3", "1440/1/1", "1440/1/1"},
          {"1440/1/1", "1440/1/1"},
          {"1440/1/1", "1440/1/1"},
          {"1440/1/1", "1440/1/1", "1440/1/1"}}},
        {"two columns over two rows",
         odt_row(odt_cell("a", " table:number-columns-spanned=\"2\" table:number-rows-spanned=\"2\"") + covered() +
                 odt_cell("c")) +
             odt_row(covered() + covered() + odt_cell("f")),
         {{"2880/2/2", "1440/1/1"}, {"1440/1/1"}}},
        {"a span in the middle column",
         odt_row(odt_cell("a") + odt_cell("b", " table:number-rows-spanned=\"2\"") + odt_cell("c")) +
             odt_row(odt_cell("d") + covered() + odt_cell("f")),
         {{"1440/1/1", "1440/1/2", "1440/1/1"}, {"1440/1/1", "1440/1/1"}}},
        {"repeated cells and rows",
         odt_row(odt_cell("a", " table:number-columns-repeated=\"3\""), " table:number-rows-repeated=\"2\""),
         {{"1440/1/1", "1440/1/1", "1440/1/1"}, {"1440/1/1", "1440/1/1", "1440/1/1"}}},
        {"a covered cell with nothing over it is an empty cell",
         odt_row(odt_cell("a") + covered() + odt_cell("c")),
         {{"1440/1/1", "1440/1/1", "1440/1/1"}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Imported doc = imported(odt_table(c.rows));
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_EQ(shape_of(doc).cells, c.cells);
    }
}

TEST(OdtTables, HeaderRowsHeightsAndNesting) {
    const std::string inner =
        odt_table(odt_row(odt_cell("x") + odt_cell("y")) + odt_row(odt_cell("z") + odt_cell("w")), 2);
    Imported doc = imported(odt_table(
        "<table:table-header-rows>" + odt_row(odt_cell("Name") + odt_cell("Value")) + "</table:table-header-rows>" +
            odt_row(odt_cell("nested") + "<table:table-cell>" + inner + "</table:table-cell>",
                    " table:style-name=\"Tall\""),
        2));
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    expect_header_row_and_nested_table(doc);
}

TEST(OdtTables, MergedCellsInTheHtml) {
    Imported doc = imported(odt_table(odt_row(odt_cell("wide", " table:number-columns-spanned=\"2\"") + covered() +
                                              odt_cell("tall", " table:number-rows-spanned=\"2\"")) +
                                      odt_row(odt_cell("a") + odt_cell("b") + covered())));
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    expect_merged_cells_html(doc);
}

// What a covered cell holds is not shown; column groups and row groups
// hold columns and rows.
TEST(OdtTables, GroupsAndCoveredContent) {
    Imported doc = imported(
        "<table:table><table:table-column-group><table:table-column table:style-name=\"Col\"/>"
        "<table:table-column table:style-name=\"Col\"/></table:table-column-group>"
        "<table:table-row-group>" +
        odt_row(odt_cell("a", " table:number-columns-spanned=\"2\"") + "<table:covered-table-cell>" + odt_p("hidden") +
                "</table:covered-table-cell>") +
        "</table:table-row-group><table:table-rows>" + odt_row(odt_cell("b") + odt_cell("c")) +
        "</table:table-rows></table:table>");
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_EQ(shape_of(doc).cells, (Cells{{"2880/2/1"}, {"1440/1/1", "1440/1/1"}}));
    EXPECT_EQ(doc.text().find("hidden"), std::string::npos) << doc.text();
}

}  // namespace
}  // namespace qrv::test
