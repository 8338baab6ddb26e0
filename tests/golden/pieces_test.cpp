// The pieces behind the golden pages: CSS of formatting, escaping, text
// grids, the command line and locale files of the tool, and the walk's
// events for small documents.
#include <gtest/gtest.h>
#include <qrvch.h>
#include <qrvfilters.h>

#include <set>
#include <sstream>

#include "arguments.hpp"
#include "css.hpp"
#include "locale_file.hpp"
#include "results.hpp"
#include "output.hpp"
#include "output_formats.hpp"
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

// Plays events written as tokens between '|': p, h<level>:<marker>,
// t:<marker>, l<level>:<marker> begin paragraphs and /p ends them; 'text
// and ~hidden text, b a line break, n<number> a note; T R C and /T /R /C a
// table's parts; S:<name> a sheet, r and /r its rows, g<first>-<last> a
// row standing for empty rows, c:<text> and #:<number> its cells (c2:
// spans two columns), /S its end.
std::string text_of(const std::string &script) {
    StringSink page;
    Output out(page);
    text::TextWriter w(out);
    for (size_t at = 0; at < script.size();) {
        size_t end = std::min(script.find('|', at), script.size());
        const std::string t = script.substr(at, end - at);
        const std::string rest = t.find(':') == std::string::npos ? "" : t.substr(t.find(':') + 1);
        at = end + 1;
        ParaFormat para;
        para.marker = rest;
        SheetCell cell;
        cell.text = rest;
        switch (t[0]) {
        case 'p': w.begin_paragraph({}); break;
        case 'h': para.kind = ParaKind::Heading, para.heading_level = t[1] - '0', w.begin_paragraph(para); break;
        case 't': para.kind = ParaKind::Title, w.begin_paragraph(para); break;
        case 'l': para.kind = ParaKind::ListItem, para.list_level = t[1] - '0', w.begin_paragraph(para); break;
        case '\'': w.text(t.substr(1), {}); break;
        case '~': w.text(t.substr(1), {.hidden = true}); break;
        case 'b': w.line_break(); break;
        case 'n': w.note_reference(static_cast<unsigned>(std::stoul(t.substr(1)))); break;
        case 'T': w.begin_table(2); break;
        case 'R': w.begin_row(); break;
        case 'C': w.begin_cell({}); break;
        case 'S': w.begin_sheet({.name = rest}); break;
        case 'r': w.sheet_row_begin({}); break;
        case 'g':
            w.sheet_row_begin({static_cast<uint32_t>(std::stoul(t.substr(1)) - 1),
                               static_cast<uint32_t>(std::stoul(t.substr(t.find('-') + 1)) - 1), false, true});
            break;
        case 'c':
        case '#':
            cell.numeric = t[0] == '#';
            if (t[1] != ':') cell.column_span = t[1] - '0';
            w.sheet_cell(cell);
            break;
        case '/':
            switch (t[1]) {
            case 'p': w.end_paragraph(); break;
            case 'C': w.end_cell(); break;
            case 'R': w.end_row(); break;
            case 'T': w.end_table(); break;
            case 'r': w.sheet_row_end(); break;
            case 'S': w.end_sheet(); break;
            }
            break;
        }
    }
    w.finish("", {}, {});
    out.flush();
    return page.bytes;
}

// Blocks on the page are separated by an empty line, inside a table's cell
// by a space; a top-level table is a line a row with its cells in aligned
// columns, a nested one words inside its cell; a sheet's lines wait for its
// widest cells, which a line standing for empty rows does not widen.
TEST(TextWriter, EventsBecomeLinesAsTheyCome) {
    struct Case {
        const char *script;
        const char *text;
    } cases[] = {
        {"p|'a|/p|p|/p|p|'b|/p", "a\n\n\nb\n"},
        {"p|/p|p|'b|/p", "\n\nb\n"},
        {"h1:1.|'Intro|/p|l1:\xE2\x80\xA2|'one|/p|l3:a)|'deep|/p|t:|'Title|/p|p|'x|b|'y|/p",
         "1. Intro\n\n\xE2\x80\xA2 one\n\n    a) deep\n\nTitle\n\nx\ny\n"},
        {"p|'before|/p|T|R|C|p|'a|/p|/C|C|/C|/R|R|/R|R|C|p|'c|/p|p|'d|/p|/C|/R|/T|p|'after|/p",
         "before\n\na\n\nc d\n\nafter\n"},
        {"T|R|C|p|'x|/p|T|R|C|p|'in|/p|/C|C|p|'2|/p|/C|/R|R|C|/C|/R|/T|p|'y|/p|/C|/R|/T", "x in 2 y\n"},
        {"T|/T|T|R|C|/C|/R|/T", "\n\n\n"},
        {"T|R|C|l3:\xE2\x80\xA2|'item|b|'more|/p|/C|C|T|/T|/C|/R|/T", "\xE2\x80\xA2 item more\n"},
        {"p|'t|/p|S:Sales|r|c:Item|#:Amount|/r|g2-9|/r|r|c2:Merged|/r|r|c:Tea|#:1,234.50|/r|/S|p|'end|/p",
         "t\n\nSales\n-----\n\nItem |   Amount\n(rows 2 to 9 empty)\nMerged\n"
         "Tea  | 1,234.50\n\nend\n"},
        {"p|'a|~secret|n7|'b|/p", "a[7]b\n"},
        {"S:|/S|p|'z|/p", "\n\nz\n"},
        {"p|'a|b|/p|p|'b|/p", "a\n\nb\n"},
    };
    for (const auto &c : cases) EXPECT_EQ(text_of(c.script), c.text) << c.script;
}

