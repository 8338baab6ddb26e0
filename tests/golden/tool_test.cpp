// The command line of qrvex-export, its error lines, and documents that are
// broken in the ways real input breaks: each gives one clear error line or a
// best-effort page, never a crash (the Debug build runs them under ASan).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "run_tool.hpp"

namespace {

using qrv::testing::read_all;
using qrv::testing::run_tool;
using qrv::testing::sample_path;
using qrv::testing::sanitizer_spoke;
using qrv::testing::scratch_path;
using qrv::testing::write_all;

size_t lines_of(const std::string &text) {
    size_t n = 0;
    for (char c : text) n += c == '\n';
    return n;
}

TEST(Tool, CommandLineMistakesGiveStatus2AndOneHint) {
    struct Case {
        const char *arguments;
        const char *message;
    } cases[] = {
        {"--format pdf", "unknown format 'pdf'"},
        {"--bogus", "unknown option '--bogus'"},
        {"-o", "option -o needs a value"},
        {"a.qrvt b.qrvt", "more than one input document"},
        {"--options no-toc,colour", "unknown option word 'colour'"},
        {"/nonexistent/doc.qrvt", "/nonexistent/doc.qrvt: cannot read the file"},
        {"--locale /nonexistent/locale", "cannot read the locale file"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments);
        auto run = run_tool(c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

TEST(Tool, HelpNamesEveryOption) {
    auto run = run_tool("--help");
    ASSERT_EQ(run.status, 0);
    for (const char *option : {"--output", "--format", "--locale", "--options", "--quiet"})
        EXPECT_NE(run.out.find(option), std::string::npos) << option;
}

// Both tables, one line a format: each read format with its extensions,
// those only recognised marked, each written format with its MIME type.
TEST(Tool, ListFormatsShowsWhatIsReadAndWritten) {
    auto run = run_tool("--list-formats");
    ASSERT_EQ(run.status, 0) << run.err;
    const size_t written = run.out.find("Formats written");
    ASSERT_NE(written, std::string::npos) << run.out;
    const std::string inputs = run.out.substr(0, written), outputs = run.out.substr(written);
    struct Line {
        const std::string *part;
        std::vector<const char *> words;
    } lines[] = {
        {&inputs, {"xlsx", ".xlsx .xlsm", "an Office Open XML workbook"}},
        {&inputs, {"ods", ".ods .fods", "an OpenDocument spreadsheet"}},
        {&inputs, {"csv", ".csv", "separated values"}},
        {&inputs, {"text", ".qrvt", "text format"}},
        {&inputs, {"pptx", ".pptx .pptm", "a PowerPoint presentation"}},
        {&inputs, {"odp", ".odp .fodp", "an OpenDocument presentation"}},
        {&inputs, {"xls", ".xls", "an Excel 97-2003 workbook"}},
        {&inputs, {"rtf", ".rtf", "a Rich Text Format document"}},
        {&inputs, {"doc", ".doc .dot", "a Word 97-2003 document"}},
        {&inputs, {"xlsb", ".xlsb", "an Excel binary workbook"}},
        {&outputs, {"html", ".html .htm", "text/html"}},
        {&outputs, {"text", ".txt", "text/plain"}},
        {&outputs, {"markdown", ".md .markdown", "text/markdown"}},
        {&outputs, {"items", ".qrvt"}},
    };
    for (const auto &l : lines) {
        const size_t at = l.part->find(std::string("  ") + l.words[0] + " ");
        ASSERT_NE(at, std::string::npos) << l.words[0] << "\n" << *l.part;
        const std::string line = l.part->substr(at, l.part->find('\n', at) - at);
        for (const char *w : l.words) EXPECT_NE(line.find(w), std::string::npos) << w << " in: " << line;
    }
    for (const char *read : {"xlsx", "pptx", "rtf", "doc"})
        EXPECT_EQ(inputs.find(std::string(read) + " (recognised"), std::string::npos) << read;
}

TEST(Tool, OutputFileAndItsNameChooseTheFormat) {
    struct Case {
        const char *file;
        const char *extra;
        const char *starts_with;
    } cases[] = {
        {"page.html", "", "<!DOCTYPE html>"},
        {"page.txt", "", "Quarterly Report"},
        {"page.txt", "--format html", "<!DOCTYPE html>"},
        {"page.md", "", "# Quarterly Report\n"},
        {"page.markdown", "", "# Quarterly Report\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.file) + " " + c.extra);
        std::string path = scratch_path(c.file);
        auto run = run_tool("--quiet -o '" + path + "' " + c.extra);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(read_all(path).rfind(c.starts_with, 0), 0u);
        std::remove(path.c_str());
    }
}

TEST(Tool, OptionWordsLeaveOutContentsAndNotes) {
    auto full = run_tool("--quiet --toc");
    auto bare = run_tool("--quiet --toc --options no-toc,no-notes");
    ASSERT_EQ(full.status, 0);
    ASSERT_EQ(bare.status, 0);
    EXPECT_NE(full.out.find("class=\"contents\""), std::string::npos);
    EXPECT_NE(full.out.find("class=\"notes\""), std::string::npos);
    EXPECT_EQ(bare.out.find("class=\"contents\""), std::string::npos);
    EXPECT_EQ(bare.out.find("class=\"notes\""), std::string::npos);
}

TEST(Tool, LocaleFileChangesSeparatorsAndCurrency) {
    std::string locale = scratch_path("locale");
    write_all(locale,
              "# German conventions\ndecimal=,\nthousands=.\ncurrency=EUR\ncurrency-before=0\ncurrency-space=1\n");
    auto run = run_tool("--quiet --format text --locale '" + locale + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("987.654,32"), std::string::npos) << run.out;
    write_all(locale, "decimal=\n");
    auto bad = run_tool("--quiet --locale '" + locale + "'");
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("line 1"), std::string::npos) << bad.err;
    std::remove(locale.c_str());
}

// Documents that are whole but end in a way the walk must finish cleanly:
// a page, no warning, and every heading in the contents.
TEST(Tool, DocumentsEndingInAHeadingExportWithoutWarnings) {
    const struct {
        const char *name;
        const char *document;
    } cases[] = {
        {"heading ended by its break",
         "section kind=0\ntext \"body\"\nbreak PARAGRAPH\nOUTLINE_LEVEL 0\n"
         "text \"Last\"\nbreak PARAGRAPH\n"},
        {"heading without its break",
         "section kind=0\ntext \"body\"\nbreak PARAGRAPH\nOUTLINE_LEVEL 1\n"
         "text \"Last\"\n"},
        {"heading under a heading",
         "section kind=0\nOUTLINE_LEVEL 0\ntext \"First\"\nbreak PARAGRAPH\n"
         "OUTLINE_LEVEL 1\ntext \"Last\"\nbreak PARAGRAPH\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = scratch_path("ends-in-heading.qrvt");
        write_all(path, c.document);
        auto run = run_tool("'" + path + "' --format html --toc");
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        const size_t contents = run.out.find("<nav class=\"contents\">");
        EXPECT_NE(contents, std::string::npos) << run.out;
        EXPECT_NE(run.out.find("\">Last</a></li>", contents), std::string::npos) << run.out;
        std::remove(path.c_str());
    }
}

// The contents list the first 10,000 headings of a longer document; every
// heading is still written as a heading.
TEST(Tool, ContentsStopAtTheirBound) {
    std::string document = "section kind=0\n";
    for (int i = 0; i < 10002; ++i) document += "OUTLINE_LEVEL 0\ntext \"H" + std::to_string(i) + "\"\nbreak PARAGRAPH\n";
    const std::string path = scratch_path("many-headings.qrvt");
    write_all(path, document);
    auto run = run_tool("'" + path + "' --quiet --format html --toc");
    ASSERT_EQ(run.status, 0) << run.err;
    const size_t contents = run.out.find("<nav class=\"contents\">");
    ASSERT_NE(contents, std::string::npos);
    const std::string nav = run.out.substr(contents, run.out.find("</nav>", contents) - contents);
    EXPECT_NE(nav.find(">H9999</a>"), std::string::npos);
    EXPECT_EQ(nav.find(">H10000</a>"), std::string::npos);
    EXPECT_NE(run.out.find(">H10001</h1>"), std::string::npos);
    std::remove(path.c_str());
}

// An export that fails leaves the older output as it was, and a full disk
// is one error line naming the output and the reason (the device named as
// the output stays).
TEST(Tool, AFailedOutputIsOneLineAndLeavesTheOlderFile) {
    const std::string empty = scratch_path("empty.qrvt");
    write_all(empty, "");
    const std::string out = scratch_path("failed.html");
    struct Case {
        std::string arguments;
        const char *message;
    } cases[] = {
        {"'" + empty + "' -o '" + out + "'", "export failed (run)"},
#ifdef __linux__
        {"--format html -o /dev/full", "/dev/full: cannot write the output: No space left on device"},
        {"--format text -o /dev/full", "/dev/full: cannot write the output: No space left on device"},
#endif
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments);
        write_all(out, "an older page");
        auto run = run_tool(c.arguments);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(lines_of(run.err), 1u) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(read_all(out), "an older page");
    }
#ifdef __linux__
    EXPECT_TRUE(std::filesystem::exists("/dev/full"));
#endif
    std::remove(out.c_str());
    std::remove(empty.c_str());
}

// Broken documents, each built from the sample or written out whole.
std::string truncated_sample() {
    std::string text = read_all(sample_path("report.qrvt"));
    return text.substr(0, text.find("STYLE 0 4"));  // cut before the table, inside a list
}

std::string cut_mid_line() {
    std::string text = read_all(sample_path("report.qrvt"));
    size_t at = text.find("text \"Sales grew");
    return text.substr(0, at + 12);  // a string left open
}

TEST(Tool, BrokenDocumentsGiveAnErrorLineOrAPage) {
    struct Case {
        const char *name;
        std::string document;
        bool page_expected;  // false: one error line
    } cases[] = {
        {"truncated", truncated_sample(), true},
        {"cut inside a line", cut_mid_line(), false},
        {"unknown item type",
         "section kind=0\ntext \"before\"\nitem 999 7 7 7\nitem 4000 1 2 3\ntext \"after\"\nbreak PARAGRAPH\n", true},
        {"tag list pointing nowhere",
         "record 16 0x7fff0000 0xa008001c 5\nrecord 16 0x7fff0004 0xa0100000 77\nsection kind=0\nSTYLE 0 5\n"
         "text \"styled\"\nbreak PARAGRAPH\n",
         true},
        {"unended table and tags",
         "section kind=0\ntable-begin\ntext \"cell\"\nbreak CELL\nbegin 0x20400000\ntext \"x\"\n", true},
        {"sheet pointing at missing formats",
         "section kind=2\nCOLUMN_LIST_BEGIN\nCOLUMN_ENTRY 1 0 2\nCOLUMN_LIST_END\nbreak PARAGRAPH\ncell-run count=5\n"
         "SS_CELL_70 0 77\nvalue DOUBLE 1.5\nEMPTY_CELLS 0xffff0000\n",
         true},
        {"not a document", std::string("\x01\x02\xff garbage", 12), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = scratch_path("broken.qrvt");
        write_all(path, c.document);
        for (const char *format : {"html", "text"}) {
            auto run = run_tool("'" + path + "' --format " + format);
            EXPECT_FALSE(run.signalled) << run.err;
            EXPECT_FALSE(sanitizer_spoke(run.err)) << run.err;
            if (c.page_expected) {
                EXPECT_EQ(run.status, 0) << run.err;
                EXPECT_FALSE(run.out.empty());
            } else {
                EXPECT_NE(run.status, 0);
                EXPECT_EQ(lines_of(run.err), 1u) << run.err;
                EXPECT_NE(run.err.find("qrvex-export: "), std::string::npos);
            }
        }
        std::remove(path.c_str());
    }
}

}  // namespace

#ifndef _WIN32
// "-" as INPUT reads standard input, its format told from its content or
// named by --from; what standard input holds that no format reads is
// refused by name.
TEST(Tool, StandardInputIsReadAsADocument) {
    struct Case {
        std::string arguments;
        int status;
        const char *out_starts_with;
        const char *err_holds;
    } cases[] = {
        {"- --format markdown <'" + sample_path("report.qrvt") + "'", 0, "# Quarterly Report\n", ""},
        {"- --from text --format csv <'" + sample_path("ledger.qrvt") + "'", 0, "\"Accounts, first week\",,,\r\n", ""},
        {"- </dev/null", 2, "", "standard input"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments);
        auto run = run_tool("--quiet -o - " + c.arguments);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.out.substr(0, std::string(c.out_starts_with).size()), c.out_starts_with);
        EXPECT_NE(run.err.find(c.err_holds), std::string::npos) << run.err;
    }
}
#endif
