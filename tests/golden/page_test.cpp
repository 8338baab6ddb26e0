// What frames the page: its title, its language, where the table of
// contents stands, and which of the importer's warnings the user sees.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "import_warnings.hpp"
#include "run_tool.hpp"

namespace {

using qrv::testing::run_tool;
using qrv::testing::sample_path;
using qrv::testing::scratch_path;
using qrv::testing::write_all;

std::string between(const std::string &page, const std::string &open, const std::string &close) {
    const size_t at = page.find(open);
    if (at == std::string::npos) return "(none)";
    const size_t end = page.find(close, at + open.size());
    return page.substr(at + open.size(), end - at - open.size());
}

// The title comes from the properties, else from the input's name; the
// contents only when asked for, after the document's own title.
TEST(Page, TitleAndContentsFollowTheDocument) {
    const std::string untitled = scratch_path("quarterly-plan.qrvt");
    write_all(untitled, "section kind=0\nOUTLINE_LEVEL 0\ntext \"Costs\"\nbreak PARAGRAPH\n");
    const std::string report = "'" + sample_path("report.qrvt") + "'";
    const struct {
        std::string arguments;
        std::string title;
        bool contents;
    } cases[] = {
        {report, "Quarterly Report", false},
        {report + " --toc", "Quarterly Report", true},
        {report + " --options toc", "Quarterly Report", true},
        {report + " --toc --options no-toc", "Quarterly Report", false},
        {"'" + untitled + "'", std::filesystem::path(untitled).stem().string(), false},
        {"- < '" + untitled + "'", "Untitled document", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments);
        const auto run = run_tool("--quiet --format html " + c.arguments);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(between(run.out, "<title>", "</title>"), c.title);
        const size_t nav = run.out.find("<nav class=\"contents\">");
        EXPECT_EQ(nav != std::string::npos, c.contents);
        if (nav == std::string::npos) continue;
        const size_t title_end = run.out.find("</h1>", run.out.find("<h1 class=\"title\">"));
        EXPECT_LT(title_end, nav) << "the contents stand after the title";
        EXPECT_LT(nav, run.out.find("<h1 id=")) << "and before the first heading";
    }
}

// Notes on the producer's quirks are counted unless asked for; warnings of
// what was lost always show, ahead of the count.
TEST(Page, NotesOnQuirksShowOnlyWhenVerbose) {
    struct Recorder final : qrv::tool::ExportObserver {
        std::vector<std::string> lines;
        void progress(uint32_t) override {}
        void warning(const std::string &line) override { lines.push_back(line); }
    };
    const std::string mixed = "warning: a: lost\nnote: style 'T' is based on 'N'\nnote: 4 more notes";
    const struct {
        std::string message;
        bool verbose;
        std::vector<std::string> shown;
    } cases[] = {
        {"", false, {}},
        {"warning: a: lost", false, {"warning: a: lost"}},
        {"note: one", false, {"1 warning (--verbose shows them)"}},
        {mixed, false, {"warning: a: lost\n5 warnings (--verbose shows them)"}},
        {mixed, true, {mixed}},
        {"note: 12 more notesque", false, {"1 warning (--verbose shows them)"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message);
        Recorder recorder;
        qrv::tool::report_import_warnings(c.message, c.verbose, recorder);
        EXPECT_EQ(recorder.lines, c.shown);
    }
}

}  // namespace
