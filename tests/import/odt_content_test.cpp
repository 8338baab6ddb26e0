// The rest of an OpenDocument text: white space and the elements for
// spaces, tabs and breaks, notes, bookmarks, links, fields, tracked
// changes, frames and pictures, text boxes, comments, sections, the
// document's properties, and flat documents.
#include <qrvmodel/conventions.hpp>

#include "odt_builder.hpp"

namespace qrv::test {
namespace {

std::string odt_body_text(const std::string &body) {
    Odt odt;
    odt.body = body;
    Imported doc(odt);
    EXPECT_EQ(doc.result(), 0u) << doc.message();
    return doc.text();
}

std::string body_html(const std::string &body) {
    Odt odt;
    odt.body = body;
    Imported doc(odt);
    EXPECT_EQ(doc.result(), 0u) << doc.message();
    return doc.exported();
}

TEST(OdtContent, WhatTheBodyShows) {
    struct Case {
        const char *name;
        std::string body;
        std::string shown;
    } cases[] = {
        {"white space runs are one space, none at the start",
         odt_p("\n   two  \t words\n <text:span>across</text:span>  <text:span> spans</text:span>"),
         "two words across spans\n"},
        {"spaces, tabs and line breaks as elements",
         odt_p("a<text:s text:c=\"3\"/>b<text:tab/>c<text:line-break/> d<text:s/>"), "a   b\tc\nd \n"},
        {"a soft page break is no break", odt_p("one<text:soft-page-break/> two"), "one two\n"},
        {"tracked changes shown as accepted",
         "<text:tracked-changes><text:changed-region text:id=\"c1\"><text:deletion><office:change-info>"
         "<dc:creator>A</dc:creator></office:change-info>" +
             odt_p("gone") + "</text:deletion></text:changed-region></text:tracked-changes>" +
             odt_p("kept <text:change text:change-id=\"c1\"/><text:change-start text:change-id=\"c2\"/>added"
                   "<text:change-end text:change-id=\"c2\"/>"),
         "kept added\n"},
        {"fields show the text they hold",
         odt_p("Page <text:page-number text:select-page=\"current\">7</text:page-number> of "
               "<text:page-count>9</text:page-count>, <text:variable-set text:name=\"a\">1</text:variable-set>"),
         "Page 7 of 9, 1\n"},
        {"hidden text shows where its condition shows it",
         odt_p("a<text:hidden-text text:is-hidden=\"true\" text:string-value=\"x\"/>b<text:hidden-text "
               "text:is-hidden=\"false\" text:string-value=\"c\"/>"),
         "abc\n"},
        {"ruby shows its base",
         odt_p("<text:ruby><text:ruby-base>漢</text:ruby-base><text:ruby-text>kan</text:ruby-text></text:ruby>"),
         "漢\n"},
        {"sections show their content unless hidden",
         "<text:section text:name=\"S1\">" + odt_p("shown") + "</text:section>" +
             "<text:section text:name=\"S2\" text:display=\"none\">" + odt_p("hidden") + "</text:section>",
         "shown\n"},
        {"a table of contents shows its entries",
         "<text:table-of-content><text:table-of-content-source><text:index-title-template>Contents"
         "</text:index-title-template></text:table-of-content-source><text:index-body>" +
             odt_p("Chapter<text:tab/>1") + "</text:index-body></text:table-of-content>",
         "Chapter\t1\n"},
        {"a note's text is left to the HTML",
         odt_p("Some text<text:note text:id=\"n1\" text:note-class=\"footnote\">"
               "<text:note-citation>1</text:note-citation><text:note-body>" +
               odt_p("the note") + "</text:note-body></text:note> after"),
         "Some text[1] after\n"},
        {"a text box follows its paragraph",
         odt_p("anchor<draw:frame draw:name=\"Box\"><draw:text-box>" + odt_p("boxed") +
               "</draw:text-box></draw:frame> here") +
             odt_p("next"),
         "anchor here\n\nboxed\n\nnext\n"},
        {"a shape's words are a text box",
         odt_p("<draw:custom-shape draw:name=\"S\">" + odt_p("shaped") + "</draw:custom-shape>here"),
         "here\n\nshaped\n"},
        {"a comment is kept out of the text",
         odt_p("commented<office:annotation><dc:creator>Ann</dc:creator><dc:date>2024-01-01</dc:date>" +
               odt_p("remark") + "</office:annotation> text"),
         "commented text\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(odt_body_text(c.body), c.shown);
    }
}

TEST(OdtContent, NotesBookmarksLinksObjectsAndCommentsInTheHtml) {
    struct Case {
        const char *name;
        std::string body;
        std::vector<std::string> parts;
    } cases[] = {
        {"footnotes and endnotes",
         odt_p("a<text:note text:note-class=\"footnote\"><text:note-citation>1</text:note-citation><text:note-body>" +
               odt_p("foot") +
               "</text:note-body></text:note>b<text:note text:note-class=\"endnote\"><text:note-citation>"
               "i</text:note-citation><text:note-body>" +
               odt_p("end") + "</text:note-body></text:note>"),
         {"foot", "end"}},
        {"links to the web and to bookmarks",
         odt_p(
             "<text:bookmark text:name=\"top\"/>see <text:a xlink:type=\"simple\" xlink:href=\"https://example.org/\">"
             "the site</text:a> and <text:bookmark-ref text:reference-format=\"text\" text:ref-name=\"top\">the top"
             "</text:bookmark-ref>"),
         {"<a href=\"https://example.org/\">the site</a>", "<a href=\"#bm-top\">the top</a>",
          "<a id=\"bm-top\"></a>see"}},
        {"a picture by its description",
         odt_p("<draw:frame draw:name=\"Image1\"><draw:image xlink:href=\"Pictures/1.png\"/><svg:title>Logo</svg:title>"
               "<svg:desc>The company's logo</svg:desc></draw:frame>"),
         {"[Image: The company's logo]"}},
        {"a picture by its name",
         odt_p("<draw:frame draw:name=\"Image1\"><draw:image xlink:href=\"Pictures/1.png\"/>"
               "</draw:frame>"),
         {"[Image: Image1]"}},
        {"a chart",
         odt_p("<draw:frame draw:name=\"Chart\"><draw:object draw:notify-on-update-of-ranges=\"T.A1:B2\" "
               "xlink:href=\"./Object 1\"/><svg:title>Sales</svg:title></draw:frame>"),
         {"Chart: Sales"}},
        {"a comment with its author",
         odt_p("text<office:annotation><dc:creator>Ann</dc:creator>" + odt_p("remark") + "</office:annotation>"),
         {"Ann", "remark"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string html = body_html(c.body);
        for (const auto &part : c.parts) EXPECT_NE(html.find(part), std::string::npos) << part << "\n" << html;
    }
}

TEST(OdtContent, NoteKinds) {
    Odt odt;
    odt.body = odt_p("a<text:note text:note-class=\"footnote\"><text:note-body>" + odt_p("f") +
                     "</text:note-body></text:note><text:note text:note-class=\"endnote\"><text:note-body>" +
                     odt_p("e") + "</text:note-body></text:note>");
    Imported doc(odt);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    std::vector<uint32_t> kinds;
    for (const auto &[id, item] : doc.items())
        if (item.type == CH_ITEM_TAG_BEGIN && item.value == model::kNoteTag) kinds.push_back(item.data1);
    EXPECT_EQ(kinds, (std::vector<uint32_t>{1, 2}));
}

TEST(OdtContent, PropertiesFromMeta) {
    Odt odt;
    odt.meta =
        "<meta:generator>Writer</meta:generator><dc:title>Annual report</dc:title>"
        "<dc:subject>Money</dc:subject><meta:initial-creator>Ann</meta:initial-creator>"
        "<dc:creator>Bob</dc:creator><meta:keyword>one</meta:keyword><meta:keyword>two</meta:keyword>"
        "<dc:description>About the year</dc:description><meta:creation-date>2024-01-02T03:04:05"
        "</meta:creation-date><dc:date>2024-02-03T04:05:06</dc:date>"
        "<meta:editing-cycles>4</meta:editing-cycles>"
        "<meta:document-statistic meta:page-count=\"2\" meta:word-count=\"300\"/>"
        "<meta:user-defined meta:name=\"Client\">Acme</meta:user-defined>";
    odt.body = odt_p("text");
    Imported doc(odt);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    const std::string html = doc.exported();
    for (const char *part : {"<title>Annual report</title>", "content=\"Ann\"", "one, two", "About the year"})
        EXPECT_NE(html.find(part), std::string::npos) << part << "\n" << html;
    // Every property as a tag before the first section, in the order read.
    std::vector<std::u16string> values;
    const auto items = doc.items();
    for (size_t i = 0; i + 1 < items.size(); ++i)
        if (items[i].second.type == CH_ITEM_TAG_BEGIN && items[i].second.value == CH_TAG_DOC_PROPERTY &&
            items[i + 1].second.type == CH_ITEM_TEXT)
            values.push_back(doc.text_of(items[i + 1].second));
    EXPECT_EQ(values, (std::vector<std::u16string>{u"Writer", u"Annual report", u"Money", u"Ann", u"Bob",
                                                   u"About the year", u"2024-01-02T03:04:05", u"2024-02-03T04:05:06",
                                                   u"4", u"2", u"300", u"one, two"}));
}

// A flat document gives the document its package gives.
TEST(OdtContent, FlatDocumentsReadAsPackages) {
    Odt odt;
    odt.meta = "<dc:title>Flat</dc:title>";
    odt.styles = odt_style("Strong", "text", "<style:text-properties fo:font-weight=\"bold\"/>");
    odt.automatic =
        "<text:list-style style:name=\"L1\"><text:list-level-style-number text:level=\"1\" "
        "style:num-format=\"1\" style:num-suffix=\".\"/></text:list-style>";
    odt.body = odt_h("Title", 1) + "<text:list text:style-name=\"L1\">" + "<text:list-item>" +
               odt_p("<text:span text:style-name=\"Strong\">one</text:span>") + "</text:list-item></text:list>";
    Imported packaged(odt);
    ASSERT_EQ(packaged.result(), 0u) << packaged.message();
    const std::string flat_bytes = odt.flat();
    Imported flat(flat_bytes, "test.fodt");
    ASSERT_EQ(flat.result(), 0u) << flat.message();
    EXPECT_EQ(flat.exported(), packaged.exported());
    EXPECT_NE(flat.exported().find("<span style=\"font-weight:bold\">one</span>"), std::string::npos)
        << flat.exported();
}

}  // namespace
}  // namespace qrv::test
