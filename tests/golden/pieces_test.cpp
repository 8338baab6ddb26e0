// The pieces behind the golden pages: CSS of formatting, escaping, text
// grids, the command line and locale files of the tool, and the walk's
// events for small documents.
#include <gtest/gtest.h>
#include <qrvch.h>
#include <qrvfilters.h>

#include "arguments.hpp"
#include "css.hpp"
#include "locale_file.hpp"
#include "results.hpp"
#include "output.hpp"
#include "sheet.hpp"
#include "text_writer.hpp"
#include "walk.hpp"

// Cases name only the fields they set.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

using namespace qrv::filters;

TEST(Css, EachFormattingBecomesItsDeclaration) {
    struct Case {
        TextFormat format;
        const char *css;
    } cases[] = {
        {{}, ""},
        {{.bold = true}, "font-weight:bold"},
        {{.bold = true, .italic = true}, "font-weight:bold;font-style:italic"},
        {{.underline = true, .strike = true}, "text-decoration:underline line-through"},
        {{.superscript = true}, "vertical-align:super;font-size:smaller"},
        {{.font = "Courier New", .size_half_points = 21}, "font-family:'Courier New';font-size:10.5pt"},
        {{.font = "Evil'\";<x>"}, "font-family:'Evilx'"},
    };
    for (const auto &c : cases) EXPECT_EQ(html::css_of(c.format), c.css);
}

TEST(Css, ParagraphLayoutInPoints) {
    struct Case {
        Align align;
        int left, right, first;
        const char *css;
    } cases[] = {
        {Align::Left, 0, 0, 0, ""},
        {Align::Centre, 0, 0, 0, "text-align:center"},
        {Align::Justify, 720, 0, -360, "text-align:justify;margin-left:36pt;text-indent:-18pt"},
        {Align::Right, 0, 30, 0, "text-align:right;margin-right:1.5pt"},
    };
    for (const auto &c : cases) {
        ParaFormat p;
        p.align = c.align;
        p.left_indent_twips = c.left;
        p.right_indent_twips = c.right;
        p.first_indent_twips = c.first;
        EXPECT_EQ(html::css_of(p), c.css);
    }
}

TEST(Css, EscapingAndIds) {
    EXPECT_EQ(html::escape("a<b>&\"c\"\x01"), "a&lt;b&gt;&amp;&quot;c&quot; ");
    EXPECT_EQ(html::id_of("Intro part/2"), "Intro-part-2");
    EXPECT_EQ(html::id_of(""), "-");
}

// A document whose first paragraph is empty: the paragraph still takes its
// line before the next one.
TEST(TextWriter, AnEmptyFirstParagraphStillTakesItsLine) {
    StringSink page;
    Output out(page);
    text::TextWriter w(out);
    w.begin_paragraph({});
    w.end_paragraph();
    w.begin_paragraph({});
    w.text("b", {});
    w.end_paragraph();
    w.finish("", {}, {});
    out.flush();
    EXPECT_EQ(page.bytes, "\n\nb\n");
}

TEST(Arguments, EachOptionLandsInItsField) {
    using qrv::tool::Format;
    struct Case {
        std::vector<std::string> args;
        std::string input, output;
        Format format;
        uint32_t option_word;
    } cases[] = {
        {{}, "", "", Format::Html, 0},
        {{"doc.qrvt", "-o", "out.txt"}, "doc.qrvt", "out.txt", Format::Text, 0},
        {{"-o", "out.txt", "--format", "html"}, "", "out.txt", Format::Html, 0},
        {{"--options", "no-toc,no-notes"}, "", "", Format::Html, QRV_FILTER_NO_TOC | QRV_FILTER_NO_NOTES},
        {{"-f", "text", "-", "--options", "no-progress"}, "-", "", Format::Text, QRV_FILTER_NO_PROGRESS},
    };
    for (const auto &c : cases) {
        qrv::tool::Arguments a;
        std::string error;
        ASSERT_TRUE(qrv::tool::parse_arguments(c.args, a, error)) << error;
        EXPECT_EQ(a.input, c.input);
        EXPECT_EQ(a.output, c.output);
        EXPECT_EQ(a.format, c.format);
        EXPECT_EQ(a.option_word, c.option_word);
    }
}

TEST(LocaleFile, KeysSetTheirFieldsAndMistakesNameTheLine) {
    FUIntlSettings s = qrv::tool::default_settings();
    std::string error;
    ASSERT_TRUE(qrv::tool::apply_locale_text("decimal=,\n# comment\n thousands = . \ncurrency=EUR\norder=dmy\n"
                                             "currency-before=0\ncurrency-space=1\n", s, error)) << error;
    EXPECT_EQ(s.DecimalSeparator, ',');
    EXPECT_EQ(s.ThousandsSeparator, '.');
    EXPECT_STREQ(s.CurrencySymbol, "EUR");
    EXPECT_EQ(s.DateOrder, 1);
    EXPECT_EQ(s.CurrencyPlacement, 0x2);
    for (const char *bad : {"decimal=,,\n", "currency=TOOLONGSYM\n", "order=yyyy\n", "colour=red\n", "decimal\n"}) {
        FUIntlSettings t = qrv::tool::default_settings();
        EXPECT_FALSE(qrv::tool::apply_locale_text(bad, t, error)) << bad;
        EXPECT_EQ(error.rfind("line 1:", 0), 0u) << error;
    }
}

