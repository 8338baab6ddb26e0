// Word 97-2003 documents built at test time: the text through the piece
// table, the special characters, runs and paragraphs from the formatting
// pages, styles, tables, fields, notes and properties, and refusals and
// hostile structures.
#include <string>

#include "doc_builder.hpp"
#include "imported_document.hpp"

namespace qrv::test::doc {
namespace {

std::string doc_text(const DocBuilder &b) {
    Imported doc(b);
    EXPECT_EQ(doc.result(), 0u) << doc.message();
    return doc.result() == 0 ? lines_of(doc.text()) : "";
}

std::string doc_html(const DocBuilder &b) {
    Imported doc(b);
    EXPECT_EQ(doc.result(), 0u) << doc.message();
    return doc.result() == 0 ? doc.exported() : "";
}

TEST(DocText, WhatTheTextShows) {
    struct Case {
        const char *name;
        DocBuilder doc;
        std::string shown;
    } cases[] = {
        {"an 8-bit piece", text_doc(u"one\rtwo\r"), "one\ntwo\n"},
        {"a UTF-16 piece", text_doc(u"caf\u00e9 \u0416\u20ac\r", false), "café Ж€\n"},
        {"Windows-1252 in an 8-bit piece", text_doc(u"\x93q\x94 \x80\r"), "“q” €\n"},
        {"a line break", text_doc(u"a\vb\r"), "a\nb\n"},
        {"hyphens",
         text_doc(u"a\x1e"
                  u"b\x1f"
                  u"c\r"),
         "a\u2011bc\n"},
        {"a field shows its result",
         text_doc(u"p\x13 PAGE \x14"
                  u"7\x15.\r"),
         "p7.\n"},
        {"a field without a result shows nothing",
         text_doc(u"a\x13 TOC \x15"
                  u"b\r"),
         "ab\n"},
        {"nested fields",
         text_doc(u"\x13 IF \x13 X \x14"
                  u"1\x15 \x14yes\x15\r"),
         "yes\n"},
        {"anchors that are not special show nothing",
         text_doc(u"a\x01\x08\x02"
                  u"b\r"),
         "ab\n"},
        {"a tab", text_doc(u"a\tb\r"), "a\tb\n"},
    };
    for (const auto &c : cases) EXPECT_EQ(doc_text(c.doc), c.shown) << c.name;
}

TEST(DocText, PiecesJoinInTheirOrder) {
    DocBuilder b;
    b.pieces = {{u"Hello ", true}, {u"w\u00f6rld \u03a9", false}, {u"!\r", true}};
    EXPECT_EQ(doc_text(b), "Hello wörld Ω!\n");
}

TEST(DocText, AnchorsThatTheirRunsMarkSpecial) {
    const std::string special = change(0x0855, u8(1));
    struct Case {
        const char *name;
        std::u16string text;
        std::string changes;
        std::string shown;
    } cases[] = {
        {"a symbol shows its font's character", u"a(b\r", special + change(0x6A09, u16(2) + u16(0xF0B7)), "a\uF0B7b\n"},
        {"a parenthesis without a symbol stays", u"a(b\r", special, "a(b\n"},
        {"a field code's characters are hidden", u"a(b\r", change(0x0802, u8(1)), "ab\n"},
        {"a tracked deletion is left out", u"a(b\r", change(0x0800, u8(1)), "ab\n"},
        {"a tracked insertion stays", u"a(b\r", change(0x0801, u8(1)), "a(b\n"},
    };
    for (const auto &c : cases) {
        DocBuilder b = text_doc(c.text);
        b.runs = {{1, 2, c.changes}};
        EXPECT_EQ(doc_text(b), c.shown) << c.name;
    }
}

TEST(DocRuns, PiecesApplyTheirOwnChanges) {
    const uint16_t bold = 0x55 << 1 | 1 << 8, italic = 0x56 << 1 | 1 << 8;
    const std::string styled = "<span style=\"";
    const struct {
        const char *name;
        uint16_t modifier;
        std::vector<std::string> lists;
        std::string html;
    } cases[] = {
        {"a change the descriptor codes", bold, {}, styled + "font-weight:bold\">two</span> three"},
        {"another", italic, {}, styled + "font-style:italic\">two</span> three"},
        {"a list of changes",
         1 << 1 | 1,
         {"", change(0x0836, u8(1)) + change(0x0837, u8(1))},
         styled + "font-style:italic;text-decoration:line-through\">two</span> three"},
        {"a list past the lists", 5 << 1 | 1, {}, "<p>one two three</p>"},
        {"a code this reader passes over", 0x0D << 1 | 1 << 8, {}, "<p>one two three</p>"},
        {"a deletion", 0x41 << 1 | 1 << 8, {}, "<p>one  three</p>"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        DocBuilder b;
        b.pieces = {{u"one ", true}, {u"two", true, c.modifier}, {u" three\r", true}};
        b.piece_changes = c.lists;
        const std::string html = doc_html(b);
        EXPECT_NE(html.find(c.html), std::string::npos) << html;
    }
}

TEST(DocParagraphs, APieceOfTheMarkChangesItsParagraph) {
    DocBuilder b;
    b.pieces = {{u"centred", true}, {u"\r", true, 0x05 << 1 | 1 << 8}, {u"left\r", true}};
    const std::string html = doc_html(b);
    EXPECT_NE(html.find("<p style=\"text-align:center\">centred</p>\n<p>left</p>"), std::string::npos) << html;
}

TEST(DocParagraphs, ADroppedCapitalGoesOnWithItsParagraph) {
    DocBuilder b = text_doc(u"T\rhis text\rnext\r");
    b.paragraphs = {{0, change(0x442C, u16(0x0301))}, {}, {}};
    EXPECT_EQ(doc_text(b), "This text\nnext\n");
}

TEST(DocRuns, PropertyChangesReachTheTextRecord) {
    struct Case {
        const char *name;
        std::string changes;
        bool (*holds)(const CUTextChangeInfo &);
    } cases[] = {
        {"bold", change(0x0835, u8(1)), [](const CUTextChangeInfo &t) { return t.Attr2 == 1 && t.Attr3 == 0; }},
        {"italic", change(0x0836, u8(1)), [](const CUTextChangeInfo &t) { return t.Attr3 == 1; }},
        {"underline", change(0x2A3E, u8(1)), [](const CUTextChangeInfo &t) { return t.Attr4 == 1; }},
        {"strike", change(0x0837, u8(1)), [](const CUTextChangeInfo &t) { return t.Attr5 == 1; }},
        {"superscript", change(0x2A48, u8(1)), [](const CUTextChangeInfo &t) { return t.Attr7 == 1; }},
        {"subscript", change(0x2A48, u8(2)), [](const CUTextChangeInfo &t) { return t.Attr8 == 1; }},
        {"size", change(0x4A43, u16(28)), [](const CUTextChangeInfo &t) { return t.FontSize == 28; }},
        {"colour by index", change(0x2A42, u8(6)), [](const CUTextChangeInfo &t) { return t.Item25Value == 0xFF0000; }},
        {"colour by value", change(0x6870, u32(0x00302010)),
         [](const CUTextChangeInfo &t) { return t.Item25Value == 0x102030; }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        DocBuilder b = text_doc(u"plain marked\r");
        b.runs = {{6, 12, c.changes}};
        Imported doc(b);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_TRUE(c.holds(doc.records_at(u"marked").text));
        EXPECT_EQ(doc.records_at(u"plain").text.Attr2, 0);
    }
}

TEST(DocRuns, RunsFollowTheirCharactersAcrossPieces) {
    DocBuilder b;
    b.pieces = {{u"aa", true}, {u"bold", false}, {u" cc\r", true}};
    b.runs = {{2, 6, change(0x0835, u8(1))}};
    Imported doc(b);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_EQ(doc.records_at(u"bold").text.Attr2, 1);
    EXPECT_EQ(doc.records_at(u" cc").text.Attr2, 0);
}

TEST(DocStyles, HeadingStylesAndTheirChains) {
    DocBuilder b = text_doc(u"Title\rbody\r");
    b.styles = {{0, 1, 0x0FFF, u"Normal", "", ""}, {1, 1, 0, u"heading 1", "", change(0x0835, u8(1))}};
    b.paragraphs = {{1, ""}, {0, ""}};
    Imported doc(b);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_NE(doc.dump().find("heading 1"), std::string::npos) << doc.dump();
    EXPECT_EQ(doc.records_at(u"Title").text.Attr2, 1);
    EXPECT_EQ(doc.records_at(u"body").text.Attr2, 0);
    const std::string html = doc.exported();
    EXPECT_NE(html.find("<h1"), std::string::npos) << html;
}

TEST(DocStyles, ABrokenStyleSheetLeavesTheTextPlain) {
    DocBuilder b = text_doc(u"x\r");
    b.styles = {{1, 1, 1, u"self", "", ""}, {2, 1, 3, std::u16string(5000, u'n'), "", ""}};
    b.paragraphs = {{1, ""}};
    EXPECT_EQ(doc_text(b), "x\n");
}

TEST(DocParagraphs, AlignmentReachesTheParagraphRecord) {
    DocBuilder b = text_doc(u"left\rmiddle\rright\r");
    b.paragraphs = {{0, ""}, {0, change(0x2403, u8(1))}, {0, change(0x2461, u8(2))}};
    Imported doc(b);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_EQ(doc.records_at(u"left").para.Item12Value, 0u);
    EXPECT_EQ(doc.records_at(u"middle").para.Item12Value, 1u);
    EXPECT_EQ(doc.records_at(u"right").para.Item12Value, 2u);
}

// A decimal level starting at start whose text is the number and then suffix.
std::string list_level(uint32_t start, char16_t suffix) {
    return u32(start) + u8(0) + u8(0) + std::string(9, '\0') + u8(0) + u32(0) + u32(0) + u8(0) + u8(0) + u8(0) + u8(0) +
           u16(2) + u16(0) + u16(suffix);
}

// An override of list 77 with its level changes (as stored after the overrides).
std::string list_override(size_t changes) {
    return u32(77) + u32(0) + u32(0) + u8(static_cast<uint32_t>(changes)) + u8(0) + u8(0) + u8(0);
}

TEST(DocLists, ParagraphsOfAListShowTheirNumbers) {
    // A level change: its start, then its level and flags.
    const std::string restart = u32(10) + u8(0x10) + std::string(3, '\0');
    const std::string reformat = u32(0) + u8(0x20) + std::string(3, '\0') + list_level(7, ')');
    const struct {
        const char *name;
        std::string overrides;
        const char *numbers[3];
    } cases[] = {
        {"overrides of one list continue each other", u32(2) + list_override(0) + list_override(0),
         {"3.", "4.", "5."}},
        {"an override without its level changes", u32(2) + list_override(0) + list_override(0) + u32(0) + u32(0),
         {"3.", "4.", "5."}},
        {"an override that restarts a level", u32(2) + list_override(0) + list_override(1) + u32(0) + u32(0) + restart,
         {"3.", "4.", "10."}},
        {"an override that reformats a level", u32(2) + list_override(0) + list_override(1) + u32(0) + u32(0) + reformat,
         {"3.", "4.", "7)"}},
        {"level changes cut short", u32(2) + list_override(0) + list_override(1) + u32(0) + u32(0) + u32(10),
         {"3.", "4.", "5."}},
    };
    const std::string in_first = change(0x460B, u16(1)) + change(0x260A, u8(0));
    const std::string in_second = change(0x460B, u16(2)) + change(0x260A, u8(0));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        DocBuilder b = text_doc(u"one\rtwo\rthree\r");
        b.lists = u16(1) + u32(77) + u32(0) + std::string(18, '\0') + u8(1) + u8(0);
        b.list_levels = list_level(3, '.');
        b.overrides = c.overrides;
        b.paragraphs = {{0, in_first}, {0, in_first}, {0, in_second}};
        const std::string shown = doc_text(b);
        size_t at = 0;
        for (const char *number : c.numbers) {
            at = shown.find(number, at);
            EXPECT_NE(at, std::string::npos) << number << " in " << shown;
        }
    }
}

TEST(DocTables, CellAndRowMarks) {
    const std::string in_table = change(0x2416, u8(1));
    DocBuilder b = text_doc(
        u"before\rA\x07"
        u"B\x07\x07"
        u"C\x07"
        u"D\x07\x07"
        u"after\r");
    const ParaProps cell{0, in_table}, row_end{0, in_table + change(0x2417, u8(1))};
    b.paragraphs = {{}, cell, cell, row_end, cell, cell, row_end, {}};
    EXPECT_EQ(doc_text(b), "before\nA  B\nC  D\nafter\n");
    const std::string html = doc_html(b);
    EXPECT_NE(html.find("<td"), std::string::npos) << html;
}

TEST(DocTables, ANestedTable) {
    const std::string outer = change(0x2416, u8(1)) + change(0x6649, u32(1));
    const std::string inner = change(0x2416, u8(1)) + change(0x6649, u32(2));
    DocBuilder b = text_doc(
        u"in1\rin2\r\r"
        u"out\x07\x07");
    b.paragraphs = {{0, inner + change(0x244B, u8(1))},
                    {0, inner + change(0x244B, u8(1))},
                    {0, inner + change(0x244C, u8(1))},
                    {0, outer},
                    {0, outer + change(0x2417, u8(1))}};
    const std::string html = doc_html(b);
    EXPECT_NE(html.find("<table"), html.rfind("<table")) << html;
    EXPECT_NE(html.find("in2"), std::string::npos) << html;
}

TEST(DocFields, AHyperlinkLinksItsResult) {
    const std::string html = doc_html(text_doc(u"\x13 HYPERLINK \"http://x.org/\" \x14site\x15\r"));
    EXPECT_NE(html.find("href=\"http://x.org/\""), std::string::npos) << html;
    EXPECT_NE(html.find("site"), std::string::npos) << html;
}

TEST(DocFields, LinksReachTheBookmarksTheyName) {
    DocBuilder b = text_doc(u"Top\r\x13 HYPERLINK \\l \"top\" \x14up\x15 end\r");
    b.bookmarks = {{0, u"_GoBack"}, {0, u"top"}, {9, u"mid"}};
    const std::string html = doc_html(b);
    EXPECT_NE(html.find("<a id=\"bm-top\"></a>Top"), std::string::npos) << html;
    EXPECT_NE(html.find("<a href=\"#bm-top\">up</a>"), std::string::npos) << html;
    EXPECT_NE(html.find("<a id=\"bm-mid\">"), std::string::npos) << html;
    EXPECT_EQ(html.find("GoBack"), std::string::npos) << html;
}

TEST(DocNotes, AFootnoteCarriesItsText) {
    DocBuilder b = text_doc(u"text\x02 more\r");
    b.runs = {{4, 5, change(0x0855, u8(1))}};
    b.footnotes = {{4, u"\x02 the note\r"}};
    const std::string html = doc_html(b);
    EXPECT_NE(html.find("the note"), std::string::npos) << html;
    EXPECT_EQ(doc_text(b), "text[1] more\n");
}

TEST(DocObjects, APictureAnchorIsAnObject) {
    DocBuilder b = text_doc(
        u"a\x01"
        u"b\r");
    b.runs = {{1, 2, change(0x0855, u8(1))}};
    Imported doc(b);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_EQ(lines_of(doc.text()).find('\x01'), std::string::npos) << doc.text();
    const std::string html = doc.exported();
    EXPECT_NE(html.find("class=\"object\""), std::string::npos) << html;
}

TEST(DocProperties, TheTitleComesFromTheSummary) {
    DocBuilder b = text_doc(u"x\r");
    b.summary = summary_with_title("The Title");
    Imported doc(b);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_NE(doc.dump().find("The Title"), std::string::npos) << doc.dump();
}

TEST(DocRefusals, EncryptedDocuments) {
    DocBuilder encrypted = text_doc(u"secret\r");
    encrypted.encrypted = true;
    expect_refused(Imported(encrypted), IM_ERR_ENCRYPTED, "test.doc: the document is encrypted");
}

TEST(DocRefusals, HostileStructuresFailCleanlyOrKeepTheText) {
    struct Case {
        const char *name;
        std::string bytes;
    };
    const DocBuilder sound = text_doc(u"kept\r");
    const auto with_main = [&](auto damage) {
        std::string main = sound.main_stream();
        damage(main);
        CompoundFileBuilder file;
        file.add("WordDocument", main);
        file.add("1Table", sound.table_stream());
        return file.bytes();
    };
    const auto with_table = [&](auto damage) {
        std::string table = sound.table_stream();
        damage(table);
        CompoundFileBuilder file;
        file.add("WordDocument", sound.main_stream());
        file.add("1Table", table);
        return file.bytes();
    };
    CompoundFileBuilder no_table;
    no_table.add("WordDocument", sound.main_stream());
    const Case cases[] = {
        {"no table stream", no_table.bytes()},
        {"a header cut short", with_main([](std::string &m) { m.resize(40); })},
        {"pieces beyond the table", with_main([](std::string &m) { put32(m, 154 + 33 * 8, 0x7FFFFFF0); })},
        {"a huge text length", with_main([](std::string &m) { put32(m, 76, 0xFFFFFFF0); })},
        {"pages beyond the stream", with_main([](std::string &m) { m.resize(1024 + 8); })},
        {"a piece beyond the stream", with_table([](std::string &t) { put32(t, t.size() - 6, 0x7FFFFFF0); })},
        {"a piece table with a huge length", with_table([](std::string &t) { put32(t, t.size() - 20, 0xFFFFFF); })},
        {"garbage tables", with_table([](std::string &t) { t.assign(t.size(), '\xFF'); })},
    };
    for (const auto &c : cases) {
        Imported doc(c.bytes, "test.doc");
        if (doc.result() == 0) {
            EXPECT_NE(doc.exported(QRV_OUTPUT_TEXT), "\x01") << c.name;
        } else {
            EXPECT_EQ(doc.result(), uint32_t{IM_ERR_BROKEN}) << c.name << ": " << doc.message();
            EXPECT_EQ(doc.message().find('\n'), std::string::npos) << c.name;
        }
    }
}

TEST(DocDetection, TheContentTellsTheFormat) {
    const DocBuilder b = text_doc(u"found\r");
    Imported doc(b.bytes(), "renamed.bin");
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_EQ(lines_of(doc.text()), "found\n");
}

}  // namespace
}  // namespace qrv::test::doc