TEST(Arguments, EachOptionLandsInItsField) {
    struct Case {
        std::vector<std::string> args;
        std::string input, output;
        std::string format;
        uint32_t option_word;
    } cases[] = {
        {{}, "", "", "html", 0},
        {{"doc.qrvt", "-o", "out.txt"}, "doc.qrvt", "out.txt", "text", 0},
        {{"-o", "out.txt", "--format", "html"}, "", "out.txt", "html", 0},
        {{"--options", "no-toc,no-notes"}, "", "", "html", QRV_FILTER_NO_TOC | QRV_FILTER_NO_NOTES},
        {{"-f", "text", "-", "--options", "no-progress"}, "-", "", "text", QRV_FILTER_NO_PROGRESS},
        {{"-o", "page.HTM"}, "", "page.HTM", "html", 0},
        {{"-o", "doc.qrvt"}, "", "doc.qrvt", "items", 0},
        {{"-o", "-"}, "", "-", "html", 0},
        {{"-o", "/dev/null"}, "", "/dev/null", "html", 0},
        {{"-o", "notes.md", "--format", "text"}, "", "notes.md", "text", 0},
        {{"-o", "notes.md"}, "", "notes.md", "markdown", 0},
        {{"-o", "notes.MARKDOWN"}, "", "notes.MARKDOWN", "markdown", 0},
    };
    for (const auto &c : cases) {
        qrv::tool::Arguments a;
        std::string error;
        ASSERT_TRUE(qrv::tool::parse_arguments(c.args, a, error)) << error;
        EXPECT_EQ(a.input, c.input);
        EXPECT_EQ(a.output, c.output);
        EXPECT_EQ(a.format->name, c.format);
        EXPECT_EQ(a.option_word, c.option_word);
    }
}

// The table of outputs: names and extensions lead back to their format,
// each written by a filter of its own or as the items, never two alike.
TEST(OutputFormats, NamesAndExtensionsLeadBackToTheirFormat) {
    using namespace qrv::filters;
    std::set<std::string_view> names;
    std::set<std::string> extensions;
    std::set<uint32_t> filters;
    for (const OutputFormat &f : output_formats()) {
        EXPECT_TRUE(names.insert(f.name).second) << f.name;
        EXPECT_EQ(output_named(f.name), &f);
        EXPECT_FALSE(f.mime_type.empty()) << f.name;
        EXPECT_EQ(f.writes_items(), f.writer.register_filter == nullptr) << f.name;
        EXPECT_TRUE(f.writes_items() || filters.insert(f.writer.filter_output).second) << f.name;
        std::istringstream words{std::string(f.extensions)};
        for (std::string ext; words >> ext;) {
            EXPECT_TRUE(extensions.insert(ext).second) << ext;
            EXPECT_EQ(output_for_path("dir.d/file." + ext), &f) << ext;
        }
        EXPECT_EQ(output_for_path("file." + std::string(f.main_extension())), &f);
    }
    EXPECT_EQ(&default_output(), &output_formats()[0]);
    EXPECT_EQ(output_for_path("dir.d/file"), &default_output());
    EXPECT_EQ(output_for_path("file.pdf"), nullptr);
    EXPECT_EQ(output_named("HTML"), output_named("html"));
    EXPECT_EQ(output_named("pdf"), nullptr);
}

