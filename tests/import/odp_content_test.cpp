// OpenDocument presentations as a reader of the output sees them: one
// heading a page in document order, the other shapes' text in reading
// order, bullets from the list and presentation styles, tables, pictures,
// notes, hidden pages left out, flat documents; and broken packages
// imported as far as they go, or refused in one line.
#include "imported_document.hpp"
#include "odf_list_item.hpp"
#include "slides_builder.hpp"

namespace qrv::test {
namespace {

std::string list_of(const std::string &items, const std::string &style = "") {
    return "<text:list" + (style.empty() ? "" : " text:style-name=\"" + style + "\"") + ">" + items + "</text:list>";
}

std::string outline(const std::string &paragraphs, const std::string &style = "") {
    return odp_frame(paragraphs, "outline", "3cm", style.empty() ? "" : " presentation:style-name=\"" + style + "\"");
}

std::string notes(const std::string &text) {
    return "<presentation:notes><draw:page-thumbnail presentation:class=\"page\"/>" + odp_frame(odp_p(text), "notes") +
           "</presentation:notes>";
}

const std::string kHiddenPage =
    "<style:style style:name=\"dp1\" style:family=\"drawing-page\"><style:drawing-page-properties "
    "presentation:visibility=\"hidden\"/></style:style>";

const std::string kSpanStyles =
    "<style:style style:name=\"T1\" style:family=\"text\"><style:text-properties fo:font-weight=\"bold\" "
    "fo:font-style=\"italic\"/></style:style>"
    "<style:style style:name=\"T2\" style:family=\"text\"><style:text-properties "
    "style:text-underline-style=\"solid\" style:text-line-through-style=\"solid\" fo:color=\"#c00000\" "
    "fo:font-size=\"20pt\"/></style:style>"
    "<style:style style:name=\"T3\" style:family=\"text\"><style:text-properties fo:font-style=\"normal\"/>"
    "</style:style>"
    "<style:style style:name=\"P1\" style:family=\"paragraph\"><style:text-properties "
    "fo:font-style=\"italic\"/></style:style>";

const std::string kBullets =
    "<text:list-style style:name=\"L1\"><text:list-level-style-bullet text:level=\"1\" text:bullet-char=\"*\"/>"
    "<text:list-level-style-number text:level=\"2\" style:num-format=\"a\" style:num-suffix=\")\"/></text:list-style>";

// The master's outline levels in styles.xml, and a page style that takes them.
const std::string kMasterOutline =
    "<style:style style:name=\"Default-outline1\" style:family=\"presentation\"><style:graphic-properties>"
    "<text:list-style style:name=\"Default-outline1\"><text:list-level-style-bullet text:level=\"1\" "
    "text:bullet-char=\"\xE2\x97\x8F\"/><text:list-level-style-bullet text:level=\"2\" text:bullet-char=\"-\"/>"
    "</text:list-style></style:graphic-properties></style:style>";
const std::string kOutlineChild =
    "<style:style style:name=\"pr1\" style:family=\"presentation\" style:parent-style-name=\"Default-outline1\"/>";

// A page drawn on the master page named master.
std::string page_on(const std::string &master, const std::string &inside, const std::string &style = "") {
    return "<draw:page draw:master-page-name=\"" + master + "\"" +
           (style.empty() ? "" : " draw:style-name=\"" + style + "\"") + ">" + inside + "</draw:page>";
}

const std::string kBarePage =
    "<style:style style:name=\"dp2\" style:family=\"drawing-page\"><style:drawing-page-properties "
    "presentation:background-objects-visible=\"false\"/></style:style>";

const std::string kSpannedTable =
    "<draw:frame svg:y=\"2cm\"><table:table><table:table-row><table:table-cell "
    "table:number-columns-spanned=\"2\"><text:p>wide</text:p></table:table-cell><table:covered-table-cell/>"
    "</table:table-row><table:table-row><table:table-cell><text:p>a</text:p></table:table-cell><table:table-cell>"
    "<text:p>b</text:p></table:table-cell></table:table-row></table:table></draw:frame>";

// A page style that shows its master's footer, date and page number.
const std::string kDecoratedPage =
    "<style:style style:name=\"dp3\" style:family=\"drawing-page\"><style:drawing-page-properties "
    "presentation:display-footer=\"true\" presentation:display-date-time=\"true\" "
    "presentation:display-page-number=\"true\"/></style:style>";

// The footer and a fixed date its pages name, and a date of the current day.
const std::string kDeclarations =
    "<presentation:footer-decl presentation:name=\"f1\">Course line</presentation:footer-decl>"
    "<presentation:date-time-decl presentation:name=\"d1\" presentation:source=\"fixed\">9 Dec"
    "</presentation:date-time-decl>"
    "<presentation:date-time-decl presentation:name=\"d2\" presentation:source=\"current-date\"/>";

const std::string kDecoratingMaster =
    "<style:master-page style:name=\"M\">" + odp_frame(odp_p("<presentation:date-time/>"), "date-time", "19cm") +
    odp_frame(odp_p("<presentation:footer/>"), "footer", "19.1cm") +
    odp_frame(odp_p("Page <text:page-number>&lt;number&gt;</text:page-number>"), "page-number", "19.2cm") +
    "</style:master-page>";

std::string decorated_page(const std::string &inside, const std::string &uses) {
    return "<draw:page draw:master-page-name=\"M\" draw:style-name=\"dp3\" " + uses + ">" + inside + "</draw:page>";
}

TEST(OdpContent, WhatTheTextShows) {
    struct Case {
        const char *name;
        Odp odp;
        std::string shown;
    } cases[] = {
        {"pages in document order",
         {.pages = odp_page(odp_title("First")) + odp_page(odp_title("Second"))},
         "First\nSecond\n"},
        {"the title first, then the subtitle, the outline, free shapes by place, footers last",
         {.pages = odp_page(odp_frame(odp_p("page 1"), "page-number", "0cm") + odp_frame(odp_p("below"), "", "9cm") +
                            odp_frame(odp_p("free"), "", "5cm") + outline(odp_p("outline")) +
                            odp_frame(odp_p("sub"), "subtitle", "8cm") + odp_title("Title"))},
         "Title\nsub\noutline\nfree\nbelow\npage 1\n"},
        {"a hidden page is left out",
         {.pages = odp_page(odp_title("One")) + odp_page(odp_title("Secret"), "dp1") + odp_page(odp_title("Three")),
          .automatic = kHiddenPage},
         "One\nThree\n"},
        {"shapes in a group",
         {.pages = odp_page("<draw:g>" + odp_frame(odp_p("grouped"), "", "4cm") + "</draw:g>" + odp_title("T"))},
         "T\ngrouped\n"},
        {"a table's cells, a spanned one once",
         {.pages = odp_page(odp_title("Figures") + kSpannedTable)},
         "Figures\nwide\na  b\n"},
        {"placeholders and empty shapes give nothing",
         {.pages =
              odp_page(odp_frame(odp_p("Click to add text"), "outline", "2cm", " presentation:placeholder=\"true\"") +
                       odp_frame("<text:p/>") + odp_title("Kept"))},
         "Kept\n"},
        {"notes are kept out of the text", {.pages = odp_page(odp_title("Talk") + notes("say this"))}, "Talk\n"},
        {"a master's free shapes on each page drawn on it, not its placeholders, not where the page hides them",
         {.pages = page_on("M", odp_title("One") + odp_frame(odp_p("lower"), "", "20cm")) +
                   page_on("M", odp_title("Two"), "dp2") + page_on("Other", odp_title("Three")),
          .automatic = kBarePage,
          .masters = "<style:master-page style:name=\"M\">" + odp_frame(odp_p("Company line"), "", "18cm") +
                     odp_frame(odp_p("Master title"), "title") + odp_frame(odp_p("<text:page-number/>"), "page-number") +
                     "</style:master-page>"},
         "One\nCompany line\nlower\nTwo\nThree\n"},
        {"a master's date, footer and number where the page's style shows them, filled from the page's declarations",
         {.pages = kDeclarations +
                   decorated_page(odp_title("One"),
                                  "presentation:use-footer-name=\"f1\" presentation:use-date-time-name=\"d1\"") +
                   decorated_page(odp_title("Two"), "presentation:use-date-time-name=\"d2\"") +
                   page_on("M", odp_title("Three") + odp_frame(odp_p("p. <text:page-number>7</text:page-number>"))),
          .automatic = kDecoratedPage,
          .masters = kDecoratingMaster},
         "One\n9 Dec\nCourse line\nPage 1\nTwo\nPage 2\nThree\np. 3\n"},
        {"a declaration keeps its first 1,024 bytes, cut before a character they would split",
         {.pages = "<presentation:footer-decl presentation:name=\"f1\">" + std::string(1023, 'a') +
                   "\xC3\xA9 more</presentation:footer-decl>" +
                   decorated_page(odp_title("One"), "presentation:use-footer-name=\"f1\""),
          .automatic = kDecoratedPage,
          .masters = kDecoratingMaster},
         "One\n" + std::string(1023, 'a') + "\nPage 1\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Imported doc(c.odp);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_EQ(slide_lines_of(doc.text()), c.shown);
        Imported flat_doc(c.odp.flat(), "test.fodp");
        EXPECT_EQ(slide_lines_of(flat_doc.text()), c.shown) << "flat";
    }
}

TEST(OdpContent, WhatTheHtmlShows) {
    struct Case {
        const char *name;
        Odp odp;
        std::vector<std::string> parts;
    } cases[] = {
        {"one heading a page",
         {.pages = odp_page(odp_title("First")) + odp_page(odp_title("Second") + odp_title("Not a heading"))},
         {"\">First</h1>", "\">Second</h1>", "<p>Not a heading</p>"}},
        {"a list style's bullets and numbers by level",
         {.pages = odp_page(outline(list_of(odf_list_item(odp_p("one") + list_of(odf_list_item(odp_p("two")))), "L1"))),
          .automatic = kBullets},
         {"<span class=\"marker\">*</span> one<ol class=\"list\">", "<span class=\"marker\">a)</span> two"}},
        {"the master's outline levels through the shape's style",
         {.pages =
              odp_page(outline(list_of(odf_list_item(odp_p("one") + list_of(odf_list_item(odp_p("two"))))), "pr1")),
          .automatic = kOutlineChild,
          .styles = kMasterOutline},
         {"<span class=\"marker\">\xE2\x97\x8F</span> one", "<span class=\"marker\">-</span> two"}},
        {"a picture by its description",
         {.pages = odp_page("<draw:frame svg:y=\"1cm\"><draw:image xlink:href=\"Pictures/a.png\"/>"
                            "<svg:title>Dog</svg:title><svg:desc>A dog</svg:desc></draw:frame>")},
         {"[Image: A dog]"}},
        {"a picture by its name",
         {.pages = odp_page("<draw:frame draw:name=\"Logo\"><draw:image xlink:href=\"Pictures/a.png\"/></draw:frame>")},
         {"[Image: Logo]"}},
        {"a chart",
         {.pages = odp_page("<draw:frame><draw:object xlink:href=\"./Object 1\"/><svg:title>Sales</svg:title>"
                            "</draw:frame>")},
         {"Chart: Sales"}},
        {"a spanned table cell", {.pages = odp_page(kSpannedTable)}, {"<td colspan=\"2\"><p>wide</p>"}},
        {"notes beside the page",
         {.pages = odp_page(odp_title("Talk") + notes("say this"))},
         {"<aside class=\"notes\" aria-label=\"Notes on Slide 1\">\n<p>say this</p>"}},
        {"the character formatting of span styles, a span inside a span adding to it",
         {.pages = odp_page(odp_frame(odp_p("plain <text:span text:style-name=\"T1\">strong <text:span "
                                            "text:style-name=\"T2\">marked</text:span></text:span> after"))),
          .automatic = kSpanStyles},
         {"<p>plain <span style=\"font-weight:bold;font-style:italic\">strong </span>"
          "<span style=\"font-weight:bold;font-style:italic;text-decoration:underline line-through;color:#c00000;"
          "font-size:20pt\">marked</span> after</p>"}},
        {"a paragraph style's formatting under its spans",
         {.pages = odp_page(odp_frame("<text:p text:style-name=\"P1\">all <text:span "
                                      "text:style-name=\"T3\">upright</text:span></text:p>")),
          .automatic = kSpanStyles},
         {"<span style=\"font-style:italic\">all </span>upright"}},
        {"a link",
         {.pages = odp_page(odp_frame(odp_p("see <text:a xlink:href=\"https://example.org/\">here</text:a>")))},
         {"<a href=\"https://example.org/\">here</a>"}},
        {"the title property",
         {.pages = odp_page(odp_title("x")), .meta = "<dc:title>Quarterly deck</dc:title>"},
         {"<title>Quarterly deck</title>"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Imported doc(c.odp);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        const std::string html = doc.exported();
        for (const auto &part : c.parts) EXPECT_NE(html.find(part), std::string::npos) << part << "\n" << html;
    }
}

TEST(OdpContent, FlatPresentationsReadAsPackages) {
    const Odp odp{.pages = odp_page(odp_title("One") + outline(list_of(odf_list_item(odp_p("point")), "L1"))) +
                           odp_page(odp_title("Gone"), "dp1"),
                  .automatic = kHiddenPage + kBullets,
                  .meta = "<dc:title>Flat</dc:title>"};
    Imported packaged(odp);
    ASSERT_EQ(packaged.result(), 0u) << packaged.message();
    Imported flat(odp.flat(), "test.fodp");
    ASSERT_EQ(flat.result(), 0u) << flat.message();
    EXPECT_EQ(flat.exported(), packaged.exported());
    EXPECT_EQ(slide_lines_of(flat.text()), "One\n* point\n");
}

TEST(OdpFaults, BrokenPartsAreLeftOut) {
    const Odp good{.pages = odp_page(odp_title("Kept") + outline(list_of(odf_list_item(odp_p("point")), "pr1")))};
    auto with = [&good](const char *part, const std::string &content) {
        Odp o = good;
        o.extra_parts.push_back({part, content});
        return o;
    };
    Odp cyclic = good;
    cyclic.automatic =
        "<style:style style:name=\"pr1\" style:family=\"presentation\" style:parent-style-name=\"pr2\"/>"
        "<style:style style:name=\"pr2\" style:family=\"presentation\" style:parent-style-name=\"pr1\"/>";
    struct Case {
        const char *name;
        Odp odp;
        const char *warning;
    } cases[] = {
        {"styles that are not XML", with("styles.xml", "<office:document-styles"), "styles.xml"},
        {"meta that is not XML", with("meta.xml", "\x01\x02"), "meta.xml"},
        {"a style that is its own ancestor", cyclic, ""},
        {"a style that is not there", good, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Imported doc(c.odp);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_EQ(slide_lines_of(doc.text()), "Kept\npoint\n");
        EXPECT_NE(doc.message().find(c.warning), std::string::npos) << doc.message();
    }
}

TEST(OdpFaults, RefusalsAreOneLine) {
    const Odp good{.pages = odp_page(odp_title("x"))};
    Odp without = good, not_xml = good, wrong_root = good;
    without.replaced["content.xml"] = "";
    not_xml.replaced["content.xml"] = "<office:document-content";
    wrong_root.replaced["content.xml"] = "<?xml version=\"1.0\"?><document/>";
    struct Case {
        const char *name;
        std::string bytes;
        const char *message;
    } cases[] = {
        {"no content part", without.bytes(), "test.odp: content.xml: the part is missing"},
        {"content that is not XML", not_xml.bytes(), "test.odp: content.xml: line 1"},
        {"content of another kind", wrong_root.bytes(), "test.odp: content.xml"},
        {"an archive cut short", good.bytes().substr(0, 200), "test.odp: "},
        {"a flat document cut short", good.flat().substr(0, good.flat().size() - 40), "test.odp: "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Imported doc(c.bytes, "test.odp");
        expect_refused(doc, IM_ERR_BROKEN, c.message);
    }
}

}  // namespace
}  // namespace qrv::test
