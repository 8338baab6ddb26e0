// Sheets as they look: a workbook built at test time with a grid of cell
// looks (fills of every kind of colour, fonts, alignments, wrapping,
// borders), row heights, a frozen top row and a view without gridlines,
// exported to HTML.  Each distinct look is one class with one rule.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "biff_builder.hpp"
#include "imported_document.hpp"
#include "ods_builder.hpp"
#include "workbook_builder.hpp"

namespace qrv::test {
namespace {

// A theme whose first accent is pure red, so tints are easy to tell.
const std::string kRedTheme =
    "<a:themeElements><a:clrScheme name=\"t\"><a:dk1><a:sysClr val=\"windowText\" lastClr=\"000000\"/></a:dk1>"
    "<a:lt1><a:srgbClr val=\"FFFFFF\"/></a:lt1><a:dk2><a:srgbClr val=\"1F497D\"/></a:dk2>"
    "<a:lt2><a:srgbClr val=\"EEECE1\"/></a:lt2><a:accent1><a:srgbClr val=\"FF0000\"/></a:accent1>"
    "</a:clrScheme></a:themeElements>";

// Cell formats 1 to 13 each give one look; 0 is plain.
const std::string kLookStyles =
    "<fonts count=\"2\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font>"
    "<font><b/><i/><u/><sz val=\"14\"/><color rgb=\"FF00B050\"/><name val=\"Calibri\"/></font></fonts>"
    "<fills count=\"8\"><fill><patternFill patternType=\"none\"/></fill>"
    "<fill><patternFill patternType=\"gray125\"/></fill>"
    "<fill><patternFill patternType=\"solid\"><fgColor rgb=\"FFFFFF00\"/><bgColor indexed=\"64\"/></patternFill></fill>"
    "<fill><patternFill patternType=\"solid\"><fgColor theme=\"4\" tint=\"0.5\"/></patternFill></fill>"
    "<fill><patternFill patternType=\"solid\"><fgColor theme=\"4\" tint=\"-0.5\"/></patternFill></fill>"
    "<fill><patternFill patternType=\"solid\"><fgColor indexed=\"12\"/></patternFill></fill>"
    "<fill><patternFill patternType=\"mediumGray\"><fgColor rgb=\"FF000000\"/><bgColor rgb=\"FFFFFFFF\"/>"
    "</patternFill></fill>"
    "<fill><gradientFill><stop position=\"0\"><color rgb=\"FF123456\"/></stop>"
    "<stop position=\"1\"><color rgb=\"FFFFFFFF\"/></stop></gradientFill></fill></fills>"
    "<borders count=\"3\"><border><left/><right/><top/><bottom/></border>"
    "<border><left style=\"thin\"/><right style=\"thin\"/><top style=\"thin\"/><bottom style=\"thin\"/></border>"
    "<border><top style=\"medium\"><color rgb=\"FFFF0000\"/></top><bottom style=\"double\"/></border></borders>"
    "<cellXfs count=\"14\"><xf numFmtId=\"0\" fontId=\"0\"/>"
    "<xf fillId=\"2\"/><xf fillId=\"3\"/><xf fillId=\"4\"/><xf fillId=\"5\"/><xf fillId=\"1\"/><xf fillId=\"6\"/>"
    "<xf fillId=\"7\"/><xf fontId=\"1\"/>"
    "<xf><alignment horizontal=\"center\" vertical=\"top\" wrapText=\"1\"/></xf>"
    "<xf><alignment vertical=\"center\"/></xf>"
    "<xf borderId=\"1\"/><xf borderId=\"2\"/><xf><alignment horizontal=\"right\"/></xf></cellXfs>";

struct LookCase {
    const char *text;    // of the cell
    int format;          // its cell format
    const char *rule;    // the declarations of its class; "" for no class
};

// What each look becomes.  The same look twice shares one class.
const LookCase kLooks[] = {
    {"plain", 0, ""},
    {"yellow", 1, "background:#FFFF00"},
    {"lighter", 2, "background:#FF8080"},
    {"darker", 3, "background:#800000"},
    {"indexed", 4, "background:#0000FF"},
    {"sparse", 5, "background:#DFDFDF"},
    {"half", 6, "background:#808080"},
    {"gradient", 7, "background:#123456"},
    {"font", 8, "font-weight:bold;font-style:italic;text-decoration:underline;font-size:14pt;color:#00B050"},
    {"wrapped", 9, "text-align:center;vertical-align:top;white-space:pre-wrap"},
    {"middle", 10, "vertical-align:middle"},
    {"boxed", 11, "border:1px solid #000"},
    {"lines", 12, "border-top:2px solid #FF0000;border-bottom:3px double #000"},
    {"right", 13, "text-align:right"},
    {"yellow again", 1, "background:#FFFF00"},
};

std::string inline_cell(const std::string &ref, const std::string &text, int format) {
    return "<c r=\"" + ref + "\" t=\"inlineStr\"" + (format ? " s=\"" + std::to_string(format) + "\"" : "") +
           "><is><t>" + text + "</t></is></c>";
}

// The looks laid out three to a row from row 1, below a frozen header row.
WorkbookSpec grid_of_looks(const std::string &view, const std::string &extra_rows = "") {
    std::string rows = "<row r=\"1\">" + inline_cell("A1", "head", 0) + "</row>";
    const size_t count = std::size(kLooks);
    for (size_t i = 0; i < count; i += 3) {
        const std::string r = std::to_string(i / 3 + 2);
        rows += "<row r=\"" + r + "\">";
        for (size_t j = i; j < i + 3 && j < count; ++j)
            rows += inline_cell(std::string(1, static_cast<char>('A' + j - i)) + r, kLooks[j].text, kLooks[j].format);
        rows += "</row>";
    }
    WorkbookSpec book({SheetSpec("S", "<sheetViews>" + view + "</sheetViews>" + sheet_data(rows + extra_rows))});
    book.styles = kLookStyles;
    book.theme = kRedTheme;
    return book;
}

// The HTML of a document's bytes, imported as the file name says.
std::string page_of(const std::string &bytes, const char *name) {
    const Imported doc(bytes, name);
    EXPECT_EQ(doc.result(), 0u) << doc.message();
    return doc.exported();
}

std::string page_of(const WorkbookSpec &book) { return page_of(workbook_of(book), "book.xlsx"); }

// The rules of the page's classes for an element: class -> declarations.
std::map<std::string, std::string> rules_of(const std::string &page, const std::string &element) {
    std::map<std::string, std::string> rules;
    const std::regex rule("table\\.sheet " + element + "\\.([a-z][0-9]+)\\{([^}]*)\\}");
    for (auto m = std::sregex_iterator(page.begin(), page.end(), rule); m != std::sregex_iterator(); ++m)
        rules[(*m)[1]] = (*m)[2];
    return rules;
}

// The classes of the cell that holds text (its first such cell).
std::string classes_of_cell(const std::string &page, const std::string &text) {
    const size_t at = page.find(">" + text + "</td>");
    if (at == std::string::npos) return "no cell " + text;
    const size_t open = page.rfind("<td", at);
    const std::string tag = page.substr(open, at - open);
    std::smatch m;
    return std::regex_search(tag, m, std::regex("class=\"([^\"]*)\"")) ? m[1].str() : "";
}

// The declarations of the look class of a cell ("" without one).
std::string look_of(const std::string &page, const std::string &text) {
    const auto rules = rules_of(page, "td");
    const std::string classes = classes_of_cell(page, text);
    std::smatch m;
    if (!std::regex_search(classes, m, std::regex("\\bc[0-9]+\\b"))) return "";
    const auto found = rules.find(m[0].str());
    return found == rules.end() ? "no rule for " + m[0].str() : found->second;
}

TEST(SheetLooks, EachDistinctLookIsOneClassWithItsRule) {
    const std::string page = page_of(grid_of_looks("<sheetView workbookViewId=\"0\"/>"));
    std::set<std::string> distinct;
    for (const LookCase &c : kLooks) {
        EXPECT_EQ(look_of(page, c.text), c.rule) << c.text;
        if (*c.rule) distinct.insert(c.rule);
    }
    EXPECT_EQ(rules_of(page, "td").size(), distinct.size()) << "one class per distinct look";
    EXPECT_EQ(classes_of_cell(page, "yellow"), classes_of_cell(page, "yellow again"));
    EXPECT_EQ(page.find("<td style="), std::string::npos) << "no style of a cell's own";
    EXPECT_EQ(page.find("<span"), std::string::npos) << "a format of the whole text goes in the cell's class";
}

struct SpanCase {
    const char *name;
    const char *runs;       // inside <is>
    const char *cell_rule;  // of the cell's class; "" for none
    const char *span_rule;  // of the class of its span; "" for no span
};

TEST(SheetLooks, OnlyAFormatOfTheWholeTextGoesToTheCell) {
    const SpanCase cases[] = {
        {"whole text bold", "<r><rPr><b/></rPr><t>x</t></r>", "font-weight:bold", ""},
        {"part bold", "<r><rPr><b/></rPr><t>x</t></r><r><t>y</t></r>", "", "font-weight:bold"},
        {"whole text raised", "<r><rPr><vertAlign val=\"superscript\"/></rPr><t>x</t></r>", "",
         "vertical-align:super;font-size:smaller"},
    };
    for (const SpanCase &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string page = page_of(
            one_sheet_book(std::string("<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is>") + c.runs + "</is></c></row>"));
        const size_t at = page.find("<tr data-row=\"1\">");
        ASSERT_NE(at, std::string::npos);
        const std::string row = page.substr(at, page.find("</tr>", at) - at);
        std::smatch m;
        const auto cells = rules_of(page, "td"), spans = rules_of(page, "span");
        const bool cell_class = std::regex_search(row, m, std::regex("<td class=\"(c[0-9]+)\""));
        EXPECT_EQ(cell_class ? cells.at(m[1]) : "", c.cell_rule);
        const bool span = std::regex_search(row, m, std::regex("<span class=\"(s[0-9]+)\""));
        EXPECT_EQ(span ? spans.at(m[1]) : "", c.span_rule);
    }
}

TEST(SheetLooks, CellsKeepToOneLineUnlessTheyWrap) {
    const std::string page = page_of(grid_of_looks("<sheetView workbookViewId=\"0\"/>"));
    EXPECT_NE(page.find("table.sheet td{white-space:nowrap;vertical-align:bottom}"), std::string::npos);
    unsigned wrapping = 0;
    for (const auto &[name, rule] : rules_of(page, "td")) wrapping += rule.find("white-space") != std::string::npos;
    EXPECT_EQ(wrapping, 1u) << "only the cell that asks wraps";
}

struct ViewCase {
    const char *name;
    std::string view;
    bool header;     // row 1 is the table's head, and nothing else
    bool gridlines;  // the table draws them
};

TEST(SheetLooks, TheSheetsViewGivesItsHeaderAndGridlines) {
    const ViewCase cases[] = {
        {"plain view", "<sheetView workbookViewId=\"0\"/>", false, true},
        {"frozen top row",
         "<sheetView workbookViewId=\"0\"><pane ySplit=\"1\" topLeftCell=\"A2\" activePane=\"bottomLeft\" "
         "state=\"frozen\"/></sheetView>",
         true, true},
        {"split, not frozen", "<sheetView workbookViewId=\"0\"><pane ySplit=\"1200\" state=\"split\"/></sheetView>",
         false, true},
        {"frozen columns only", "<sheetView workbookViewId=\"0\"><pane xSplit=\"1\" state=\"frozen\"/></sheetView>",
         false, true},
        {"no gridlines", "<sheetView showGridLines=\"0\" workbookViewId=\"0\"/>", false, false},
        {"second view frozen",
         "<sheetView workbookViewId=\"0\"/><sheetView workbookViewId=\"1\"><pane ySplit=\"1\" state=\"frozen\"/>"
         "</sheetView>",
         false, true},
    };
    for (const ViewCase &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string page = page_of(grid_of_looks(c.view));
        const size_t head = page.find("<thead>\n<tr data-row=\"1\"><td>head</td><td colspan=\"2\"></td></tr>\n</thead>\n<tr data-row=\"2\"");
        EXPECT_EQ(head != std::string::npos, c.header);
        EXPECT_EQ(page.find("<thead>") != std::string::npos, c.header);
        EXPECT_EQ(page.find("class=\"sheet nogrid\"") == std::string::npos, c.gridlines);
        EXPECT_EQ(page.find("table.nogrid td{border:none}") == std::string::npos, c.gridlines);
    }
}

struct RowCase {
    const char *name;
    const char *row_attributes;
    const char *height;  // the declaration of the row's class; "" for none
};

TEST(SheetLooks, RowsKeepTheHeightsTheirSheetGives) {
    const RowCase cases[] = {
        {"its own height", " ht=\"30\" customHeight=\"1\"", "height:30pt"},
        {"a fitted height", " ht=\"22.5\"", "height:22.5pt"},
        {"the default height", " ht=\"15\"", ""},
        {"no height", "", ""},
    };
    for (const RowCase &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string page = page_of(grid_of_looks(
            "<sheetView workbookViewId=\"0\"/>", std::string("<row r=\"20\"") + c.row_attributes + ">" +
                                                     inline_cell("A20", "tall", 0) + "</row>"));
        const auto rules = rules_of(page, "tr");
        const size_t at = page.find("<tr data-row=\"20\"");
        ASSERT_NE(at, std::string::npos);
        const std::string tag = page.substr(at, page.find('>', at) - at);
        std::smatch m;
        const std::string height = std::regex_search(tag, m, std::regex("class=\"(h[0-9]+)\"")) ? rules.at(m[1]) : "";
        EXPECT_EQ(height, c.height);
    }
}

TEST(SheetLooks, EmptyCellsShowTheirFillAndBordersOnly) {
    // Framed empty cells beyond the sheet's values (row 2, column E) do not widen it.
    const std::string rows = "<row r=\"1\"><c r=\"A1\" s=\"1\"/><c r=\"B1\" s=\"9\"/><c r=\"C1\" s=\"11\"/>" +
                             inline_cell("D1", "end", 0) + "<c r=\"E1\" s=\"1\"/></row><row r=\"2\"><c r=\"A2\" s=\"1\"/></row>";
    WorkbookSpec book = one_sheet_book(rows);
    book.styles = kLookStyles;
    const std::string page = page_of(book);
    const size_t at = page.find("<tr data-row=\"1\">");
    ASSERT_NE(at, std::string::npos);
    const std::string row = page.substr(at, page.find("</tr>", at) - at);
    const auto rules = rules_of(page, "td");
    std::vector<std::string> looks;
    const std::regex cell("<td( class=\"(c[0-9]+)\")?( colspan=\"([0-9]+)\")?>");
    for (auto m = std::sregex_iterator(row.begin(), row.end(), cell); m != std::sregex_iterator(); ++m)
        looks.push_back((*m)[2].matched ? rules.at((*m)[2]) : std::string("span ") + (*m)[4].str());
    const std::vector<std::string> expected = {"background:#FFFF00", "span ", "border:1px solid #000", "span "};
    EXPECT_EQ(looks, expected) << row;
    EXPECT_EQ(page.find("data-row=\"2\""), std::string::npos);
}

TEST(SheetLooks, HiddenRowsAndColumnsAreLeftOutOfView) {
    std::string rows = "<row r=\"1\">" + inline_cell("A1", "a", 0) + inline_cell("B1", "b", 0) + "</row>" +
                       "<row r=\"2\" hidden=\"1\">" + inline_cell("A2", "gone", 0) + "</row>";
    const std::string page = page_of(WorkbookSpec(
        {SheetSpec("S", "<cols><col min=\"2\" max=\"2\" width=\"9\" hidden=\"1\"/></cols>" + sheet_data(rows))}));
    EXPECT_NE(page.find("<tr data-row=\"2\" class=\"hidden\">"), std::string::npos);
    EXPECT_NE(page.find("<col class=\"hidden\""), std::string::npos);
    EXPECT_NE(page.find("table.sheet.hidden,table.sheet tr.hidden{display:none}"), std::string::npos);
    EXPECT_NE(page.find("table.sheet col.hidden{visibility:collapse}"), std::string::npos);
}

// The same looks from the cell and row styles of a spreadsheet.
const std::string kOdsStyles =
    "<style:style style:name=\"Yellow\" style:family=\"table-cell\">"
    "<style:table-cell-properties fo:background-color=\"#FFFF00\"/></style:style>";
const std::string kOdsAutomaticStyles =
    "<style:style style:name=\"ce1\" style:family=\"table-cell\" style:parent-style-name=\"Yellow\"/>"
    "<style:style style:name=\"ce2\" style:family=\"table-cell\">"
    "<style:table-cell-properties fo:border=\"0.06pt solid #000000\"/></style:style>"
    "<style:style style:name=\"ce3\" style:family=\"table-cell\"><style:table-cell-properties "
    "fo:border-top=\"2.5pt double #FF0000\" fo:border-bottom=\"1.5pt dashed #0000FF\" fo:border-left=\"none\"/>"
    "</style:style>"
    "<style:style style:name=\"ce4\" style:family=\"table-cell\"><style:table-cell-properties "
    "fo:wrap-option=\"wrap\" style:vertical-align=\"middle\"/></style:style>"
    "<style:style style:name=\"ce5\" style:family=\"table-cell\">"
    "<style:table-cell-properties fo:background-color=\"transparent\" style:vertical-align=\"automatic\"/>"
    "</style:style>"
    "<style:style style:name=\"ce6\" style:family=\"table-cell\" style:parent-style-name=\"Yellow\">"
    "<style:table-cell-properties fo:border=\"thick solid #00FF00\"/></style:style>"
    "<style:style style:name=\"ro1\" style:family=\"table-row\"><style:table-row-properties "
    "style:row-height=\"0.5in\" style:use-optimal-row-height=\"false\"/></style:style>"
    "<style:style style:name=\"ro2\" style:family=\"table-row\"><style:table-row-properties "
    "style:row-height=\"0.5in\" style:use-optimal-row-height=\"true\"/></style:style>";

std::string ods_styled(const char *style, const char *text) {
    return ods_cell(std::string("table:style-name=\"") + style + "\" office:value-type=\"string\"",
                    std::string("<text:p>") + text + "</text:p>");
}

// The first view's settings of a sheet "S" (its Tables entry) and of all.
std::string ods_view(const std::string &view_items, const std::string &sheet_items) {
    return "<config:config-item-set config:name=\"ooo:view-settings\"><config:config-item-map-indexed "
           "config:name=\"Views\"><config:config-item-map-entry><config:config-item-map-named "
           "config:name=\"Tables\"><config:config-item-map-entry config:name=\"S\">" +
           sheet_items + "</config:config-item-map-entry></config:config-item-map-named>" + view_items +
           "</config:config-item-map-entry></config:config-item-map-indexed></config:config-item-set>";
}

std::string config_item(const char *name, const char *type, const char *value) {
    return std::string("<config:config-item config:name=\"") + name + "\" config:type=\"" + type + "\">" + value +
           "</config:config-item>";
}

OdsSpec ods_of_looks(const std::string &settings) {
    OdsSpec spec(ods_table(
        "S", ods_row(ods_string("head")) +
                 ods_row(ods_styled("ce1", "yellow") + ods_styled("ce2", "boxed") + ods_styled("ce3", "lines"),
                         " table:style-name=\"ro1\"") +
                 ods_row(ods_styled("ce4", "wrapped") + ods_styled("ce5", "clear") + ods_styled("ce6", "green"),
                         " table:style-name=\"ro2\"") +
                 ods_row(ods_cell("table:style-name=\"ce1\"") + ods_cell("table:style-name=\"ce1\" "
                                                                          "table:number-columns-repeated=\"1000\"")) +
                 ods_row(ods_cell("table:style-name=\"ce1\"")) + ods_row(ods_string("below")),
        ""));
    spec.styles = kOdsStyles;
    spec.automatic_styles = kOdsAutomaticStyles;
    spec.settings = settings;
    return spec;
}

std::string ods_page(const OdsSpec &spec) { return page_of(ods_of(spec), "book.ods"); }

TEST(SheetLooks, SpreadsheetCellStylesGiveTheSameLooks) {
    const std::string page = ods_page(ods_of_looks(""));
    const LookCase cases[] = {
        {"head", 0, ""},
        {"yellow", 0, "background:#FFFF00"},
        {"boxed", 0, "border:1px solid #000"},
        {"lines", 0, "border-top:3px double #FF0000;border-bottom:2px dashed #0000FF"},
        {"wrapped", 0, "vertical-align:middle;white-space:pre-wrap"},
        {"clear", 0, ""},
        {"green", 0, "background:#FFFF00;border:3px solid #00FF00"},
    };
    for (const LookCase &c : cases) EXPECT_EQ(look_of(page, c.text), c.rule) << c.text;
    const auto rows = rules_of(page, "tr");
    EXPECT_EQ(rows.size(), 1u) << "only the row of its own height";
    EXPECT_NE(page.find("<tr data-row=\"2\" class=\"h1\">"), std::string::npos);
    EXPECT_EQ(rows.count("h1") ? rows.at("h1") : "", "height:36pt");
    // The framed empty cells are kept, the long framed stretch after them is not.
    const std::string framed = "<td class=\"" + classes_of_cell(page, "yellow") + "\"></td>";
    EXPECT_NE(page.find("<tr data-row=\"4\">" + framed + "<td colspan=\"2\"></td></tr>\n<tr data-row=\"5\">" +
                        framed + "<td colspan=\"2\"></td></tr>"),
              std::string::npos);
}

TEST(SheetLooks, SpreadsheetViewSettingsGiveTheHeaderAndGridlines) {
    const ViewCase cases[] = {
        {"no settings", "", false, true},
        {"frozen first row",
         ods_view("", config_item("VerticalSplitMode", "short", "2") +
                          config_item("VerticalSplitPosition", "int", "1")),
         true, true},
        {"split, not frozen",
         ods_view("", config_item("VerticalSplitMode", "short", "1") +
                          config_item("VerticalSplitPosition", "int", "1")),
         false, true},
        {"gridlines off in the view", ods_view(config_item("ShowGrid", "boolean", "false"), ""), false, false},
        {"gridlines on for the sheet",
         ods_view(config_item("ShowGrid", "boolean", "false"), config_item("ShowGrid", "boolean", "true")), false,
         true},
    };
    for (const ViewCase &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string page = ods_page(ods_of_looks(c.view));
        EXPECT_EQ(page.find("<thead>\n<tr data-row=\"1\"><td>head</td><td colspan=\"2\"></td></tr>\n</thead>") !=
                      std::string::npos,
                  c.header);
        EXPECT_EQ(page.find("class=\"sheet nogrid\"") == std::string::npos, c.gridlines);
    }
}

// An Excel 97 XF record: font 0, the general format, an alignment byte,
// border lines and colours, and the fill's pattern and colours.
std::string xls_xf(uint8_t alignment, uint32_t lines, uint32_t more, uint16_t colours) {
    using biff::u16, biff::u32, biff::u8;
    return biff::record(0x00E0, u16(0) + u16(0) + u16(0) + u8(alignment) + u8(0) + u8(0) + u8(0) + u32(lines) +
                                    u32(more) + u16(colours));
}

std::string xls_number(uint16_t row, uint16_t column, uint16_t xf, double value) {
    return biff::record(0x0203, biff::cell(row, column, xf) + biff::f64(value));
}

TEST(SheetLooks, BinaryWorkbookCellFormatsGiveTheSameLooks) {
    constexpr uint8_t kBottom = 0x20;  // the alignment byte of a plain cell
    constexpr uint16_t kWindowColours = 64 | 65 << 7;
    const std::string globals =
        xls_xf(kBottom, 0, 0, kWindowColours) +                                  // 0 plain
        xls_xf(kBottom, 0, 1u << 26, 10 | 65 << 7) +                             // 1 solid red
        xls_xf(0x08, 0, 0, kWindowColours) +                                     // 2 top, wrapped
        xls_xf(kBottom, 0x1111 | 8u << 16 | 8u << 23, 8 | 8u << 7, kWindowColours) +  // 3 thin black box
        xls_xf(kBottom, 0x6000 | 2u << 4, 0, kWindowColours) +                   // 4 double bottom, medium right
        xls_xf(kBottom, 0, 17u << 26, kWindowColours);                           // 5 an eighth of black
    const std::string window2 = biff::record(0x023E, biff::u16(0x06B4 | 0x0008) + std::string(16, '\0'));
    const std::string pane = biff::record(0x0041, biff::u16(0) + biff::u16(1) + biff::u16(1) + biff::u16(0) + biff::u8(2));
    const std::string row = biff::record(0x0208, biff::u16(1) + biff::u16(0) + biff::u16(6) + biff::u16(600) +
                                                     biff::u16(0) + biff::u16(0) + biff::u16(0x0140) + biff::u16(0x0F));
    const std::string cells = xls_number(0, 0, 0, 1) + row + xls_number(1, 0, 1, 2) + xls_number(1, 1, 2, 3) +
                              xls_number(1, 2, 3, 4) + xls_number(1, 3, 4, 5) + xls_number(1, 4, 5, 6) +
                              biff::record(0x0201, biff::cell(2, 0, 1)) + biff::record(0x0201, biff::cell(2, 1, 2)) +
                              xls_number(3, 0, 0, 7);
    const std::string page =
        page_of(biff::xls_file(biff::workbook(globals, {biff::Sheet{"S", cells + window2 + pane}})), "book.xls");
    const LookCase cases[] = {
        {"1", 0, ""},
        {"2", 1, "background:#FF0000"},
        {"3", 2, "vertical-align:top;white-space:pre-wrap"},
        {"4", 3, "border:1px solid #000000"},
        {"5", 4, "border-right:2px solid #000000;border-bottom:3px double #000000"},
        {"6", 5, "background:#DFDFDF"},
    };
    for (const LookCase &c : cases) EXPECT_EQ(look_of(page, c.text), c.rule) << c.text;
    EXPECT_NE(page.find("<tr data-row=\"2\" class=\"h1\">"), std::string::npos);
    EXPECT_NE(page.find("table.sheet tr.h1{height:30pt}"), std::string::npos);
    EXPECT_NE(page.find("class=\"sheet nogrid\""), std::string::npos) << "the view shows no gridlines";
    EXPECT_NE(page.find("<thead>\n<tr data-row=\"1\">"), std::string::npos) << "the first row is frozen";
    const std::string red = "<td class=\"" + classes_of_cell(page, "2").substr(4) + "\"></td>";
    EXPECT_NE(page.find("<tr data-row=\"3\">" + red + "<td colspan=\"4\"></td></tr>"), std::string::npos)
        << "a blank cell shows its fill; one that only wraps is passed over";
}

}  // namespace
}  // namespace qrv::test
