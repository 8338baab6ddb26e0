// Tables of Word documents as the library reads them: the rows and cells
// CUGetTableInfo counts, the cell records CUGetCellInfo hands out with
// their spans and widths, header rows, nesting.
#include "docx_builder.hpp"
#include "table_shape.hpp"

namespace qrv::test {
namespace {

std::string cell(const std::string &text, const std::string &tcpr = "") {
    return "<w:tc>" + (tcpr.empty() ? "" : "<w:tcPr>" + tcpr + "</w:tcPr>") + para(text) + "</w:tc>";
}

std::string row(const std::string &cells, const std::string &trpr = "") {
    return "<w:tr>" + (trpr.empty() ? "" : "<w:trPr>" + trpr + "</w:trPr>") + cells + "</w:tr>";
}

std::string table(const std::string &rows, int columns = 3, int width = 2000) {
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
         row(cell("a") + cell("b") + cell("c")) + row(cell("d") + cell("e") + cell("f")),
         {{"2000/1/1", "2000/1/1", "2000/1/1"}, {"2000/1/1", "2000/1/1", "2000/1/1"}}},
        {"a column span takes the grid's widths",
         row(cell("a", "<w:gridSpan w:val=\"2\"/>") + cell("c")),
         {{"4000/2/1", "2000/1/1"}}},
        {"a cell's own width stands",
         row(cell("a", "<w:tcW w:w=\"1500\" w:type=\"dxa\"/>") + cell("b") + cell("c")),
         {{"1500/1/1", "2000/1/1", "2000/1/1"}}},
        {"a vertical merge over three rows",
         row(cell("a", "<w:vMerge w:val=\"restart\"/>") + cell("b") + cell("c")) +
             row(cell("", "<w:vMerge/>") + cell("e") + cell("f")) +
             row(cell("", "<w:vMerge w:val=\"continue\"/>") + cell("h") + cell("i")) +
             row(cell("j") + cell("k") + cell("l")),
         {{"2000/1/3", "2000/1/1", "2000/1/1"},
          {"2000/1/1", "2000/1/1"},
          {"2000/1/1", "2000/1/1"},
          {"2000/1/1", "2000/1/1", "2000/1/1"}}},
        {"a merge of two columns over two rows",
         row(cell("a", "<w:gridSpan w:val=\"2\"/><w:vMerge w:val=\"restart\"/>") + cell("c")) +
             row(cell("", "<w:gridSpan w:val=\"2\"/><w:vMerge/>") + cell("f")),
         {{"4000/2/2", "2000/1/1"}, {"2000/1/1"}}},
        {"cells left out before the first",
         row(cell("c"), "<w:gridBefore w:val=\"2\"/>") + row(cell("a") + cell("b") + cell("c")),
         {{"2000/1/1"}, {"2000/1/1", "2000/1/1", "2000/1/1"}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Docx docx;
        docx.body = table(c.rows);
        Imported doc(docx);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_EQ(shape_of(doc).cells, c.cells);
    }
}

TEST(DocxTables, HeaderRowsAndNestedTables) {
    Docx docx;
    const std::string inner = table(row(cell("x") + cell("y")) + row(cell("z") + cell("w")), 2, 900);
    docx.body = table(row(cell("Name") + cell("Value"), "<w:tblHeader/>") +
                          row(cell("nested") + "<w:tc>" + inner + para("") + "</w:tc>"),
                      2, 3000);
    Imported doc(docx);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_EQ(shape_of(doc).cells, (Cells{{"3000/1/1", "3000/1/1"}, {"3000/1/1", "3000/1/1"}}));
    expect_header_row_and_nested_table(doc);
}

TEST(DocxTables, MergedCellsInTheHtml) {
    Docx docx;
    docx.body = table(row(cell("wide", "<w:gridSpan w:val=\"2\"/>") + cell("tall", "<w:vMerge w:val=\"restart\"/>")) +
                      row(cell("a") + cell("b") + cell("", "<w:vMerge/>")));
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
    docx.body = table(row("<w:tc><w:p>" + numbered + "<w:r><w:t>one</w:t></w:r></w:p><w:p>" + numbered +
                          "<w:r><w:t>two</w:t></w:r></w:p><w:p><w:r><w:t>after</w:t></w:r></w:p></w:tc>" + cell("b")),
                      2);
    Imported doc(docx);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_EQ(doc.text(), "1. one 2. two after\tb\n");
}

}  // namespace
}  // namespace qrv::test