TEST(Results, CodesAreNamedAndUnknownOnesStillShown) {
    EXPECT_EQ(qrv::tool::describe_result(37), "code 37 (not found, a null record, or a refused operation)");
    EXPECT_EQ(qrv::tool::describe_result(21), "code 21 (the export was cancelled)");
    EXPECT_NE(qrv::tool::describe_result(123456).find("code 123456"), std::string::npos);
}

// Writes every event as a short line, to compare walks as text.
class Recorder final : public Writer {
public:
    std::string log;
    void begin_paragraph(const ParaFormat &p) override {
        static const char *kinds[] = {"p", "title", "h", "li"};
        log += std::string("[") + kinds[static_cast<int>(p.kind)];
        if (p.heading_level) log += std::to_string(p.heading_level);
        if (!p.marker.empty()) log += " " + p.marker;
        log += "]";
    }
    void text(std::string_view t, const TextFormat &f) override { log += f.bold ? "*" + std::string(t) + "*" : std::string(t); }
    void line_break() override { log += "|"; }
    void end_paragraph() override { log += "\n"; }
    void note_reference(unsigned n) override { log += "^" + std::to_string(n); }
    void bookmark(std::string_view name) override { log += "#" + std::string(name); }
    void begin_table(unsigned) override { log += "{"; }
    void begin_row() override { log += "("; }
    void begin_cell(const CellFormat &c) override { log += c.column_span > 1 ? "<" + std::to_string(c.column_span) : "<"; }
    void end_cell() override { log += ">"; }
    void end_row() override { log += ")"; }
    void end_table() override { log += "}\n"; }
    void begin_sheet(const SheetInfo &s) override { log += "sheet" + std::to_string(s.columns.size()) + ":"; }
    void sheet_row_begin(const SheetRow &) override { log += "("; }
    void sheet_cell(const SheetCell &c) override { log += "<" + c.text + ">"; }
    void sheet_row_end() override { log += ")"; }
    void end_sheet() override { log += "\n"; }
    void finish(std::string_view title, const std::vector<OutlineEntry> &outline,
                const std::vector<Note> &notes) override {
        log += "title=" + std::string(title);
        for (const auto &e : outline) log += " toc" + std::to_string(e.level) + "=" + e.text;
        for (const auto &n : notes) log += " note" + std::to_string(n.number) + "=" + n.text;
    }
};

std::string walk_text(const std::string &document) {
    CHHandle h = 0;
    char error[200] = {};
    if (CHLoadDocumentText(document.data(), document.size(), &h, error, sizeof error) != 0) return error;
    Recorder recorder;
    WalkOptions options;
    options.progress = false;
    uint32_t rc = walk_document(h, 0, 0, options, recorder);
    CHCloseDocument(h);
    return rc ? "code " + std::to_string(rc) : recorder.log;
}

TEST(Walk, EventsForSmallDocuments) {
    const std::string heading =
        "@n: string \"Heading 2\"\n@r: style-record kind=1 name=@n parent=-1\n"
        "begin STYLE_DEFINITION 0 @r key=7\nend\n";
    struct Case {
        const char *name;
        std::string document;
        std::string events;
    } cases[] = {
        {"paragraphs and a line break", "section kind=0\ntext \"a\"\nbreak LINE\ntext \"b\"\nbreak PARAGRAPH\ntext \"c\"\n",
         "[p]a|b\n[p]c\ntitle="},
        {"bold run", "section kind=0\nCHAR_ATTR 2 1\ntext \"x\"\nCHAR_ATTR 2 0\ntext \"y\"\n", "[p]*x*y\ntitle="},
        {"heading from its style name", heading + "section kind=0\nSTYLE 0 7\ntext \"Top\"\nbreak PARAGRAPH\ntext \"body\"\n",
         "[h2]Top\n[p]body\ntitle= toc2=Top"},
        {"outline level item", "section kind=0\nOUTLINE_LEVEL 0\ntext \"H\"\nbreak PARAGRAPH\n", "[h1]H\ntitle= toc1=H"},
        {"note and bookmark",
         "section kind=0\nbegin 0x20410000\ntext \"here\"\nend\ntext \"t\"\nbegin 0x20400000\ntext \"n1\"\nend\nbreak PARAGRAPH\n",
         "[p]#heret^1\ntitle= note1=n1"},
        {"empty table cell and nested table",
         "section kind=0\ntable-begin\nbreak CELL\ntable-begin\ntext \"in\"\nbreak CELL\nbreak ROW\ntable-end\nbreak CELL\nbreak ROW\ntable-end\n",
         "{(<><{(<[p]in\n>)}\n>)}\ntitle="},
        {"no sections at all", "text \"loose\"\n", "[p]loose\ntitle="},
    };
    for (const auto &c : cases) EXPECT_EQ(walk_text(c.document), c.events) << c.name;
}

}  // namespace
