// qrvex-export --output-dir DIR --timeout SECONDS: a document that does
// not finish in time is stopped and named as failed, and the others of the
// batch are converted as usual, with their warnings.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "golden/run_tool.hpp"

namespace {

namespace fs = std::filesystem;
using qrv::testing::read_all;
using qrv::testing::run_tool;
using qrv::testing::sample_path;
using qrv::testing::scratch_path;
using qrv::testing::write_all;

// A document's output that is a named pipe no one reads: writing it waits
// for ever, as a document that never finishes would.
TEST(BatchTimeout, ADocumentThatNeverFinishesIsStoppedAndNamed) {
    const std::string dir = scratch_path("timeout-batch");
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string stuck = dir + "/stuck.csv", fine = dir + "/fine.csv", quoted = dir + "/quote.csv";
    write_all(stuck, "a,b\n1,2\n");
    write_all(fine, "a,b\n3,4\n");
    write_all(quoted, "a,\"b\n");
    const std::string out = dir + "/out";
    fs::create_directories(out);
    ASSERT_EQ(mkfifo((out + "/stuck.html").c_str(), 0600), 0);
    auto run =
        run_tool("--timeout 1 --jobs 2 --output-dir '" + out + "' '" + stuck + "' '" + fine + "' '" + quoted + "'");
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.err.find("2 converted, 1 failed"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("failed: " + stuck + ": the conversion took longer than 1 s (--timeout) and was stopped"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find(quoted + ": warning"), std::string::npos) << run.err;
    EXPECT_NE(read_all(out + "/fine.html").find("<td class=\"num\">3</td>"), std::string::npos);
    fs::remove_all(dir);
}

TEST(BatchTimeout, TheLimitIsANumberOfSecondsForABatch) {
    const struct {
        const char *arguments;
        const char *message;
    } cases[] = {
        {"--timeout 0 --output-dir x a.csv", "--timeout needs a number of seconds from 1 to 86400, not '0'"},
        {"--timeout soon --output-dir x a.csv", "--timeout needs a number of seconds"},
        {"--timeout 5 a.csv", "--timeout needs --output-dir DIR"},
    };
    for (const auto &c : cases) {
        auto run = run_tool(c.arguments);
        EXPECT_EQ(run.status, 2) << c.arguments;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}

}  // namespace

#endif
