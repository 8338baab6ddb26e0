// The stories of a Word 97-2003 document beside its main text: the first
// section's headers and footers (beside the flow), comments (listed, out of
// the text) and text boxes (after the paragraph of their anchor, else after
// the main text), and tables of them that are damaged.
#include <functional>
#include <string>
#include <vector>

#include "doc_builder.hpp"
#include "imported_document.hpp"

namespace qrv::test::doc {
namespace {

struct Shown {
    std::string html, json, text, message;
};

Shown shown_by(const Imported &doc) {
    EXPECT_EQ(doc.result(), 0u) << doc.message();
    if (doc.result() != 0) return {};
    return {doc.exported(), doc.exported(QRV_OUTPUT_JSON), lines_of(doc.text()), doc.message()};
}

Shown shown_by(const DocBuilder &b) { return shown_by(Imported(b)); }

DocBuilder body(std::u16string text) {
    DocBuilder b;
    b.pieces = {{std::move(text), true}};
    return b;
}

// Six note separators (which are never shown), then the sections' stories.
std::vector<std::u16string> header_stories(std::vector<std::u16string> sections) {
    std::vector<std::u16string> stories = {u"\x03\r\r", u"\x04\r\r", u"", u"\x03\r\r", u"\x04\r\r", u""};
    stories.insert(stories.end(), sections.begin(), sections.end());
    return stories;
}

TEST(DocRunningTexts, TheFirstSectionsHeadersAndFooters) {
    const struct {
        const char *name;
        std::vector<std::u16string> sections;
        std::vector<std::string> shown, left_out;
    } cases[] = {
        {"a header and a footer of every page",
         {u"", u"ACME\r\r", u"", u"Confidential\r\r", u"", u""},
         {"<header class=\"running\">\n<p>ACME</p>\n</header>",
          "<footer class=\"running\">\n<p>Confidential</p>\n</footer>", "\"header\":\"ACME\""},
         {"\x03", "\x04"}},
        {"two paragraphs in a header", {u"", u"one\rtwo\r\r", u"", u"", u"", u""}, {"<p>one</p>\n<p>two</p>"}, {}},
        {"every page's before the even pages'",
         {u"Even\r\r", u"Odd\r\r", u"", u"", u"", u""},
         {"<header class=\"running\">\n<p>Odd</p>\n</header>"},
         {"Even"}},
        {"the first page's where there is no other", {u"", u"", u"", u"", u"Cover\r\r", u""}, {"<p>Cover</p>"}, {}},
        {"a second section's are not read",
         {u"", u"One\r\r", u"", u"", u"", u"", u"", u"Two\r\r", u"", u"", u"", u""},
         {"<p>One</p>"},
         {"Two"}},
        {"a guard mark alone is an empty story", {u"", u"\r", u"", u"\r", u"", u""}, {}, {"class=\"running\""}},
        {"separators alone", {}, {}, {"class=\"running\""}},
        {"page numbers are those of printed pages",
         {u"", u"", u"", u"Page \x13 PAGE \x14" u"3\x15 of \x13 NUMPAGES \x14" u"9\x15 ACME\r\r", u"", u""},
         {"<p>Page  of  ACME</p>"},
         {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        DocBuilder b = body(u"Body.\r");
        b.headers = header_stories(c.sections);
        const Shown out = shown_by(b);
        for (const std::string &s : c.shown) EXPECT_NE(out.html.find(s) + out.json.find(s), 2 * std::string::npos) << s;
        for (const std::string &s : c.left_out) EXPECT_EQ(out.html.find(s), std::string::npos) << s << out.html;
        EXPECT_EQ(out.text, "Body.\n");
    }
}

TEST(DocComments, EachCommentAtItsReference) {
    const struct {
        const char *name;
        std::u16string text;
        std::vector<DocComment> comments;
        std::vector<std::string> shown;
    } cases[] = {
        {"by its author's name",
         u"Revenue rose.\x05\r",
         {{13, u"Ann", u"A", u"\x05 Check this figure.\r"}},
         {"<b>Ann:</b> Check this figure.</li>"}},
        {"by the initials where the name is missing",
         u"Revenue rose.\x05\r",
         {{13, u"", u"JD", u"\x05 Why?\r"}},
         {"<b>JD:</b> Why?</li>"}},
        {"two comments, each its own",
         u"one\x05 two\x05\r",
         {{3, u"Ann", u"A", u"\x05 first\r"}, {8, u"Bob", u"B", u"\x05 second\r"}},
         {"<b>Ann:</b> first</li>", "<b>Bob:</b> second</li>"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        DocBuilder b = body(c.text);
        b.comments = c.comments;
        const Shown out = shown_by(b);
        for (const std::string &s : c.shown) EXPECT_NE(out.html.find(s), std::string::npos) << s << "\n" << out.html;
        EXPECT_EQ(out.text.find('\x05'), std::string::npos) << out.text;
        EXPECT_EQ(out.text.find("first"), std::string::npos) << out.text;
    }
}

TEST(DocComments, TheReferenceMarkIsNotText) {
    DocBuilder b = body(u"Revenue rose.\x05\r");
    b.comments = {{13, u"Ann", u"A", u"\x05 Check this figure.\r"}};
    const Shown out = shown_by(b);
    EXPECT_EQ(out.text, "Revenue rose.\n");
    EXPECT_NE(out.html.find("<p>Revenue rose.</p>"), std::string::npos) << out.html;
}

TEST(DocTextBoxes, ABoxFollowsTheParagraphOfItsAnchor) {
    const struct {
        const char *name;
        std::u16string text;
        std::vector<TextBox> boxes;
        std::string shown;
    } cases[] = {
        {"after its paragraph", u"anchor \x08here\rnext\r", {{7, u"boxed\r"}}, "anchor here\nboxed\nnext\n"},
        {"two boxes in one paragraph, in their order",
         u"a\x08 b\x08\rnext\r",
         {{1, u"first\r"}, {4, u"second\r"}},
         "a b\nfirst\nsecond\nnext\n"},
        {"a box of two paragraphs", u"a\x08\rnext\r", {{1, u"one\rtwo\r"}}, "a\none\ntwo\nnext\n"},
        {"a shape not listed: after the main text",
         u"anchor \x08here\rnext\r",
         {{7, u"boxed\r", false}},
         "anchor here\nnext\nboxed\n"},
        {"an anchor that is no drawn-object mark: after the main text",
         u"anchor here\rnext\r",
         {{7, u"boxed\r"}},
         "anchor here\nnext\nboxed\n"},
        {"an empty box is left out", u"a\x08\rnext\r", {{1, u"\r"}}, "a\nnext\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        DocBuilder b = body(c.text);
        b.text_boxes = c.boxes;
        EXPECT_EQ(shown_by(b).text, c.shown);
    }
}

TEST(DocTextBoxes, AShapeWhoseBoxIsEmptyStaysAnObject) {
    for (const bool empty : {true, false}) {
        SCOPED_TRACE(empty ? "empty" : "with text");
        DocBuilder b = body(u"a\x08\rnext\r");
        b.runs = {{1, 2, change(0x0855, u8(1))}};
        b.text_boxes = {{1, empty ? u"\r" : u"boxed\r"}};
        const Shown out = shown_by(b);
        EXPECT_EQ(out.html.find("class=\"object\"") != std::string::npos, empty) << out.html;
        EXPECT_EQ(out.text.find("boxed") != std::string::npos, !empty) << out.text;
    }
}

// The tables of a document built with a header, a comment and a text box,
// with one table changed.
std::string damaged(size_t table_index, const std::function<void(std::string &table, uint32_t at)> &damage) {
    DocBuilder b = body(u"Body\x05 \x08.\x05\r");
    b.headers = header_stories({u"", u"ACME\r\r", u"", u"", u"", u""});
    b.comments = {{4, u"Ann", u"A", u"\x05 Note this.\r"}, {8, u"Bob", u"B", u"\x05 And this.\r"}};
    b.text_boxes = {{6, u"boxed\r"}};
    b.bookmarks = {{0, u"mark"}, {5, u"later"}};
    const std::string main = b.main_stream();
    std::string table = b.table_stream();
    uint32_t at = 0;
    for (size_t i = 4; i-- > 0;) at = at << 8 | static_cast<uint8_t>(main[154 + 8 * table_index + i]);
    damage(table, at);
    CompoundFileBuilder file;
    file.add("WordDocument", main);
    file.add("1Table", table);
    return file.bytes();
}

TEST(DocStories, DamagedTablesLeaveTheirStoriesOut) {
    const auto swap_first_two = [](std::string &t, uint32_t at) {
        const std::string first = t.substr(at, 4);
        t.replace(at, 4, t.substr(at + 4, 4));
        t.replace(at + 4, 4, first);
    };
    const auto past_the_end = [](size_t position) {
        return [position](std::string &t, uint32_t at) { put32(t, at + 4 * position, 0x7FFFFF); };
    };
    const struct {
        const char *name;
        size_t table;
        std::function<void(std::string &, uint32_t)> damage;
        const char *lost;  // in the HTML
        const char *warning;
    } cases[] = {
        {"headers that go back", 11, [](std::string &t, uint32_t at) { put32(t, at + 4 * 7, 0); }, "ACME",
         "the headers and footers have"},
        {"a header past its story", 11, past_the_end(8), "ACME", "the headers and footers have"},
        {"comment texts that go back", 5, swap_first_two, "Note this", "the comments' texts have positions that go back"},
        {"a comment past its story", 5, past_the_end(2), "Note this", "the comments have"},
        {"text box texts past their story", 56, past_the_end(1), "boxed", "the text boxes have"},
        {"comment references that go back", 4, swap_first_two, "Note this", "the comments have positions that go back"},
        {"bookmarks that go back", 22, swap_first_two, "bm-mark", "the bookmarks have positions that go back"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Imported doc(damaged(c.table, c.damage), "test.doc");
        const Shown out = shown_by(doc);
        EXPECT_EQ(out.html.find(c.lost), std::string::npos) << out.html;
        EXPECT_NE(out.message.find(c.warning), std::string::npos) << out.message;
        EXPECT_NE(out.text.find("Body ."), std::string::npos) << out.text;
    }
}

TEST(DocStories, TablesBeyondTheStreamLeaveTheirStoriesOut) {
    for (size_t table : {4, 5, 11, 22, 40, 56}) {
        SCOPED_TRACE(table);
        DocBuilder b = body(u"Body\x05 \x08.\r");
        b.bookmarks = {{0, u"mark"}};
        b.headers = header_stories({u"", u"ACME\r\r", u"", u"", u"", u""});
        b.comments = {{4, u"Ann", u"A", u"\x05 Note this.\r"}};
        b.text_boxes = {{6, u"boxed\r"}};
        std::string main = b.main_stream();
        put32(main, 154 + 8 * table, 0x7FFFFFF0);
        CompoundFileBuilder file;
        file.add("WordDocument", main);
        file.add("1Table", b.table_stream());
        const Shown out = shown_by(Imported(file.bytes(), "test.doc"));
        EXPECT_NE(out.message.find("lie beyond the table stream"), std::string::npos) << out.message;
        EXPECT_NE(out.text.find("Body ."), std::string::npos) << out.text;
    }
}

}  // namespace
}  // namespace qrv::test::doc
