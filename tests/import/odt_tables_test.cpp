// Tables of OpenDocument texts as the library reads them: column widths
// from column styles, spans over covered cells, repeated rows and cells,
// header rows, nesting.
#include "odt_builder.hpp"
#include "table_shape.hpp"

namespace qrv::test {
namespace {

std::string cell(const std::string &text, const std::string &attributes = "") {
    return "<table:table-cell" + attributes + ">" + odt_p(text) + "</table:table-cell>";
}

std::string covered(const std::string &attributes = "") { return "<table:covered-table-cell" + attributes + "/>"; }

std::string row(const std::string &cells, const std::string &attributes = "") {
    return "<table:table-row" + attributes + ">" + cells + "</table:table-row>";
}

std::string table(const std::string &rows, int columns = 3) {
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
         row(cell("a") + cell("b") + cell("c")) + row(cell("d") + cell("e") + cell("f")),
         {{"1440/1/1", "1440/1/1", "1440/1/1"}, {"1440/1/1", "1440/1/1", "1440/1/1"}}},
        {"a column span passes over the cells it covers",
         row(cell("a", " table:number-columns-spanned=\"2\"") + covered() + cell("c")),
         {{"2880/2/1", "1440/1/1"}}},
        {"a row span over three rows",
         row(cell("a", " table:number-rows-spanned=\"3\"") + cell("b") + cell("c")) +
             row(covered() + cell("e") + cell("f")) + row(covered() + cell("h") + cell("i")) +
             row(cell("j") + cell("k") + cell("l")),
         {{"1440/1/3", "1440/1/1", "1440/1/1"},
          {"1440/1/1", "1440/1/1"},
          {"1440/1/1", "1440/1/1"},
          {"1440/1/1", "1440/1/1", "1440/1/1"}}},
        {"two columns over two rows",
         row(cell("a", " table:number-columns-spanned=\"2\" table:number-rows-spanned=\"2\"") + covered() + cell("c")) +
             row(covered() + covered() + cell("f")),
         {{"2880/2/2", "1440/1/1"}, {"1440/1/1"}}},
        {"a span in the middle column",
         row(cell("a") + cell("b", " table:number-rows-spanned=\"2\"") + cell("c")) +
             row(cell("d") + covered() + cell("f")),
         {{"1440/1/1", "1440/1/2", "1440/1/1"}, {"1440/1/1", "1440/1/1"}}},
        {"repeated cells and rows",
         row(cell("a", " table:number-columns-repeated=\"3\""), " table:number-rows-repeated=\"2\""),
         {{"1440/1/1", "1440/1/1", "1440/1/1"}, {"1440/1/1", "1440/1/1", "1440/1/1"}}},
        {"a covered cell with nothing over it is an empty cell",
         row(cell("a") + covered() + cell("c")),
         {{"1440/1/1", "1440/1/1", "1440/1/1"}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Imported doc = imported(table(c.rows));
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_EQ(shape_of(doc).cells, c.cells);
    }
}

TEST(OdtTables, HeaderRowsHeightsAndNesting) {
    const std::string inner = table(row(cell("x") + cell("y")) + row(cell("z") + cell("w")), 2);
    Imported doc = imported(table(
        "<table:table-header-rows>" + row(cell("Name") + cell("Value")) + "</table:table-header-rows>" +
            row(cell("nested") + "<table:table-cell>" + inner + "</table:table-cell>", " table:style-name=\"Tall\""),
        2));
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    expect_header_row_and_nested_table(doc);
}

TEST(OdtTables, MergedCellsInTheHtml) {
    Imported doc = imported(table(row(cell("wide", " table:number-columns-spanned=\"2\"") + covered() +
                                      cell("tall", " table:number-rows-spanned=\"2\"")) +
                                  row(cell("a") + cell("b") + covered())));
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
        row(cell("a", " table:number-columns-spanned=\"2\"") + "<table:covered-table-cell>" + odt_p("hidden") +
            "</table:covered-table-cell>") +
        "</table:table-row-group><table:table-rows>" + row(cell("b") + cell("c")) +
        "</table:table-rows></table:table>");
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_EQ(shape_of(doc).cells, (Cells{{"2880/2/1"}, {"1440/1/1", "1440/1/1"}}));
    EXPECT_EQ(doc.text().find("hidden"), std::string::npos) << doc.text();
}

}  // namespace
}  // namespace qrv::test
