// The format-neutral text document layer that every word-processing
// importer writes through: style resolution, the order of a paragraph's
// items, text boxes and recordings, and the parsing helpers DOCX adds.
#include <gtest/gtest.h>

#include <qrvmodel/conventions.hpp>

#include "writer/diagnostics.hpp"
#include "fields/field_stack.hpp"
#include "textdoc/item_writer.hpp"
#include "textdoc/recording.hpp"
#include "textdoc/symbol_fonts.hpp"

namespace qrv::import::textdoc {
namespace {

StyleDefinition style(std::string key, std::string parent, CharFormat chars = {}) {
    StyleDefinition s;
    s.key = s.name = std::move(key);
    s.parent = std::move(parent);
    s.chars = std::move(chars);
    return s;
}

CharFormat bold() {
    CharFormat f;
    f.bold = true;
    return f;
}

TEST(TextDocumentLayer, StylesResolveAlongTheirChains) {
    TextDocument doc;
    CharFormat big;
    big.size = 40;
    doc.add_style(style("child", "parent", big));
    doc.add_style(style("parent", "root"));
    doc.add_style(style("root", "", bold()));
    doc.add_style(style("loop1", "loop2"));
    doc.add_style(style("loop2", "loop1", bold()));
    StyleDefinition table = style("grid", "");
    table.kind = StyleKind::Table;
    doc.add_style(table);
    doc.add_style(style("on table", "grid", big));
    Diagnostics diagnostics;
    doc.resolve(diagnostics);

    const ResolvedStyle *child = doc.style("child");
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->chars.bold, true);
    EXPECT_EQ(child->chars.size, 40u);
    EXPECT_EQ(child->parent, doc.style("parent")->number);
    EXPECT_EQ(doc.style("root")->parent, ResolvedStyle::kNoParent);
    // The cycle is cut once: one of the two is based on the other.
    const ResolvedStyle *a = doc.style("loop1"), *b = doc.style("loop2");
    EXPECT_TRUE((a->parent == b->number) != (b->parent == a->number));
    EXPECT_NE(diagnostics.report().find("based on it in turn"), std::string::npos);
    // Table styles are not written; a style on one has no parent.
    EXPECT_EQ(doc.style("grid")->number, 0u);
    EXPECT_EQ(doc.style("on table")->parent, ResolvedStyle::kNoParent);
    // Written styles are numbered from 1 in the order they came.
    std::vector<uint32_t> numbers;
    for (const ResolvedStyle *s : doc.written_styles()) numbers.push_back(s->number);
    EXPECT_EQ(numbers, (std::vector<uint32_t>{1, 2, 3, 4, 5, 6}));
}

TEST(TextDocumentLayer, ListsShareCountersByName) {
    TextDocument doc;
    doc.add_list("a", {{ListLevel{}}, "shared"});
    doc.add_list("b", {{ListLevel{}}, "shared"});
    doc.add_list("c", {{ListLevel{}}, ""});
    doc.add_list("d", {{}, ""});
    Diagnostics diagnostics;
    doc.resolve(diagnostics);
    EXPECT_EQ(doc.list("a")->counter, doc.list("b")->counter);
    EXPECT_NE(doc.list("a")->counter, doc.list("c")->counter);
    EXPECT_NE(doc.list("c")->counter, doc.list("d")->counter);
    EXPECT_EQ(doc.list("d")->definition.levels.size(), 1u);  // a list has a level at least
}

// Item types of the body (after the definitions and the first section).
std::vector<uint32_t> body_types(CHHandle h) {
    std::vector<uint32_t> types;
    CHSectionInfo section{};
    if (CHGetSectionInfo(h, CH_STORE_SECTIONS, 0, &section) != 0) return types;
    for (uint32_t id = section.FirstItemId; id != CH_NO_ITEM;) {
        CHItem item{};
        uint32_t next = CH_NO_ITEM;
        if (CHGetItem(h, CH_STORE_ITEMS, id, &item, &next) != 0) break;
        types.push_back(item.type);
        id = next;
    }
    return types;
}

// A document written from events by the layer.
struct Written {
    TextDocument doc;
    Diagnostics diagnostics;
    Limits limits;
    DocumentWriter out{limits};

