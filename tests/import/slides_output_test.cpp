// Presentations as the outputs show them: a section a slide with its number
// in the HTML, the notes after their slide, "Slide N: title" lines in the
// plain text, a heading a slide in Markdown, the notes among the JSON's
// comments, the slides as the table of contents; the same from PPTX and ODP.
#include <qrvfilters.h>

#include "imported_document.hpp"
#include "slides_builder.hpp"

namespace qrv::test {
namespace {

// Each part found in the output, each after the one before.
void expect_in_order(const std::string &output, const std::vector<std::string> &parts) {
    size_t at = 0;
    for (const auto &part : parts) {
        const size_t found = output.find(part, at);
        ASSERT_NE(found, std::string::npos) << "missing after byte " << at << ": " << part << "\n" << output;
        at = found + part.size();
    }
}

const Pptx kTalk{.slides = {{p_title("Welcome"), p_body(a_p("say hello"))},
                            {p_title("Secret"), "", true},
                            {p_sp(a_p("no title here")), p_body(a_p("first") + a_p("second"))},
                            {p_title("Figures") + p_table("<a:tr>" + a_tc("a") + a_tc("b") + "</a:tr>", 2)}}};

TEST(SlidesOutput, EachOutputShowsTheSlides) {
    struct Case {
        const char *name;
        uint32_t output;
        uint32_t option_word;
        std::vector<std::string> parts;  // in this order
    } cases[] = {
        {"HTML: a section a slide, numbered by its place, hidden ones counted",
         QRV_OUTPUT_HTML,
         0,
         {"<section class=\"slide\" id=\"slide-1\">\n<p class=\"slide-number\"><a href=\"#slide-1\">Slide 1</a></p>\n"
          "<h1",
          ">Welcome</h1>\n</section>\n", "<section class=\"slide\" id=\"slide-3\">", "<p>no title here</p>",
          "</section>\n", "<section class=\"slide\" id=\"slide-4\">", "<table class=\"grid\">", "</table>\n</section>\n"}},
        {"HTML: the notes after their slide, before the next",
         QRV_OUTPUT_HTML,
         0,
         {"id=\"slide-1\"", "</section>\n<aside class=\"notes\" aria-label=\"Notes on Slide 1\">\n<p>say hello</p>\n"
                            "</aside>\n",
          "id=\"slide-3\"", "</section>\n<aside class=\"notes\" aria-label=\"Notes on Slide 3\">\n<p>first</p>\n"
                            "<p>second</p>\n</aside>\n",
          "id=\"slide-4\""}},
        {"HTML: the contents list the slides by number and title",
         QRV_OUTPUT_HTML,
         QRV_FILTER_TOC,
         {"<nav class=\"contents\">", "<li><a href=\"#slide-1\">Slide 1: Welcome</a>",
          "<li><a href=\"#slide-3\">Slide 3</a>", "<li><a href=\"#slide-4\">Slide 4: Figures</a>", "</nav>",
          "<section class=\"slide\" id=\"slide-1\">"}},
        {"text: the label before the title, alone on a slide without one; notes left out",
         QRV_OUTPUT_TEXT,
         0,
         {"Slide 1: Welcome\n\nSlide 3\n\nno title here\n\nSlide 4: Figures\n\na  b\n"}},
        {"Markdown: a heading a slide, its notes quoted after its text",
         QRV_OUTPUT_MARKDOWN,
         0,
         {"# Slide 1: Welcome\n\n> Notes: say hello\n\n# Slide 3\n\nno title here\n\n> Notes: first\n>\n> second\n\n"
          "# Slide 4: Figures\n\n| a | b |"}},
        {"JSON: the notes listed with the comments, a slide's paragraphs joined",
         QRV_OUTPUT_JSON,
         0,
         {"\"notes\":[{\"number\":1,\"kind\":\"comment\",\"text\":\"say hello\"},"
          "{\"number\":2,\"kind\":\"comment\",\"text\":\"first second\"}]"}},
    };
    Imported doc(kTalk);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        expect_in_order(doc.exported(c.output, c.option_word), c.parts);
    }
}

// A hidden slide shown on request says so; the slides around keep their
// numbers.
TEST(SlidesOutput, HiddenSlidesShownOnRequest) {
    IMOptions options{};
    options.StructSize = sizeof options;
    options.Flags = IM_READ_HIDDEN_SLIDES;
    Imported doc(kTalk, &options);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    expect_in_order(doc.exported(), {"id=\"slide-1\"", "<section class=\"slide hidden\" id=\"slide-2\">",
                                     ">Secret</h1>", "id=\"slide-3\""});
    expect_in_order(doc.exported(QRV_OUTPUT_TEXT), {"Slide 1: Welcome\n", "Slide 2: Secret\n", "Slide 3\n"});
}

TEST(SlidesOutput, OpenDocumentPagesAlike) {
    const Odp odp{.pages = odp_page(odp_title("Agenda") +
                                    "<presentation:notes><draw:page-thumbnail presentation:class=\"page\"/>" +
                                    odp_frame(odp_p("one") + odp_p("two"), "notes") + "</presentation:notes>") +
                           odp_page(odp_frame(odp_p("free text")))};
    Imported doc(odp);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    expect_in_order(doc.exported(), {"<section class=\"slide\" id=\"slide-1\">", ">Agenda</h1>", "</section>\n",
                                     "<aside class=\"notes\" aria-label=\"Notes on Slide 1\">\n<p>one</p>\n<p>two</p>",
                                     "<section class=\"slide\" id=\"slide-2\">", "<p>free text</p>"});
    EXPECT_EQ(doc.exported(QRV_OUTPUT_TEXT), "Slide 1: Agenda\n\nSlide 2\n\nfree text\n");
}

// A presentation without slides is an empty document, no slide shown.
TEST(SlidesOutput, NoSlidesNoSections) {
    Imported doc(Pptx{});
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_EQ(doc.exported().find("class=\"slide"), std::string::npos);
    EXPECT_EQ(doc.exported(QRV_OUTPUT_TEXT).find("Slide"), std::string::npos);
}

}  // namespace
}  // namespace qrv::test
