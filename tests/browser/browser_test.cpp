// The HTML pages are valid for a validator and show their content in a real
// browser.  Each check skips when its program is not installed.
#include <gtest/gtest.h>

#include <unistd.h>

#include "../golden/run_tool.hpp"

namespace {

using qrv::testing::read_all;
using qrv::testing::run_tool;
using qrv::testing::sample_path;
using qrv::testing::scratch_path;

constexpr const char *kChromium = "/usr/bin/chromium";
constexpr const char *kTidy = "/usr/bin/tidy";

// Why a check cannot run here, or nothing when it can.
std::string missing(const char *program) {
#ifdef _WIN32
    return std::string(program) + " is a Linux program: the Linux builds run this check on the same pages";
#else
    return access(program, X_OK) == 0 ? std::string() : std::string(program) + " is not installed";
#endif
}

// Writes the sample's page to a file of its own and gives its path.
std::string export_page(const char *document) {
    std::string page = scratch_path(std::string(document) + ".html");
    auto run = run_tool("'" + sample_path(document) + "' --quiet --format html -o '" + page + "'");
    EXPECT_EQ(run.status, 0) << run.err;
    return page;
}

TEST(Browser, TidyFindsNoErrorsInAnyPage) {
    if (const std::string why = missing(kTidy); !why.empty()) GTEST_SKIP() << why;
    for (const char *document : {"report.qrvt", "handbook.qrvt", "ledger.qrvt"}) {
        SCOPED_TRACE(document);
        std::string page = export_page(document);
        std::string report = scratch_path("tidy.txt");
        int rc = std::system((std::string(kTidy) + " -errors -q '" + page + "' 2>'" + report + "'").c_str());
        EXPECT_EQ(rc, 0) << read_all(report);
        std::remove(report.c_str());
        std::remove(page.c_str());
    }
}

TEST(Browser, ChromiumShowsHeadingsListsCellsAndNumbers) {
    if (const std::string why = missing(kChromium); !why.empty()) GTEST_SKIP() << why;
    std::string page = export_page("report.qrvt");
    std::string dom = scratch_path("dom.html");
    std::string shot = QRV_BINARY_DIR "/report-screenshot.png";
    const std::string flags = " --headless --no-sandbox --disable-gpu ";
    std::system(
        (std::string(kChromium) + flags + "--dump-dom 'file://" + page + "' >'" + dom + "' 2>/dev/null").c_str());
    std::system((std::string(kChromium) + flags + "--screenshot='" + shot + "' --window-size=1024,2400 'file://" +
                 page + "' >/dev/null 2>&1")
                    .c_str());
    const std::string shown = read_all(dom);
    for (const char *expected :
         {"<h1 class=\"title\">Quarterly Report</h1>", "Summary</h1>", "Goals</h2>", "Regional detail</h3>",
          ">1.</span>", ">ii.</span>", "\xE2\x80\xA2</span>", "<td><p>Q2</p>", "colspan=\"2\"", "$1,234.50",
          "987,654.32", "41.5%", "3/15/2024", "2:30 PM", "Figures are unaudited."}) {
        EXPECT_NE(shown.find(expected), std::string::npos) << expected;
    }
    EXPECT_FALSE(read_all(shot).empty()) << "no screenshot at " << shot;
    std::remove(dom.c_str());
    std::remove(page.c_str());
}

}  // namespace
