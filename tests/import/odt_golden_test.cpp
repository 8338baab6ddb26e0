// Real-looking OpenDocument texts, built here as an office suite writes
// them (common styles in styles.xml, automatic styles named P1 and T1 in
// content.xml, lists that continue each other by xml:id, the outline
// numbering, soft page breaks, captions with sequence fields), exported to
// HTML and compared byte for byte with tests/import/golden/NAME.html
// (golden_page.hpp).
#include <thread>

#include "golden_page.hpp"
#include "odf_list_item.hpp"
#include "odt_builder.hpp"

namespace qrv::test {
namespace {

std::string span(const std::string &style, const std::string &text) {
    return "<text:span text:style-name=\"" + style + "\">" + text + "</text:span>";
}

std::string string_cell(const std::string &inside, const std::string &attributes = "") {
    return "<table:table-cell table:style-name=\"Table1.A1\" office:value-type=\"string\"" + attributes + ">" + inside +
           "</table:table-cell>";
}

const std::string kLiberationFaces =
    "<style:font-face style:name=\"Liberation Serif\" svg:font-family=\"'Liberation Serif'\" "
    "style:font-family-generic=\"roman\"/><style:font-face style:name=\"Liberation Sans\" "
    "svg:font-family=\"'Liberation Sans'\" style:font-family-generic=\"swiss\"/><style:font-face "
    "style:name=\"Liberation Mono\" svg:font-family=\"'Liberation Mono'\" style:font-pitch=\"fixed\"/>";

const std::string kWriterStyles =
    "<style:default-style style:family=\"paragraph\"><style:paragraph-properties fo:orphans=\"2\"/>"
    "<style:text-properties style:font-name=\"Liberation Serif\" fo:font-size=\"12pt\" fo:language=\"en\"/>"
    "</style:default-style>" +
    odt_style("Standard", "paragraph", "", " style:class=\"text\"") +
    odt_style("Heading", "paragraph",
              "<style:paragraph-properties fo:margin-top=\"0.423cm\" fo:margin-bottom=\"0.212cm\" "
              "fo:keep-with-next=\"always\"/><style:text-properties style:font-name=\"Liberation Sans\" "
              "fo:font-size=\"14pt\"/>",
              " style:parent-style-name=\"Standard\" style:next-style-name=\"Text_20_body\" style:class=\"text\"") +
    odt_style("Text_20_body", "paragraph",
              "<style:paragraph-properties fo:margin-top=\"0cm\" fo:margin-bottom=\"0.247cm\" "
              "fo:line-height=\"115%\"/>",
              " style:display-name=\"Text body\" style:parent-style-name=\"Standard\" style:class=\"text\"") +
    odt_style("Heading_20_1", "paragraph", "<style:text-properties fo:font-size=\"130%\" fo:font-weight=\"bold\"/>",
              " style:display-name=\"Heading 1\" style:parent-style-name=\"Heading\" "
              "style:default-outline-level=\"1\" style:list-style-name=\"\"") +
    odt_style("Heading_20_2", "paragraph", "<style:text-properties fo:font-size=\"115%\" fo:font-weight=\"bold\"/>",
              " style:display-name=\"Heading 2\" style:parent-style-name=\"Heading\" "
              "style:default-outline-level=\"2\" style:list-style-name=\"\"") +
    odt_style("Title", "paragraph",
              "<style:paragraph-properties fo:text-align=\"center\"/><style:text-properties fo:font-size=\"28pt\" "
              "fo:font-weight=\"bold\"/>",
              " style:parent-style-name=\"Heading\" style:class=\"chapter\"") +
    odt_style("Caption", "paragraph", "<style:text-properties fo:font-size=\"12pt\" fo:font-style=\"italic\"/>",
              " style:parent-style-name=\"Standard\" style:class=\"extra\"") +
    odt_style("Table", "paragraph", "", " style:parent-style-name=\"Caption\" style:class=\"extra\"") +
    odt_style("Table_20_Contents", "paragraph", "",
              " style:display-name=\"Table Contents\" style:parent-style-name=\"Standard\" style:class=\"extra\"") +
    odt_style("Table_20_Heading", "paragraph",
              "<style:paragraph-properties fo:text-align=\"center\"/><style:text-properties fo:font-weight=\"bold\"/>",
              " style:display-name=\"Table Heading\" style:parent-style-name=\"Table_20_Contents\"") +
    odt_style("Emphasis", "text", "<style:text-properties fo:font-style=\"italic\"/>") +
    odt_style("Strong_20_Emphasis", "text", "<style:text-properties fo:font-weight=\"bold\"/>",
              " style:display-name=\"Strong Emphasis\"") +
    odt_style("Source_20_Text", "text", "<style:text-properties style:font-name=\"Liberation Mono\"/>",
              " style:display-name=\"Source Text\"") +
    odt_style("Internet_20_link", "text",
              "<style:text-properties fo:color=\"#000080\" style:text-underline-style=\"solid\" "
              "style:text-underline-width=\"auto\" style:text-underline-color=\"font-color\"/>",
              " style:display-name=\"Internet link\"") +
    "<text:outline-style style:name=\"Outline\">"
    "<text:outline-level-style text:level=\"1\" style:num-format=\"1\" style:num-suffix=\".\"><style:list-level-"
    "properties text:list-level-position-and-space-mode=\"label-alignment\"><style:list-level-label-alignment "
    "text:label-followed-by=\"listtab\"/></style:list-level-properties></text:outline-level-style>"
    "<text:outline-level-style text:level=\"2\" style:num-format=\"1\" text:display-levels=\"2\"/>"
    "<text:outline-level-style text:level=\"3\" style:num-format=\"\"/></text:outline-style>"
    "<text:notes-configuration text:note-class=\"footnote\" style:num-format=\"1\" text:start-value=\"0\" "
    "text:footnotes-position=\"page\" text:start-numbering-at=\"document\"/>";

const std::string kAutomatic =
    odt_style("P1", "paragraph", "<style:paragraph-properties fo:text-align=\"justify\"/>",
              " style:parent-style-name=\"Text_20_body\"") +
    odt_style("P2", "paragraph", "", " style:parent-style-name=\"Text_20_body\" style:list-style-name=\"L1\"") +
    odt_style("P3", "paragraph", "", " style:parent-style-name=\"Text_20_body\" style:list-style-name=\"L2\"") +
    odt_style("T1", "text", "<style:text-properties fo:color=\"#c9211e\"/>") +
    odt_style("T2", "text", "<style:text-properties style:text-position=\"super 58%\"/>") +
    odt_style("T3", "text", "<style:text-properties fo:font-weight=\"bold\" fo:background-color=\"#ffff00\"/>") +
    odt_style("Table1", "table", "<style:table-properties style:width=\"12cm\" table:align=\"left\"/>") +
    odt_style("Table1.A", "table-column", "<style:table-column-properties style:column-width=\"5cm\"/>") +
    odt_style("Table1.B", "table-column", "<style:table-column-properties style:column-width=\"3.5cm\"/>") +
    odt_style("Table1.A1", "table-cell", "<style:table-cell-properties fo:padding=\"0.097cm\"/>") +
    "<text:list-style style:name=\"L1\">"
    "<text:list-level-style-number text:level=\"1\" style:num-suffix=\".\" style:num-format=\"1\">"
    "<style:list-level-properties text:list-level-position-and-space-mode=\"label-alignment\">"
    "<style:list-level-label-alignment text:label-followed-by=\"listtab\" text:list-tab-stop-position=\"1.27cm\" "
    "fo:text-indent=\"-0.635cm\" fo:margin-left=\"1.27cm\"/></style:list-level-properties>"
    "</text:list-level-style-number>"
    "<text:list-level-style-number text:level=\"2\" style:num-suffix=\")\" style:num-format=\"a\">"
    "<style:list-level-properties text:list-level-position-and-space-mode=\"label-alignment\">"
    "<style:list-level-label-alignment text:label-followed-by=\"listtab\" text:list-tab-stop-position=\"1.905cm\" "
    "fo:text-indent=\"-0.635cm\" fo:margin-left=\"1.905cm\"/></style:list-level-properties>"
    "</text:list-level-style-number></text:list-style>"
    "<text:list-style style:name=\"L2\">"
    "<text:list-level-style-bullet text:level=\"1\" text:style-name=\"Bullet_20_Symbols\" text:bullet-char=\"•\">"
    "<style:list-level-properties text:list-level-position-and-space-mode=\"label-alignment\">"
    "<style:list-level-label-alignment text:label-followed-by=\"listtab\" fo:text-indent=\"-0.635cm\" "
    "fo:margin-left=\"1.27cm\"/></style:list-level-properties></text:list-level-style-bullet>"
    "<text:list-level-style-bullet text:level=\"2\" text:bullet-char=\"◦\"/></text:list-style>";

const std::string kMeta =
    "<meta:creation-date>2024-03-01T09:30:00</meta:creation-date><dc:date>2024-03-04T17:02:11</dc:date>"
    "<meta:editing-cycles>7</meta:editing-cycles><meta:generator>LibreOffice/7.4.7.2$Linux_X86_64</meta:generator>"
    "<dc:title>Field trial report</dc:title><meta:initial-creator>Ann Example</meta:initial-creator>"
    "<dc:creator>Bo Example</dc:creator><meta:keyword>trial</meta:keyword><meta:keyword>yield</meta:keyword>"
    "<meta:document-statistic meta:table-count=\"1\" meta:paragraph-count=\"21\" meta:word-count=\"140\"/>";

std::string footnote(const std::string &id, const std::string &citation, const std::string &text) {
    return "<text:note text:id=\"" + id + "\" text:note-class=\"footnote\"><text:note-citation>" + citation +
           "</text:note-citation><text:note-body>" + odt_p(text, "Footnote") + "</text:note-body></text:note>";
}

// A report: a title, numbered headings, notes, a numbered list that a later
// list continues, a bulleted list, a table with a header row and merged
// cells and its caption, a link, a comment and a tracked change.
Odt odt_report() {
    Odt odt;
    odt.font_faces = kLiberationFaces;
    odt.styles = kWriterStyles;
    odt.automatic = kAutomatic;
    odt.meta = kMeta;
    odt.body =
        "<text:tracked-changes><text:changed-region xml:id=\"ct1\" text:id=\"ct1\"><text:deletion>"
        "<office:change-info><dc:creator>Bo Example</dc:creator><dc:date>2024-03-04T16:00:00</dc:date>"
        "</office:change-info>" +
        odt_p("three", "P1") +
        "</text:deletion></text:changed-region></text:tracked-changes>"
        "<text:sequence-decls><text:sequence-decl text:display-outline-level=\"0\" text:name=\"Table\"/>"
        "</text:sequence-decls>" +
        odt_p("Field trial report", "Title") +
        odt_h(
            "<text:bookmark-start text:name=\"__RefHeading___Toc1\"/>Summary<text:bookmark-end "
            "text:name=\"__RefHeading___Toc1\"/>",
            1, "Heading_20_1") +
        odt_p("The trial ran for " + span("Strong_20_Emphasis", "twelve weeks") +
                  " on <text:change "
                  "text:change-id=\"ct1\"/>two sites. Yields rose by 8<text:s/>% on average" +
                  footnote("ftn1", "1", "Measured against the five-year mean of each site.") + ", with the " +
                  span("Emphasis", "northern") + " site ahead. Water use fell to 0.8 m" + span("T2", "3") +
                  " per plot.<office:annotation><dc:creator>Bo Example</dc:creator><dc:date>2024-03-04T16:10:00"
                  "</dc:date><text:p>Check against the logger data.</text:p></office:annotation>",
              "P1") +
        odt_h("Method", 2, "Heading_20_2") + "<text:list xml:id=\"list1\" text:style-name=\"L1\">" +
        odf_list_item(odt_p("Prepare the plots", "P2") + "<text:list>" +
                      odf_list_item(odt_p("Clear the ground", "P2")) +
                      odf_list_item(odt_p("Sow in rows <text:s text:c=\"2\"/>30 cm apart", "P2")) + "</text:list>") +
        odf_list_item(odt_p("Water " + span("T1", "twice a week"), "P2")) + "</text:list>" +
        odt_p("<text:soft-page-break/>Measurements started in week three.", "Text_20_body") +
        "<text:list xml:id=\"list2\" text:continue-list=\"list1\" text:style-name=\"L1\">" +
        odf_list_item(odt_p("Record the yield" + footnote("ftn2", "2", "Fresh weight, in kilograms per plot."), "P2")) +
        odf_list_item(odt_p("Report the " + span("Source_20_Text", "yield.csv") + " file", "P2")) + "</text:list>" +
        odt_h("Results", 2, "Heading_20_2") +
        "<table:table table:name=\"Table1\" table:style-name=\"Table1\"><table:table-column "
        "table:style-name=\"Table1.A\"/><table:table-column table:style-name=\"Table1.B\" "
        "table:number-columns-repeated=\"2\"/><table:table-header-rows><table:table-row>" +
        string_cell(odt_p("Site", "Table_20_Heading")) +
        string_cell(odt_p("Yield (kg)", "Table_20_Heading"), " table:number-columns-spanned=\"2\"") +
        "<table:covered-table-cell/></table:table-row></table:table-header-rows><table:table-row>" +
        string_cell(odt_p("North", "Table_20_Contents"), " table:number-rows-spanned=\"2\"") +
        string_cell(odt_p("2023", "Table_20_Contents")) + string_cell(odt_p("41.2", "Table_20_Contents")) +
        "</table:table-row><table:table-row><table:covered-table-cell/>" +
        string_cell(odt_p("2024", "Table_20_Contents")) + string_cell(odt_p(span("T3", "44.9"), "Table_20_Contents")) +
        "</table:table-row><table:table-row>" + string_cell(odt_p("South", "Table_20_Contents")) +
        string_cell(odt_p("2024", "Table_20_Contents")) + string_cell(odt_p("38.0", "Table_20_Contents")) +
        "</table:table-row></table:table>" +
        odt_p(
            "Table <text:sequence text:ref-name=\"refTable0\" text:name=\"Table\" text:formula=\"ooow:Table+1\" "
            "style:num-format=\"1\">1</text:sequence>: Yield by site and year",
            "Table") +
        odt_h("Next steps", 1, "Heading_20_1") + "<text:list xml:id=\"list3\" text:style-name=\"L2\">" +
        odf_list_item(odt_p("Repeat on the <text:a xlink:type=\"simple\" xlink:href=\"https://example.org/sites\" "
                            "text:style-name=\"Internet_20_link\">partner sites</text:a>",
                            "P3") +
                      "<text:list>" + odf_list_item(odt_p("East, from April", "P3")) + "</text:list>") +
        odf_list_item(odt_p("Publish the data (see <text:bookmark-ref text:reference-format=\"text\" "
                            "text:ref-name=\"__RefHeading___Toc1\">Summary</text:bookmark-ref>)",
                            "P3")) +
        "</text:list>";
    return odt;
}

TEST(OdtGolden, RealLookingDocumentsExportAsBefore) {
    const std::pair<const char *, Odt> documents[] = {{"odt-report", odt_report()}};
    for (const auto &[name, odt] : documents) {
        SCOPED_TRACE(name);
        Imported doc(odt);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_EQ(doc.message(), "");
        expect_golden_page(name, doc.exported());
    }
}

// Imports keep their state to themselves: documents imported on several
// threads at once come out as one thread's do.
TEST(OdtGolden, ImportsOnSeveralThreadsAlike) {
    const std::string bytes = odt_report().bytes();
    const std::string expected = Imported(bytes, "report.odt").dump();
    ASSERT_NE(expected.find("Field trial report"), std::string::npos) << expected;
    std::vector<std::string> dumps(4);
    std::vector<std::thread> threads;
    for (auto &dump : dumps)
        threads.emplace_back([&bytes, &dump] {
            for (int round = 0; round < 5; ++round) dump = Imported(bytes, "report.odt").dump();
        });
    for (auto &t : threads) t.join();
    for (const auto &dump : dumps) EXPECT_EQ(dump, expected);
}

}  // namespace
}  // namespace qrv::test
