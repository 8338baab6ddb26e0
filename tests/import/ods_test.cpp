// ODS import as the filters see it: each feature of a spreadsheet from a
// few lines of XML, as a package zipped at test time and as a flat
// document (both must give the same page), and every kind of bad input
// with its message.
#include <gtest/gtest.h>

#include <thread>

#include "ods/cell_text.hpp"
#include "ods_builder.hpp"
#include "sheet_log.hpp"

// ThreadSanitizer does not see the C library's own lock around the time
// zone that libzip's reading of entry dates takes (mktime): a false race.
extern "C" const char *__tsan_default_suppressions() { return "race:tzset_internal\n"; }

namespace {

using qrv::import::odf::CellTextReader;
using qrv::test::dump_of;
using qrv::test::expect_clean_walk_showing;
using qrv::test::fods_of;
using qrv::test::import_and_walk;
using qrv::test::ods_cell;
using qrv::test::ods_float;
using qrv::test::ods_of;
using qrv::test::ods_row;
using qrv::test::ods_string;
using qrv::test::ods_table;
using qrv::test::OdsSpec;
using qrv::test::SheetImport;
using qrv::test::with_part;

struct OdsFeature {
    const char *name;
    OdsSpec spec;
    std::vector<std::string> shown;  // pieces of the walk's log
};

OdsSpec one_table(const std::string &rows, const std::string &automatic_styles = "") {
    OdsSpec spec(ods_table("S", rows));
    spec.automatic_styles = automatic_styles;
    return spec;
}

std::string cell_style(const std::string &name, const std::string &inside, const std::string &attributes = "") {
    return "<style:style style:name=\"" + name + "\" style:family=\"table-cell\"" + attributes + ">" + inside +
           "</style:style>";
}

const std::string kNumberStyle =
    "<number:number-style style:name=\"N1\"><number:number number:decimal-places=\"2\" "
    "number:min-integer-digits=\"1\"/></number:number-style>" +
    cell_style("ce1", "", " style:data-style-name=\"N1\"");

OdsFeature values_of_every_type() {
    return {
        "values of every type with their value attributes",
        one_table(ods_row(ods_float(2.5) + ods_cell("office:value-type=\"percentage\" office:value=\"0.25\"") +
                          ods_cell("office:value-type=\"currency\" office:currency=\"EUR\" office:value=\"3\"") +
                          ods_cell("office:value-type=\"date\" office:date-value=\"2021-01-01\"") +
                          ods_cell("office:value-type=\"time\" office:time-value=\"PT12H30M\"") +
                          ods_cell("office:value-type=\"boolean\" office:boolean-value=\"true\"") + ods_string("x"))),
        {"r1: =2.5| =0.25| =3| =01/01/21| =12:30:00| TRUE| x|\n"}};
}

OdsFeature general_numbers() {
    return {"general numbers keep 15 digits",
            one_table(ods_row(ods_cell("office:value-type=\"float\" office:value=\"0.123456789\"") +
                              ods_cell("office:value-type=\"float\" office:value=\"3.14159265358979\""))),
            {"r1: =0.123456789| =3.14159265358979|"}};
}

OdsFeature text_of_paragraphs() {
    return {"paragraphs, spaces, tabs and line breaks",
            one_table(ods_row(ods_cell("office:value-type=\"string\"",
                                       "<text:p>a <text:s text:c=\"2\"/>b<text:tab/>c</text:p>"
                                       "<text:p>d<text:line-break/>e</text:p>") +
                              ods_cell("office:value-type=\"string\"", "<text:p>\n  x \n  y <text:s/></text:p>"))),
            {"r1: a   b\tc\nd\ne| x y  |"}};
}

OdsFeature merged_cells() {
    return {
        "merged cells with covered cells hidden under them",
        one_table(ods_row(ods_cell("office:value-type=\"float\" office:value=\"5\" "
                                   "table:number-columns-spanned=\"2\" table:number-rows-spanned=\"2\"") +
                          "<table:covered-table-cell office:value-type=\"string\"><text:p>hidden</text:p>"
                          "</table:covered-table-cell>") +
                  ods_row("<table:covered-table-cell table:number-columns-repeated=\"2\"/>") + ods_row(ods_float(6))),
        {"r1: =5^2_2|\nr2:\nr3: =6| |\n"}};
}

OdsFeature columns_and_rows() {
    OdsSpec spec = one_table(
        "<table:table-column table:style-name=\"co1\"/>"
        "<table:table-column table:style-name=\"co1\" table:visibility=\"collapse\"/>" +
            ods_row(ods_float(1) + ods_float(2)) + ods_row(ods_float(3), " table:visibility=\"collapse\""),
        "<style:style style:name=\"co1\" style:family=\"table-column\">"
        "<style:table-column-properties style:column-width=\"2.54cm\"/></style:style>");
    return {"column widths, hidden columns and hidden rows", spec, {"cols: 1440 0h\n", "r2h: =3| |\n"}};
}

OdsFeature hidden_table() {
    OdsSpec spec(ods_table("Shown", ods_row(ods_float(1))) +
                 ods_table("Away", ods_row(ods_float(2)), " table:style-name=\"ta2\""));
    spec.automatic_styles =
        "<style:style style:name=\"ta2\" style:family=\"table\">"
        "<style:table-properties table:display=\"false\"/></style:style>";
    return {"tables in order with their names, hidden ones marked", spec, {"== Shown\n", "== Away (hidden)\n"}};
}

std::string show_zeros(bool on) {
    return std::string("<config:config-item config:name=\"ShowZeroValues\" config:type=\"boolean\">") +
           (on ? "true" : "false") + "</config:config-item>";
}

// The view hides zeros; one sheet's own entry shows them again.
OdsFeature hidden_zeros() {
    OdsSpec spec(ods_table("Hides", ods_row(ods_float(0) + ods_float(1))) +
                 ods_table("Shows", ods_row(ods_float(0) + ods_float(2))));
    spec.settings =
        "<config:config-item-set config:name=\"ooo:view-settings\"><config:config-item-map-indexed "
        "config:name=\"Views\"><config:config-item-map-entry><config:config-item-map-named config:name=\"Tables\">"
        "<config:config-item-map-entry config:name=\"Shows\">" +
        show_zeros(true) + "</config:config-item-map-entry></config:config-item-map-named>" + show_zeros(false) +
        "</config:config-item-map-entry></config:config-item-map-indexed></config:config-item-set>";
    return {"zero values hidden where the view settings say so", spec,
            {"== Hides\ncols: 0 0\nr1: | =1|\n", "== Shows\ncols: 0 0\nr1: =0| =2|\n"}};
}

OdsFeature rich_text() {
    return {"rich text in its span styles over the cell's",
            one_table(ods_row(ods_cell("office:value-type=\"string\" table:style-name=\"ce2\"",
                                       "<text:p>a<text:span text:style-name=\"T1\">b<text:span text:style-name=\"T2\">"
                                       "c</text:span></text:span>d</text:p>")),
                      cell_style("ce2", "<style:text-properties fo:color=\"#00ff00\"/>") +
                          "<style:style style:name=\"T1\" style:family=\"text\"><style:text-properties "
                          "fo:font-weight=\"bold\"/></style:style><style:style style:name=\"T2\" style:family=\"text\">"
                          "<style:text-properties fo:font-style=\"italic\" fo:color=\"#ff0000\"/></style:style>"),
            {"r1: a{#00FF00}*b*{#00FF00}/*c*/{#FF0000}d{#00FF00}|"}};
}

OdsFeature cell_styles() {
    OdsSpec spec = one_table(
        "<table:table-column table:default-cell-style-name=\"Bold\" table:number-columns-repeated=\"2\"/>" +
            ods_row(ods_cell("office:value-type=\"float\" office:value=\"7\" table:style-name=\"ce1\"") +
                    ods_float(8)) +
            ods_row(ods_float(9), " table:default-cell-style-name=\"Default\""),
        cell_style("ce1", "<style:text-properties fo:color=\"#0000ff\"/>", " style:parent-style-name=\"Bold\""));
    spec.styles =
        "<style:default-style style:family=\"table-cell\"><style:text-properties style:font-name=\"Arial\" "
        "fo:font-size=\"10pt\"/></style:default-style>" +
        cell_style("Default", "") +
        cell_style("Bold", "<style:text-properties fo:font-weight=\"bold\"/>", " style:parent-style-name=\"Default\"");
    return {"cell styles through parents, column and row defaults", spec, {"r1: =*7*{#0000FF}| =*8*|\nr2: =9| |"}};
}

OdsFeature number_styles() {
    return {"data styles of cell styles",
            one_table(ods_row(ods_cell("office:value-type=\"float\" office:value=\"2.5\" table:style-name=\"ce1\"") +
                              ods_cell("office:value-type=\"boolean\" office:boolean-value=\"true\" "
                                       "table:style-name=\"ce1\"") +
                              ods_cell("office:value-type=\"date\" office:date-value=\"2021-01-01T12:00:00\" "
                                       "table:style-name=\"ce1\"") +
                              ods_cell("office:value-type=\"float\" office:value=\"2.5\" table:style-name=\"ce9\"") +
                              ods_cell("office:value-type=\"float\" office:value=\"1.375\" table:style-name=\"ce8\"")),
                      kNumberStyle + cell_style("ce9", "", " style:data-style-name=\"N2\"") +
                          "<number:number-style style:name=\"N8\"><number:fraction number:min-integer-digits=\"0\" "
                          "number:min-numerator-digits=\"1\" number:denominator-value=\"8\"/></number:number-style>" +
                          cell_style("ce8", "", " style:data-style-name=\"N8\"")),
            // N2, defined nowhere: the general format; N8 eighths, written as text
            {"r1: =2.50| =1.00| =44197.50| =2.5| 1 3/8|"}};
}

OdsFeature dates_1904() {
    OdsSpec spec(
        "<table:calculation-settings><table:null-date table:date-value=\"1904-01-01\"/>"
        "</table:calculation-settings>" +
        ods_table("S", ods_row(ods_cell("office:value-type=\"date\" office:date-value=\"1904-01-02\" "
                                        "table:style-name=\"ce1\"") +
                               ods_float(1))));
    spec.automatic_styles = kNumberStyle;
    return {"dates counted from 1904", spec, {"r1: =1.00| =1|"}};
}

OdsFeature content_kept_out() {
    return {"annotations (a comment) and drawings kept out of the cell text",
            one_table(ods_row(ods_cell("office:value-type=\"string\"",
                                       "<office:annotation><dc:creator>Ann</dc:creator><text:p>note</text:p>"
                                       "</office:annotation><text:p>shown</text:p>") +
                              ods_cell("",
                                       "<draw:frame><draw:image><text:p>caption</text:p></draw:image>"
                                       "</draw:frame>") +
                              ods_float(1))),
            {"r1: shown~1| | =1|\n", "comment S!A1 [Ann] note\n"}};
}

OdsFeature links_and_values_from_text() {
    return {"links, error values, and text without a value type",
            one_table(ods_row(ods_cell("office:value-type=\"string\"",
                                       "<text:p><text:a xlink:href=\"https://example.com/\">site</text:a></text:p>") +
                              ods_cell("office:value-type=\"float\" office:value=\"0\" calcext:value-type=\"error\"",
                                       "<text:p>#DIV/0!</text:p>") +
                              ods_cell("", "<text:p>free</text:p>") +
                              ods_cell("office:value-type=\"string\" office:string-value=\"attribute\""))),
            {"r1: [site](https://example.com/)| !#DIV/0!| free| attribute|\n"}};
}

OdsFeature repeats_with_content() {
    return {"repeated cells and rows with content",
            one_table(ods_row(ods_cell("table:number-columns-repeated=\"2\"") +
                                  ods_cell("office:value-type=\"float\" office:value=\"1\" "
                                           "table:number-columns-repeated=\"3\""),
                              " table:number-rows-repeated=\"2\"") +
                      ods_row(ods_cell("table:number-columns-repeated=\"4\"") + ods_float(2))),
            {"r1: ^2| =1| =1| =1|\nr2: ^2| =1| =1| =1|\nr3: ^4| =2|\n"}};
}

OdsFeature properties() {
    OdsSpec spec = one_table(ods_row(ods_float(1)));
    spec.meta = "<dc:title>Budget 2024</dc:title><meta:initial-creator>Ann</meta:initial-creator>";
    return {"document properties", spec, {"title=Budget 2024\n"}};
}

TEST(OdsImport, EachFeatureReachesTheFiltersAlikeFromPackageAndFlatFile) {
    const OdsFeature features[] = {values_of_every_type(), general_numbers(),  text_of_paragraphs(),
                                   merged_cells(),         columns_and_rows(), hidden_table(),
                                   hidden_zeros(),         rich_text(),        cell_styles(),
                                   number_styles(),        content_kept_out(), links_and_values_from_text(),
                                   repeats_with_content(), properties(),       dates_1904()};
    for (const auto &f : features) {
        SCOPED_TRACE(f.name);
        const SheetImport packaged = import_and_walk(ods_of(f.spec), "book.ods");
        expect_clean_walk_showing(packaged, f.shown);
        const SheetImport flat = import_and_walk(fods_of(f.spec), "book.fods");
        ASSERT_EQ(flat.rc, 0u) << flat.message;
        EXPECT_EQ(flat.page, packaged.page);
    }
}

// What the log of the walk does not show: items as the chunker holds them.
TEST(OdsImport, ItemsOfTheSheetAndItsCells) {
    OdsSpec styled = one_table(ods_row(ods_cell("office:value-type=\"float\" office:value=\"1\" "
                                                "table:style-name=\"ce3\"")),
                               cell_style("ce3",
                                          "<style:paragraph-properties fo:text-align=\"center\"/>"
                                          "<style:text-properties style:font-name=\"Mono\" fo:font-size=\"14pt\"/>"));
    styled.font_faces = "<style:font-face style:name=\"Mono\" svg:font-family=\"'DejaVu Sans Mono'\"/>";
    OdsSpec hidden(ods_table("H", ods_row(ods_float(1)), " table:style-name=\"ta\""));
    hidden.automatic_styles =
        "<style:style style:name=\"ta\" style:family=\"table\">"
        "<style:table-properties table:display=\"false\"/></style:style>";
    OdsSpec dated(
        "<table:calculation-settings><table:null-date table:date-value=\"1904-01-01\"/>"
        "</table:calculation-settings>" +
        ods_table("S", ods_row(ods_float(1))));
    OdsSpec described = one_table(ods_row(ods_float(1)));
    described.meta =
        "<meta:keyword>alpha</meta:keyword><meta:keyword>beta</meta:keyword><dc:creator>Bo</dc:creator>"
        "<meta:initial-creator>Ann</meta:initial-creator>";
    const struct {
        const char *name;
        OdsSpec spec;
        std::vector<std::string> pieces;
    } cases[] = {
        {"keywords joined, first and last authors", described, {"alpha, betaBoAnn"}},
        {"alignment, font and size of a cell style",
         styled,
         {"ATTR_12 1\n", "FONT 1\n", "FONT_SIZE 28\n", "DejaVu Sans Mono"}},
        {"a hidden table", hidden, {"SECTION_LAYOUT 2\n"}},
        {"the 1904 date system", dated, {"SECTION_LAYOUT 1\n"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string dump = dump_of(ods_of(c.spec), "book.ods");
        for (const auto &piece : c.pieces) EXPECT_NE(dump.find(piece), std::string::npos) << dump;
    }
}

// A batch imports on several threads: each import keeps its state to
// itself, so every thread's documents come out as one thread's do.
TEST(OdsImport, ImportsOnSeveralThreadsAlike) {
    OdsSpec spec = cell_styles().spec;
    spec.tables += ods_table("More", ods_row(ods_cell("office:value-type=\"date\" office:date-value=\"2024-02-29\"")));
    spec.automatic_styles += kNumberStyle;
    const std::string bytes = ods_of(spec);
    const std::string expected = dump_of(bytes, "book.ods");
    ASSERT_NE(expected.find("SS_CELL_70"), std::string::npos) << expected;
    std::vector<std::string> dumps(4);
    std::vector<std::thread> threads;
    for (auto &dump : dumps)
        threads.emplace_back([&bytes, &dump] {
            for (int round = 0; round < 5; ++round) dump = dump_of(bytes, "book.ods");
        });
    for (auto &t : threads) t.join();
    for (const auto &dump : dumps) EXPECT_EQ(dump, expected);
}

// LibreOffice writes every sheet out to its last row and column: a
// million repeated empty rows must cost nothing.
TEST(OdsImport, RepeatedEmptyRowsAndCellsCostNothing) {
    const std::string rows =
        "<table:table-column table:number-columns-repeated=\"16384\"/>" +
        ods_row(ods_float(1) + ods_cell("table:number-columns-repeated=\"16383\"")) +
        ods_row(ods_cell("table:number-columns-repeated=\"16384\""), " table:number-rows-repeated=\"1048574\"") +
        ods_row(ods_cell("table:number-columns-repeated=\"16383\"") + ods_float(2)) +
        ods_row(ods_cell("table:number-columns-repeated=\"16384\""), " table:number-rows-repeated=\"999999\"");
    const SheetImport result = import_and_walk(ods_of(one_table(rows)), "sparse.ods");
    ASSERT_EQ(result.rc, 0u) << result.message;
    const SheetImport one_cell = import_and_walk(ods_of(one_table(ods_row(ods_float(1)))), "one.ods");
    EXPECT_LT(result.items, one_cell.items + 40u);
    EXPECT_NE(result.page.find("cols: 0 240gap2-16383 0\n"), std::string::npos) << result.page;
    EXPECT_NE(result.page.find("r1: =1| ^2|\nr2 gap 2-1048575: ^3|\nr1048576: ^2| =2|\n"), std::string::npos)
        << result.page;
}

struct BadOds {
    const char *name;
    std::string bytes;
    const char *file;     // the name it is imported under
    uint32_t code;        // 0: a best-effort import
    std::string message;  // a piece of the error or of the warnings
    IMOptions options{sizeof(IMOptions), 0, 0, 0, 0, 0, 0};
};

std::string without_part(std::vector<qrv::test::Part> parts, const std::string &name) {
    std::erase_if(parts, [&](const qrv::test::Part &p) { return p.name == name; });
    return qrv::test::zip_of(parts);
}

TEST(OdsImport, BadInputGivesOneLineOrAWarning) {
    OdsSpec sound = one_table(ods_row(ods_float(1)));
    sound.meta = "<dc:title>t</dc:title>";
    const auto parts = qrv::test::ods_parts(sound);
    const std::string good = qrv::test::zip_of(parts);
    const std::string flat = fods_of(sound);
    OdsSpec encrypted = sound;
    encrypted.manifest_entries =
        "<manifest:file-entry manifest:full-path=\"styles.xml\"><manifest:encryption-data "
        "manifest:checksum-type=\"SHA1/1K\"/></manifest:file-entry>";
    std::string big_rows;
    for (int r = 0; r < 400; ++r) big_rows += ods_row(ods_float(12345));
    OdsSpec text_document;
    text_document.body = "<office:text><text:p>words</text:p></office:text>";
    const std::string repeated_bomb = ods_row(
        ods_cell("office:value-type=\"string\" table:number-columns-repeated=\"999999999\"", "<text:p>X</text:p>"),
        " table:number-rows-repeated=\"999999999\"");

    const BadOds cases[] = {
        {"not an archive", "PK\x03\x04 this is no zip at all", "book.ods", IM_ERR_BROKEN, "book.ods: "},
        {"truncated archive", good.substr(0, good.size() / 2), "book.ods", IM_ERR_BROKEN, "book.ods: "},
        {"missing content part", without_part(parts, "content.xml"), "book.ods", IM_ERR_BROKEN,
         "book.ods: content.xml: the part is missing"},
        {"malformed content part",
         with_part(parts, "content.xml", "<office:document-content" + qrv::test::kOdfNamespaces + ">\n<office:body>"),
         "book.ods", IM_ERR_BROKEN, "book.ods: content.xml: line 2: not well-formed XML"},
        {"malformed flat file", flat.substr(0, flat.find("<office:body>") + 20), "book.fods", IM_ERR_BROKEN,
         "book.fods: line 2: not well-formed XML"},
        {"entity bomb",
         with_part(parts, "content.xml",
                   "<!DOCTYPE s [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">]><s>&b;</s>"),
         "book.ods", IM_ERR_BROKEN, "content.xml: line 1: "},
        {"password-protected package", ods_of(encrypted), "book.ods", IM_ERR_ENCRYPTED,
         "book.ods: the file is encrypted (password-protected)"},
        {"repeats past the item bound", ods_of(one_table(repeated_bomb)), "book.ods", IM_ERR_LIMIT,
         "table 'S': repeated rows and cells make more than"},
        {"archive bomb",
         ods_of(one_table(big_rows)),
         "book.ods",
         IM_ERR_LIMIT,
         "content.xml",
         {sizeof(IMOptions), 0, 2000, 0, 0, 0, 0}},
        {"too many items",
         ods_of(one_table(big_rows)),
         "book.ods",
         IM_ERR_LIMIT,
         "items",
         {sizeof(IMOptions), 0, 0, 0, 100, 0, 0}},
        {"a text document read as a spreadsheet", ods_of(text_document), "book.ods", IM_ERR_BROKEN,
         "book.ods: the document holds no spreadsheet"},
        {"a spreadsheet without tables", ods_of(OdsSpec("")), "book.ods", IM_ERR_BROKEN, "holds no tables"},
        {"value that is no number",
         ods_of(
             one_table(ods_row(ods_cell("office:value-type=\"float\" office:value=\"abc\"", "<text:p>abc</text:p>")))),
         "book.ods", 0, "content.xml: table 'S': 'abc' is no float value; the cell's text is shown"},
        {"rows past the last one",
         ods_of(one_table(ods_row("", " table:number-rows-repeated=\"1048576\"") + ods_row(ods_float(1)))), "book.ods",
         0, "table 'S': rows past 1048576 are left out"},
        {"columns past the last one",
         ods_of(one_table(ods_row(ods_cell("table:number-columns-repeated=\"16384\"") + ods_float(1)))), "book.ods", 0,
         "table 'S': columns past 16384 are left out"},
        {"broken properties", with_part(parts, "meta.xml", "<office:document-meta"), "book.ods", 0,
         "meta.xml: line 1: not well-formed XML (unclosed token); the document properties are left out"},
        {"broken manifest", with_part(parts, "META-INF/manifest.xml", "<manifest:manifest"), "book.ods", 0,
         "the parts are read as plain XML"},
        {"a cell's text over 1 MiB",
         ods_of(one_table(ods_row(ods_string(std::string(CellTextReader::kLongestText + 10, 'x'))))), "book.ods", 0,
         "table 'S': a cell's text is cut at 1 MiB"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const SheetImport result = import_and_walk(c.bytes, c.file, &c.options);
        EXPECT_EQ(result.rc, c.code) << result.message;
        EXPECT_NE(result.message.find(c.message), std::string::npos) << result.message;
        if (c.code) {
            EXPECT_EQ(result.message.find('\n'), std::string::npos) << result.message;
        }
    }
}

}  // namespace
