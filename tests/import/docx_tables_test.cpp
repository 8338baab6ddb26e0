// Tables of Word documents as the library reads them: the rows and cells
// CUGetTableInfo counts, the cell records CUGetCellInfo hands out with
// their spans and widths, header rows, nesting.
#include "docx_builder.hpp"
#include "table_shape.hpp"

namespace qrv::test {
namespace {

std::string docx_cell(const std::string &text, const std::string &tcpr = "") {
    return "<w:tc>" + (tcpr.empty() ? "" : "<w:tcPr>" + tcpr + "</w:tcPr>") + para(text) + "</w:tc>";
}

std::string docx_row(const std::string &cells, const std::string &trpr = "") {
    return "<w:tr>" + (trpr.empty() ? "" : "<w:trPr>" + trpr + "</w:trPr>") + cells + "</w:tr>";
}

std::string docx_table(const std::string &rows, int columns = 3, int width = 2000) {
    std::string grid = "<w:tblGrid>";
    for (int i = 0; i < columns; ++i) grid += "<w:gridCol w:w=\"" + std::to_string(width) + "\"/>";
    return "<w:tbl><w:tblPr/>" + grid + "</w:tblGrid>" + rows + "</w:tbl>";
}

TEST(DocxTables, RowsCellsAndSpans) {
    struct Case {
        const char *name;
        std::string rows;
        Cells cells;
    } cases[] = {
        {"plain grid",
         docx_row(docx_cell("a") + docx_cell("b") + docx_cell("c")) +
             docx_row(docx_cell("d") + docx_cell("e") + docx_cell("f")),
         {{"2000/1/1", "2000/1/1", "2000/1/1"}, {"2000/1/1", "2000/1/1", "2000/1/1"}}},
        {"a column span takes the grid's widths",
         docx_row(docx_cell("a", "<w:gridSpan w:val=\"2\"/>") + docx_cell("c")),
         {{"4000/2/1", "2000/1/1"}}},
        {"a cell's own width stands",
         docx_row(docx_cell("a", "<w:tcW w:w=\"1500\" w:type=\"dxa\"/>") + docx_cell("b") + docx_cell("c")),
         {{"1500/1/1", "2000/1/1", "2000/1/1"}}},
        {"a vertical merge over three rows",
         docx_row(docx_cell("a", "<w:vMerge w:val=\"restart\"/>") + docx_cell("b") + docx_cell("c")) +
             docx_row(docx_cell("", "<w:vMerge/>") + docx_cell("e") + docx_cell("f")) +
             docx_row(docx_cell("", "<w:vMerge w:val=\"continue\"/>") + docx_cell("h") + docx_cell("i")) +
             docx_row(docx_cell("j") + docx_cell("k") + docx_cell("l")),
         {{"2000/1/3", "2000/1/1", "2000/1/1"},
          {"2000/1/1", "2000/1/1"},
          {"2000/1/1", "2000/1/1"},
          {"2000/1/1", "2000/1/1", "2000/1/1"}}},
        {"a merge of two columns over two rows",
         docx_row(docx_cell("a", "<w:gridSpan w:val=\"2\"/><w:vMerge w:val=\"restart\"/>") + docx_cell("c")) +
             docx_row(docx_cell("", "<w:gridSpan w:val=\"2\"/><w:vMerge/>") + docx_cell("f")),
         {{"4000/2/2", "2000/1/1"}, {"2000/1/1"}}},
        {"cells left out before the first",
         docx_row(docx_cell("c"), "<w:gridBefore w:val=\"2\"/>") +
             docx_row(docx_cell("a") + docx_cell("b") + docx_cell("c")),
         {{"2000/1/1"}, {"2000/1/1", "2000/1/1", "2000/1/1"}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Docx docx;
        docx.body = docx_table(c.rows);
        Imported doc(docx);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_EQ(shape_of(doc).cells, c.cells);
    }
}

TEST(DocxTables, HeaderRowsAndNestedTables) {
    Docx docx;
    const std::string inner =
        docx_table(docx_row(docx_cell("x") + docx_cell("y")) + docx_row(docx_cell("z") + docx_cell("w")), 2, 900);
    docx.body = docx_table(docx_row(docx_cell("Name") + docx_cell("Value"), "<w:tblHeader/>") +
                               docx_row(docx_cell("nested") + "<w:tc>" + inner + para("") + "</w:tc>"),
                           2, 3000);
    Imported doc(docx);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_EQ(shape_of(doc).cells, (Cells{{"3000/1/1", "3000/1/1"}, {"3000/1/1", "3000/1/1"}}));
    expect_header_row_and_nested_table(doc);
}

TEST(DocxTables, MergedCellsInTheHtml) {
    Docx docx;
    docx.body = docx_table(
        docx_row(docx_cell("wide", "<w:gridSpan w:val=\"2\"/>") + docx_cell("tall", "<w:vMerge w:val=\"restart\"/>")) +
        docx_row(docx_cell("a") + docx_cell("b") + docx_cell("", "<w:vMerge/>")));
    Imported doc(docx);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    expect_merged_cells_html(doc);
}

// Lists, several paragraphs and tables in cells.
TEST(DocxTables, CellsHoldAnyContent) {
    Docx docx;
    docx.numbering =
        "<w:abstractNum w:abstractNumId=\"1\"><w:lvl w:ilvl=\"0\"><w:numFmt w:val=\"decimal\"/>"
        "<w:lvlText w:val=\"%1.\"/></w:lvl></w:abstractNum><w:num w:numId=\"1\"><w:abstractNumId "
        "w:val=\"1\"/></w:num>";
    const std::string numbered = "<w:pPr><w:numPr><w:ilvl w:val=\"0\"/><w:numId w:val=\"1\"/></w:numPr></w:pPr>";
    docx.body = docx_table(
        docx_row("<w:tc><w:p>" + numbered + "<w:r><w:t>one</w:t></w:r></w:p><w:p>" + numbered +
                 "<w:r><w:t>two</w:t></w:r></w:p><w:p><w:r><w:t>after</w:t></w:r></w:p></w:tc>" + docx_cell("b")),
        2);
    Imported doc(docx);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_EQ(doc.text(), "1. one 2. two after  b\n");
}

}  // namespace
}  // namespace qrv::test