    template <typename Events>
    std::vector<uint32_t> write(Events events) {
        doc.resolve(diagnostics);
        ItemWriter writer(out, doc, diagnostics);
        writer.begin();
        events(writer);
        writer.finish();
        return body_types(out.handle());
    }
};

TEST(ItemWriterLayer, AParagraphsItemsComeInOrder) {
    Written w;
    StyleDefinition heading = style("h", "");
    w.doc.add_style(heading);
    w.doc.add_list("n", {{ListLevel{}}, ""});
    const auto types = w.write([](TextSink &sink) {
        sink.bookmark("early");  // between paragraphs: it waits for the next paragraph
        ParagraphStart start;
        start.style = "h";
        start.direct.page_break_before = true;
        start.direct.align = Align::Centre;
        start.direct.tabs = {TabStop{TabKind::Right, TabLeader::Dot, 9000}};
        start.list.list = "n";
        sink.begin_paragraph(start);
        RunStart run;
        run.direct = bold();
        sink.run(run);
        sink.text("Hi");
        sink.end_paragraph();
    });
    EXPECT_EQ(types, (std::vector<uint32_t>{CH_ITEM_BREAK, CH_ITEM_STYLE, CH_ITEM_STYLE, CH_ITEM_LIST_ITEM,
                                            CH_ITEM_ATTR_12, CH_ITEM_ATTR_103, CH_ITEM_TAB_MOD_BEGIN, CH_ITEM_TAB_STOP,
                                            CH_ITEM_TAB_MOD_END, CH_ITEM_TAG_BEGIN, CH_ITEM_TEXT, CH_ITEM_TAG_END,
                                            CH_ITEM_CHAR_ATTR, CH_ITEM_TEXT, CH_ITEM_BREAK}));
}

// Text boxes nested a thousand deep come out one after another, each after
// the paragraph that holds it, without the stack growing.
TEST(ItemWriterLayer, TextBoxesFollowTheirParagraphsHoweverDeep) {
    Recording box;
    for (int depth = 0; depth < 1000; ++depth) {
        Recording outer;
        outer.begin_paragraph({});
        outer.text("level");
        outer.frame(box);
        outer.end_paragraph();
        box = std::move(outer);
    }
    Written w;
    const auto types = w.write([&](TextSink &sink) {
        sink.begin_paragraph({});
        sink.text("anchor");
        sink.frame(box);
        sink.text(" here");
        sink.end_paragraph();
    });
    size_t paragraphs = 0;
    for (uint32_t t : types) paragraphs += t == CH_ITEM_BREAK;
    EXPECT_EQ(paragraphs, 1001u);
    EXPECT_EQ(types[1], CH_ITEM_TEXT);  // " here" stays in the anchor's paragraph
}

// Events replayed from a recording give the items the events give (pieces
// of text in a row come back as one).
TEST(RecordingLayer, ReplayGivesWhatTheEventsGive) {
    auto events = [](TextSink &sink) {
        sink.begin_paragraph({});
        sink.run({});
        sink.text("ab");
        sink.line_break();
        sink.begin_link("#x");
        sink.text("c");
        sink.end_link();
        sink.object({ObjectKind::Picture, "d", "Picture 1", "image1.png", 120, 80});
        sink.end_paragraph();
        sink.begin_table({{100, 200}});
        sink.begin_row({});
        CellStart merged;
        merged.merge = VerticalMerge::Restart;
        sink.begin_cell(merged);
        sink.end_cell();
        sink.end_row();
        sink.begin_row({});
        CellStart covered;
        covered.merge = VerticalMerge::Covered;
        sink.begin_cell(covered);
        sink.begin_paragraph({});
        sink.text("dropped");
        sink.end_paragraph();
        sink.end_cell();
        sink.end_row();
        sink.end_table();
        sink.end_section();
        sink.page_break();
    };
    Written direct, replayed;
    const auto expected = direct.write(events);
    Recording recording;
    events(recording);
    EXPECT_EQ(replayed.write([&](TextSink &sink) { recording.replay(sink); }), expected);
    char *a = nullptr, *b = nullptr;
    size_t la = 0, lb = 0;
    ASSERT_EQ(CHDumpDocumentText(direct.out.handle(), &a, &la), 0u);
    ASSERT_EQ(CHDumpDocumentText(replayed.out.handle(), &b, &lb), 0u);
    EXPECT_EQ(std::string(a, la), std::string(b, lb));
    EXPECT_EQ(std::string(a, la).find("dropped"), std::string::npos);
    CHFreeText(a);
    CHFreeText(b);
}

TEST(DocxFields, HyperlinkTargets) {
    struct Case {
        const char *instruction;
        std::optional<std::string> target;
    } cases[] = {
        {" HYPERLINK \"http://a.org/\" ", "http://a.org/"},
        {"HYPERLINK \\l \"_Toc12\"", "#_Toc12"},
        {"hyperlink \"http://a.org/x\" \\l \"part\" \\o \"a tip\"", "http://a.org/x#part"},
        {"HYPERLINK http://bare.org", "http://bare.org"},
        {"HYPERLINK \\o \"only a tip\"", std::nullopt},
        {"PAGEREF _Toc12 \\h", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto &c : cases) EXPECT_EQ(fields::hyperlink_target(c.instruction), c.target) << c.instruction;
}

TEST(SymbolFonts, CodesShowAsTheCharactersTheyDraw) {
    struct Case {
        const char *font;
        char32_t code, shown;
    } cases[] = {
        {"Symbol", 0xF0B7, U'\u2022'},    {"symbol", 0xB7, U'\u2022'},      {"Symbol", 0x61, U'\u03B1'},
        {"Wingdings", 0xF0A7, U'\u25AA'}, {"Wingdings", 0xF0FC, U'\u2714'}, {"Wingdings", 0x21, U'\uFFFD'},
        {"Arial", 0xF0B7, 0xF0B7},        {"Symbol", 0x263A, 0x263A},
    };
    for (const auto &c : cases)
        EXPECT_EQ(uint32_t(unicode_of_symbol(c.font, c.code)), uint32_t(c.shown)) << c.font << " " << uint32_t(c.code);
}

}  // namespace
}  // namespace qrv::import::textdoc