TEST(Arguments, AnOutputExtensionNoFormatWritesIsRefusedWithTheChoices) {
    struct Case {
        std::vector<std::string> args;
        const char *error;
    } cases[] = {
        {{"-o", "notes.rst"},
         "cannot tell the output format of 'notes.rst' from its extension (use .html .htm "
         "(html), .txt (text), .md .markdown (markdown), .csv (csv), .json (json), .qrvt (items), or give --format)"},
        {{"-o", "book.xlsx"},
         "cannot tell the output format of 'book.xlsx' from its extension (use .html .htm "
         "(html), .txt (text), .md .markdown (markdown), .csv (csv), .json (json), .qrvt (items), or give --format)"},
        {{"--format", "md"}, "unknown format 'md' (use html, text, markdown, csv, json or items)"},
    };
    for (const auto &c : cases) {
        qrv::tool::Arguments a;
        std::string error;
        EXPECT_FALSE(qrv::tool::parse_arguments(c.args, a, error));
        EXPECT_EQ(error, c.error);
    }
}

TEST(LocaleFile, KeysSetTheirFieldsAndMistakesNameTheLine) {
    FUIntlSettings s = qrv::convert::default_settings();
    std::string error;
    ASSERT_TRUE(
        qrv::convert::apply_locale_text("decimal=,\n# comment\n thousands = . \ncurrency=EUR\norder=dmy\n"
                                     "currency-before=0\ncurrency-space=1\n",
                                     s, error))
        << error;
    EXPECT_EQ(s.DecimalSeparator, ',');
    EXPECT_EQ(s.ThousandsSeparator, '.');
    EXPECT_STREQ(s.CurrencySymbol, "EUR");
    EXPECT_EQ(s.DateOrder, 1);
    EXPECT_EQ(s.CurrencyPlacement, 0x2);
    for (const char *bad : {"decimal=,,\n", "currency=TOOLONGSYM\n", "order=yyyy\n", "colour=red\n", "decimal\n"}) {
        FUIntlSettings t = qrv::convert::default_settings();
        EXPECT_FALSE(qrv::convert::apply_locale_text(bad, t, error)) << bad;
        EXPECT_EQ(error.rfind("line 1:", 0), 0u) << error;
    }
}

TEST(Results, CodesAreNamedAndUnknownOnesStillShown) {
    EXPECT_EQ(qrv::convert::describe_result(37), "code 37 (not found, a null record, or a refused operation)");
    EXPECT_EQ(qrv::convert::describe_result(21), "code 21 (the export was cancelled)");
    EXPECT_NE(qrv::convert::describe_result(123456).find("code 123456"), std::string::npos);
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
    void text(std::string_view t, const TextFormat &f) override {
        log += f.bold ? "*" + std::string(t) + "*" : std::string(t);
    }
    void line_break() override { log += "|"; }
    void end_paragraph() override { log += "\n"; }
    void note_reference(unsigned n) override { log += "^" + std::to_string(n); }
    void bookmark(std::string_view name) override { log += "#" + std::string(name); }
    void begin_table(unsigned) override { log += "{"; }
    void begin_row() override { log += "("; }
    void begin_cell(const CellFormat &c) override {
        log += c.column_span > 1 ? "<" + std::to_string(c.column_span) : "<";
    }
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
        {"paragraphs and a line break",
         "section kind=0\ntext \"a\"\nbreak LINE\ntext \"b\"\nbreak PARAGRAPH\ntext \"c\"\n", "[p]a|b\n[p]c\ntitle="},
        {"bold run", "section kind=0\nCHAR_ATTR 2 1\ntext \"x\"\nCHAR_ATTR 2 0\ntext \"y\"\n", "[p]*x*y\ntitle="},
        {"heading from its style name",
         heading + "section kind=0\nSTYLE 0 7\ntext \"Top\"\nbreak PARAGRAPH\ntext \"body\"\n",
         "[h2]Top\n[p]body\ntitle= toc2=Top"},
        {"outline level item", "section kind=0\nOUTLINE_LEVEL 0\ntext \"H\"\nbreak PARAGRAPH\n",
         "[h1]H\ntitle= toc1=H"},
        {"note and bookmark",
         "section kind=0\nbegin 0x20410000\ntext \"here\"\nend\ntext \"t\"\nbegin 0x20400000\ntext \"n1\"\nend\nbreak "
         "PARAGRAPH\n",
         "[p]#heret^1\ntitle= note1=n1"},
        {"empty table cell and nested table",
         "section kind=0\ntable-begin\nbreak CELL\ntable-begin\ntext \"in\"\nbreak CELL\nbreak ROW\ntable-end\nbreak "
         "CELL\nbreak ROW\ntable-end\n",
         "{(<><{(<[p]in\n>)}\n>)}\ntitle="},
        {"no sections at all", "text \"loose\"\n", "[p]loose\ntitle="},
    };
    for (const auto &c : cases) EXPECT_EQ(walk_text(c.document), c.events) << c.name;
}

}  // namespace
