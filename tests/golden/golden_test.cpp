// Every sample document exports to exactly its checked-in HTML and text.
// After an intended change of the output, regenerate them with
// scripts/regen-golden.sh and review the difference.
#include <gtest/gtest.h>

#include "run_tool.hpp"

namespace {

using qrv::testing::read_all;
using qrv::testing::run_tool;
using qrv::testing::sample_path;

struct Golden {
    const char *document;  // in samples/; empty: the built-in sample
    const char *expected;  // in samples/
    const char *format;
};

const Golden kGolden[] = {
    {"", "report.html", "html"},
    {"", "report.txt", "text"},
    {"report.qrvt", "report.html", "html"},
    {"report.qrvt", "report.txt", "text"},
    {"handbook.qrvt", "handbook.html", "html"},
    {"handbook.qrvt", "handbook.txt", "text"},
    {"ledger.qrvt", "ledger.html", "html"},
    {"ledger.qrvt", "ledger.txt", "text"},
    {"report.qrvt", "report.md", "markdown"},
    {"handbook.qrvt", "handbook.md", "markdown"},
    {"ledger.qrvt", "ledger.md", "markdown"},
};

TEST(Golden, EverySampleExportsToItsCheckedInOutput) {
    for (const auto &g : kGolden) {
        SCOPED_TRACE(std::string(g.document) + " as " + g.format);
        std::string input = *g.document ? "'" + sample_path(g.document) + "' " : "";
        auto run = run_tool(input + "--quiet --format " + g.format);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, read_all(sample_path(g.expected)));
    }
}

}  // namespace
