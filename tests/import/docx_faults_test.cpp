// Broken and hostile Word documents: a one-line error naming the part, or a
// best-effort document with a warning, and an export of it; never a crash
// or a hang, whatever the nesting.
#include <thread>

#include "docx_builder.hpp"
#include "nested_markup.hpp"

namespace qrv::test {
namespace {

TEST(DocxFaults, RefusalsNameTheFileAndThePart) {
    Docx good;
    good.body = para("x");
    std::vector<Part> without_document = package_frame(
        "word/document.xml", "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml");
    std::vector<Part> broken_document = without_document;
    broken_document.push_back({"word/document.xml",
                               "<?xml version=\"1.0\"?><w:document xmlns:w=\"http://schemas."
                               "openxmlformats.org/wordprocessingml/2006/main\">\n<w:body><w:p>"});
    struct Case {
        const char *name;
        std::string bytes;
        uint32_t result;
        const char *message;
    } cases[] = {
        {"no archive", "PK\x03\x04 not really", IM_ERR_BROKEN, "test.docx: "},
        {"no main part", zip_of(without_document), IM_ERR_BROKEN,
         "test.docx: word/document.xml: the part is missing from the package"},
        {"main part cut short", zip_of(broken_document), IM_ERR_BROKEN, "test.docx: word/document.xml: line 2: "},
        {"a truncated archive", good.bytes().substr(0, 200), IM_ERR_BROKEN, "test.docx: "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Imported doc(c.bytes);
        expect_refused(doc, c.result, c.message);
    }
}

// Parts the document can do without are left out with a warning.
TEST(DocxFaults, BrokenSecondaryPartsAreLeftOut) {
    struct Case {
        const char *name;
        Docx docx;
        const char *warning;
    } cases[] = {
        {"styles not well-formed", {.body = para("text"), .styles = "<w:style"}, "word/styles.xml: line 1: "},
        {"numbering not well-formed",
         {.body = para("text"), .numbering = "<w:num></w:abstractNum>"},
         "word/numbering.xml: line 1: "},
        {"footnotes not well-formed", {.body = para("text"), .footnotes = "<w:footnote>"}, "word/footnotes.xml"},
    };
    for (auto &c : cases) {
        SCOPED_TRACE(c.name);
        Imported doc(c.docx);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_NE(doc.message().find(c.warning), std::string::npos) << doc.message();
        EXPECT_EQ(doc.text(), "text\n");
    }
    // A relationship to a part the package lacks.
    Docx missing;
    missing.body = para("text");
    missing.extra_parts.push_back({"word/_rels/document.xml.rels",
                                   "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/"
                                   "package/2006/relationships\"><Relationship Id=\"r1\" Type=\"http://schemas."
                                   "openxmlformats.org/officeDocument/2006/relationships/styles\" Target=\"gone.xml\"/>"
                                   "</Relationships>"});
    Imported doc(missing);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_NE(doc.message().find("word/gone.xml: the part is missing"), std::string::npos) << doc.message();
}

// Ten thousand nested tables: the deepest are written as paragraphs, and
// the export goes through.
TEST(DocxFaults, TenThousandNestedTables) {
    Docx docx;
    docx.body = nested("<w:tbl><w:tblGrid><w:gridCol w:w=\"100\"/></w:tblGrid><w:tr><w:tc>", "</w:tc></w:tr></w:tbl>",
                       para("bottom"), 10000) +
                para("after");
    Imported doc(docx);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_NE(doc.message().find("tables nested deeper than 64"), std::string::npos) << doc.message();
    uint32_t tables = 0;
    CHGetItemCount(doc.handle(), CH_STORE_TABLE_INDEX, &tables);
    EXPECT_EQ(tables, 2u * 64);
    const std::string html = doc.exported();
    EXPECT_NE(html.find("<p>after</p>"), std::string::npos);
}

// Rows far wider than any grid: their cells keep their records while
// nothing comes between them, and absurd counts cost nothing.
TEST(DocxFaults, WideRowsAndAbsurdCounts) {
    std::string wide = "<w:tbl><w:tr>";
    for (int c = 0; c < 300; ++c)
        wide += "<w:tc><w:tcPr><w:gridSpan w:val=\"" + std::to_string(c == 280 ? 3 : 1) + "\"/></w:tcPr>" +
                para("c" + std::to_string(c)) + "</w:tc>";
    wide += "</w:tr></w:tbl>";
    Docx docx;
    docx.body = wide + "<w:tbl><w:tr><w:trPr><w:gridBefore w:val=\"2000000000\"/></w:trPr><w:tc>" + para("far") +
                "</w:tc><w:tc><w:tcPr><w:gridSpan w:val=\"999999\"/><w:vMerge w:val=\"restart\"/></w:tcPr>" +
                para("wider") + "</w:tc></w:tr></w:tbl>";
    Imported doc(docx);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_EQ(doc.message(), "");
    const std::string html = doc.exported();
    EXPECT_NE(html.find("<td colspan=\"3\"><p>c280</p>"), std::string::npos);
    EXPECT_NE(html.find("<p>wider</p>"), std::string::npos);
}

TEST(DocxFaults, AbsurdListLevelsAndNesting) {
    struct Case {
        const char *name;
        Docx docx;
        const char *warning;
    } cases[] = {
        {"ten thousand list levels",
         {.body = para("item", "<w:numPr><w:ilvl w:val=\"9999\"/><w:numId w:val=\"1\"/></w:numPr>"),
          .numbering = "<w:abstractNum w:abstractNumId=\"1\">" +
                       [] {
                           std::string levels;
                           for (int i = 0; i < 10000; ++i)
                               levels += "<w:lvl w:ilvl=\"" + std::to_string(i) +
                                         "\"><w:numFmt w:val=\"decimal\"/><w:lvlText w:val=\"%1.\"/></w:lvl>";
                           return levels;
                       }() +
                       "</w:abstractNum><w:num w:numId=\"1\"><w:abstractNumId w:val=\"1\"/></w:num>"},
         "list levels beyond 12"},
        {"text boxes in text boxes",
         {.body = "<w:p><w:r>" +
                  nested("<w:pict><v:textbox><w:txbxContent><w:p><w:r>",
                         "</w:r></w:p></w:txbxContent></v:textbox></w:pict>", "<w:t>deep</w:t>", 500) +
                  "</w:r></w:p>"},
         "text boxes nested deeper than 8"},
        {"content controls in content controls",
         {.body = nested("<w:sdt><w:sdtContent>", "</w:sdtContent></w:sdt>", para("wrapped"), 20000)},
         ""},
        {"fields in fields",
         {.body = "<w:p>" +
                  nested("<w:r><w:fldChar w:fldCharType=\"begin\"/></w:r>",
                         "<w:r><w:fldChar w:fldCharType=\"end\"/></w:r>", "<w:r><w:t>x</w:t></w:r>", 5000) +
                  "<w:r><w:t>shown</w:t></w:r></w:p>"},
         ""},
    };
    for (auto &c : cases) {
        SCOPED_TRACE(c.name);
        Imported doc(c.docx);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_NE(doc.message().find(c.warning), std::string::npos) << doc.message();
        EXPECT_FALSE(doc.exported().empty());
    }
}

// Elements nested past the reader's bound are refused with the bound's message.
TEST(DocxFaults, NestingBeyondTheXmlBoundIsRefused) {
    Docx docx;
    docx.body = nested("<w:customXml>", "</w:customXml>", para("x"), 150000);
    Imported doc(docx);
    EXPECT_EQ(doc.result(), uint32_t{IM_ERR_LIMIT});
    EXPECT_NE(doc.message().find("nested deeper than"), std::string::npos) << doc.message();
}

// Imports share nothing: documents imported on several threads at once
// come out as one thread makes them.
TEST(DocxFaults, ImportsRunOnManyThreadsAtOnce) {
    Docx docx;
    docx.styles = style("Heading1", "heading 1", "<w:pPr><w:outlineLvl w:val=\"0\"/></w:pPr>");
    docx.numbering =
        "<w:abstractNum w:abstractNumId=\"1\"><w:lvl w:ilvl=\"0\"><w:numFmt w:val=\"decimal\"/>"
        "<w:lvlText w:val=\"%1.\"/></w:lvl></w:abstractNum><w:num w:numId=\"1\"><w:abstractNumId "
        "w:val=\"1\"/></w:num>";
    for (int i = 0; i < 50; ++i)
        docx.body += para("Part " + std::to_string(i), "<w:pStyle w:val=\"Heading1\"/>") +
                     para("item", "<w:numPr><w:ilvl w:val=\"0\"/><w:numId w:val=\"1\"/></w:numPr>");
    const std::string bytes = docx.bytes();
    const std::string expected = Imported(bytes).exported();
    std::vector<std::string> outputs(4);
    std::vector<std::thread> threads;
    for (size_t t = 0; t < outputs.size(); ++t)
        threads.emplace_back([&, t] {
            for (int round = 0; round < 5; ++round) {
                Imported doc(bytes);
                outputs[t] = doc.exported();
                if (outputs[t] != expected) break;
            }
        });
    for (auto &thread : threads) thread.join();
    for (const auto &output : outputs) EXPECT_EQ(output, expected);
}

}  // namespace
}  // namespace qrv::test
