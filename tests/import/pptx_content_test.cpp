// PowerPoint presentations as a reader of the output sees them: one heading
// a slide in the presentation's order, the other shapes' text in reading
// order, bullets inherited from the layout and the master, tables,
// pictures, speaker notes, hidden slides left out; and broken packages
// imported as far as they go, or refused in one line.
#include "imported_document.hpp"
#include "slides_builder.hpp"

namespace qrv::test {
namespace {

Pptx::Slide slide(const std::string &shapes) { return {shapes}; }

std::string pptx_text(const Pptx &pptx) {
    Imported doc(pptx);
    EXPECT_EQ(doc.result(), 0u) << doc.message();
    return slide_lines_of(doc.text());
}

// A body placeholder with these paragraphs.

const std::string kMasterBullets =
    "<p:bodyStyle><a:lvl1pPr><a:buChar char=\"\xE2\x96\xAA\"/></a:lvl1pPr><a:lvl2pPr><a:buChar char=\"-\"/>"
    "</a:lvl2pPr></p:bodyStyle>";

const std::string kAutoNumbered = "<a:buAutoNum type=\"arabicPeriod\"/>";

TEST(PptxContent, WhatTheTextShows) {
    struct Case {
        const char *name;
        Pptx pptx;
        std::string shown;
    } cases[] = {
        {"slides in the presentation's order, not the files' names",
         {.slides = {{p_title("First"), "", false, "slide2.xml"}, {p_title("Second"), "", false, "slide1.xml"}}},
         "First\nSecond\n"},
        {"the title first, then the body, free shapes top to bottom and left to right, footers last",
         {.slides = {slide(p_sp(a_p("page 1"), "type=\"sldNum\" idx=\"12\"") + p_sp(a_p("below"), "", 0, 3000) +
                           p_sp(a_p("right"), "", 5000, 1000) + p_sp(a_p("left"), "", 0, 1000) + p_body(a_p("body")) +
                           p_title("Title"))}},
         "Title\nbody\nleft\nright\nbelow\npage 1\n"},
        {"a placeholder with no place of its own sits where the layout puts it",
         {.slides = {slide(p_body(a_p("lower")) + p_sp(a_p("upper"), "type=\"body\" idx=\"2\""))},
          .layout_shapes =
              p_sp("<a:p/>", "type=\"body\" idx=\"1\"", 0, 5000) + p_sp("<a:p/>", "type=\"body\" idx=\"2\"", 0, 1000)},
         "upper\nlower\n"},
        {"a hidden slide is left out",
         {.slides = {slide(p_title("One")), {p_title("Secret"), "", true}, slide(p_title("Three"))}},
         "One\nThree\n"},
        {"a table's cells, a spanned one once",
         {.slides = {slide(p_title("Figures") +
                           p_table("<a:tr h=\"10\">" + a_tc("wide", " gridSpan=\"2\"") +
                                       "<a:tc hMerge=\"1\"><a:txBody><a:bodyPr/><a:p/></a:txBody></a:tc></a:tr>"
                                       "<a:tr h=\"10\">" +
                                       a_tc("a") + a_tc("b") + "</a:tr>",
                                   2))}},
         "Figures\nwide\na  b\n"},
        {"empty shapes and slides give nothing",
         {.slides = {slide(p_sp("<a:p/>") + p_title("Kept")), slide("")}},
         "Kept\n"},
        {"a group's children placed through the group's transform",
         {.slides = {slide("<p:grpSp><p:nvGrpSpPr/><p:grpSpPr><a:xfrm><a:off x=\"0\" y=\"5000\"/>"
                           "<a:ext cx=\"500\" cy=\"500\"/><a:chOff x=\"0\" y=\"0\"/><a:chExt cx=\"1000\" "
                           "cy=\"1000\"/></a:xfrm></p:grpSpPr>" +
                           p_sp(a_p("grouped"), "", 0, 100) + "</p:grpSp>" + p_sp(a_p("above"), "", 0, 4000))}},
         "above\ngrouped\n"},
        {"of alternative content the first choice alone",
         {.slides = {slide("<mc:AlternateContent><mc:Choice Requires=\"p14\">" + p_sp(a_p("chosen")) +
                           "</mc:Choice><mc:Fallback>" + p_sp(a_p("fallback")) +
                           "</mc:Fallback></mc:AlternateContent>")}},
         "chosen\n"},
        {"a slide number field shows the slide's place",
         {.slides = {slide(p_title("A")),
                     slide(p_sp("<a:p><a:fld id=\"{1}\" type=\"slidenum\"><a:t>9</a:t></a:fld></a:p>"))}},
         "A\n2\n"},
        {"speaker notes are kept out of the text", {.slides = {{p_title("Talk"), p_body(a_p("say this"))}}}, "Talk\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(pptx_text(c.pptx), c.shown);
    }
}

// Hidden slides come back when asked for, and only then; options older
// than the flags ask for nothing.
TEST(PptxContent, HiddenSlidesWhenAskedFor) {
    const Pptx pptx{.slides = {slide(p_title("One")), {p_title("Secret"), "", true}}};
    IMOptions current{};
    current.StructSize = sizeof current;
    current.Flags = IM_READ_HIDDEN_SLIDES;
    IMOptions older = current;
    older.StructSize = offsetof(IMOptions, Flags);
    const struct {
        const char *name;
        const IMOptions *options;
        std::string shown;
    } cases[] = {{"no options", nullptr, "One\n"},
                 {"asked for", &current, "One\nSecret\n"},
                 {"options without the field", &older, "One\n"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Imported doc(pptx, c.options);
        EXPECT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_EQ(slide_lines_of(doc.text()), c.shown);
    }
}

TEST(PptxContent, WhatTheHtmlShows) {
    struct Case {
        const char *name;
        Pptx pptx;
        std::vector<std::string> parts;
    } cases[] = {
        {"one heading a slide",
         {.slides = {slide(p_title("First")), slide(p_title("Second") + p_title("Not a heading"))}},
         {"\">First</h1>", "\">Second</h1>", "<p>Not a heading</p>"}},
        {"a title of two paragraphs is one heading",
         {.slides = {slide(p_sp(a_p("Two") + a_p("lines"), "type=\"ctrTitle\""))}},
         {"\">Two<br>lines</h1>"}},
        {"the master's bullets by level",
         {.slides = {slide(p_body(a_p("one") + a_p("two", " lvl=\"1\"")))}, .text_styles = kMasterBullets},
         {"<span class=\"marker\">\xE2\x96\xAA</span> one<ul class=\"list\">",
          "<span class=\"marker\">-</span> two</li>"}},
        {"the layout's list style over the master's",
         {.slides = {slide(p_body(a_p("first") + a_p("second")))},
          .layout_shapes = p_sp("<a:lstStyle><a:lvl1pPr><a:buAutoNum type=\"arabicParenR\"/></a:lvl1pPr>"
                                "</a:lstStyle><a:p/>",
                                "type=\"body\" idx=\"1\""),
          .text_styles = kMasterBullets},
         {"<span class=\"marker\">1)</span> first", "<span class=\"marker\">2)</span> second"}},
        {"a paragraph's own bullet over the inherited one",
         {.slides = {slide(p_body(a_p("plain", " lvl=\"0\"", "<a:buNone/>") +
                                  a_p("starred", " lvl=\"0\"", "<a:buChar char=\"*\"/>")))},
          .text_styles = kMasterBullets},
         {"<p>plain</p>", "<span class=\"marker\">*</span> starred"}},
        {"a free shape takes no body bullets",
         {.slides = {slide(p_sp(a_p("free"), "", 0, 0))}, .text_styles = kMasterBullets},
         {"<p>free</p>"}},
        {"numbers count within their text body",
         {.slides = {slide(p_sp(a_p("n1", "", kAutoNumbered) + a_p("n2", "", kAutoNumbered)) +
                           p_sp(a_p("m1", "", kAutoNumbered), "", 0, 9000))}},
         {"<span class=\"marker\">2.</span> n2", "<span class=\"marker\">1.</span> m1"}},
        {"a link to the web",
         {.slides = {{p_sp("<a:p><a:r><a:rPr b=\"1\"><a:hlinkClick r:id=\"rH\"/></a:rPr><a:t>site</a:t></a:r></a:p>"),
                      "", false, "",
                      "<Relationship Id=\"rH\" Type=\"" + kOfficeRelationships +
                          "hyperlink\" Target=\"https://example.org/\" TargetMode=\"External\"/>"}}},
         {"<a href=\"https://example.org/\"><span style=\"font-weight:bold\">site</span></a>"}},
        {"a picture by its alt text", {.slides = {slide(p_pic("A cat on a mat"))}}, {"[Image: A cat on a mat]"}},
        {"a spanned table cell",
         {.slides = {slide(p_table("<a:tr>" + a_tc("wide", " gridSpan=\"2\"") + "</a:tr>", 2))}},
         {"<td colspan=\"2\"><p>wide</p>"}},
        {"speaker notes beside the slide",
         {.slides = {{p_title("Talk"), p_body(a_p("say this"))}}},
         {"<aside class=\"notes\" aria-label=\"Notes on Slide 1\">\n<p>say this</p>"}},
        {"the title property",
         {.slides = {slide(p_title("x"))}, .core = "<dc:title>Quarterly deck</dc:title>"},
         {"<title>Quarterly deck</title>"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Imported doc(c.pptx);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        const std::string html = doc.exported();
        for (const auto &part : c.parts) EXPECT_NE(html.find(part), std::string::npos) << part << "\n" << html;
    }
}

// The header, footer and free shapes of a notes page are no part of the notes.
TEST(PptxContent, NotesHoldTheirBodyAlone) {
    const std::string notes = p_sp("", "type=\"sldImg\"") + p_sp(a_p("Confidential"), "type=\"hdr\"") +
                              p_sp(a_p("Scribble"), "", 0, 0) + p_body(a_p("say this"));
    Imported doc(Pptx{.slides = {{p_title("Talk"), notes}}});
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    const std::string html = doc.exported();
    EXPECT_NE(html.find("<aside class=\"notes\" aria-label=\"Notes on Slide 1\">\n<p>say this</p>\n</aside>"),
              std::string::npos)
        << html;
    EXPECT_EQ(html.find("Confidential"), std::string::npos) << html;
    EXPECT_EQ(html.find("Scribble"), std::string::npos) << html;
}

// Broken parts: the slides that can be read are, with a warning; a package
// without its presentation is refused in one line.
TEST(PptxFaults, BrokenPartsLeaveTheirSlidesOut) {
    const Pptx two{.slides = {slide(p_title("First")), slide(p_title("Second"))}};
    auto with = [&two](const std::string &part, const std::string &content) {
        Pptx p = two;
        p.replaced[part] = content;
        return p;
    };
    Pptx self_layout = two;
    self_layout.replaced["ppt/slides/_rels/slide1.xml.rels"] =
        relationships(relationship("rL", "slideLayout", "slide1.xml") + relationship("rN", "notesSlide", "slide1.xml"));
    Pptx cyclic_master = two;
    cyclic_master.replaced["ppt/slideLayouts/_rels/slideLayout1.xml.rels"] =
        relationships(relationship("rM", "slideMaster", "slideLayout1.xml"));
    Pptx dangling = two;
    dangling.slides[0].links = relationship("rX", "notesSlide", "../notesSlides/none.xml");
    struct Case {
        const char *name;
        Pptx pptx;
        std::string shown;
        const char *warning;
    } cases[] = {
        {"a missing slide part", with("ppt/slides/slide1.xml", ""), "Second\n", "ppt/slides/slide1.xml"},
        {"a slide that is not XML", with("ppt/slides/slide1.xml", "not <xml"), "Second\n", "ppt/slides/slide1.xml"},
        {"a slide cut short", with("ppt/slides/slide1.xml", two.parts()[2].content.substr(0, 60)), "Second\n",
         "ppt/slides/slide1.xml"},
        {"a slide id with no relationship",
         with("ppt/_rels/presentation.xml.rels", relationships(relationship("rS2", "slide", "slides/slide2.xml"))),
         "Second\n", "rS1"},
        {"a missing layout", with("ppt/slideLayouts/slideLayout1.xml", ""), "First\nSecond\n", "slideLayout1.xml"},
        {"a master that is not XML", with("ppt/slideMasters/slideMaster1.xml", "\x01\x02"), "First\nSecond\n",
         "slideMaster1.xml"},
        {"a slide its own layout and notes", self_layout, "First\nSecond\n", ""},
        {"a layout its own master", cyclic_master, "First\nSecond\n", ""},
        {"notes that point nowhere", dangling, "First\nSecond\n", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Imported doc(c.pptx);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_EQ(slide_lines_of(doc.text()), c.shown);
        EXPECT_NE(doc.message().find(c.warning), std::string::npos) << doc.message();
        EXPECT_FALSE(doc.exported().empty());
    }
}

TEST(PptxFaults, RefusalsAreOneLine) {
    const Pptx good{.slides = {slide(p_title("x"))}};
    Pptx without = good, not_xml = good, wrong_root = good;
    without.replaced["ppt/presentation.xml"] = "";
    not_xml.replaced["ppt/presentation.xml"] = "<p:presentation";
    wrong_root.replaced["ppt/presentation.xml"] = "<?xml version=\"1.0\"?><document/>";
    struct Case {
        const char *name;
        std::string bytes;
        const char *message;
    } cases[] = {
        {"no presentation part", without.bytes(), "test.pptx: ppt/presentation.xml: the part is missing"},
        {"a presentation that is not XML", not_xml.bytes(), "test.pptx: ppt/presentation.xml: line 1"},
        {"a presentation of another kind", wrong_root.bytes(), "test.pptx: ppt/presentation.xml"},
        {"an archive cut short", good.bytes().substr(0, 300), "test.pptx: "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Imported doc(c.bytes, "test.pptx");
        expect_refused(doc, IM_ERR_BROKEN, c.message);
    }
}

}  // namespace
}  // namespace qrv::test
