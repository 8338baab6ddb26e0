// An input that another program shortens while it is being converted ends
// the export with an error or a page, never with a fault.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <string>
#include <thread>

#include "run_tool.hpp"

namespace {

using qrv::testing::run_tool;
using qrv::testing::scratch_path;
using qrv::testing::write_all;

TEST(ChangingInput, AFileCutShortWhileItIsReadIsNoCrash) {
    const std::string input = scratch_path("shrinking.csv");
    constexpr off_t kLong = 8 << 20, kShort = 4096;
    write_all(input, std::string(kShort, 'a') + "\n");
    std::atomic<bool> running{true};
    // The file's length flips between long and short for as long as the runs go.
    std::thread cutter([&] {
        for (bool cut = false; running; cut = !cut)
            if (truncate(input.c_str(), cut ? kShort : kLong) != 0) break;
    });
    for (int round = 0; round < 10; ++round) {
        auto run = run_tool("--quiet --format text '" + input + "' -o /dev/null");
        EXPECT_FALSE(run.signalled) << "round " << round << ": " << run.err;
        if (run.status != 0) {
            EXPECT_NE(run.err.find(input), std::string::npos) << run.err;
        }
    }
    running = false;
    cutter.join();
    std::remove(input.c_str());
}

// A named pipe, a device or a folder given as the input is refused at once:
// opening a pipe no one writes must not wait for a writer.
TEST(ChangingInput, AnInputThatIsNoRegularFileIsRefusedAtOnce) {
    const std::string pipe = scratch_path("input-pipe");
    std::remove(pipe.c_str());
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string &input : {pipe, std::string("/dev/zero"), ::testing::TempDir()}) {
        auto run = run_tool("--quiet '" + input + "' -o /dev/null");
        EXPECT_EQ(run.status, 2) << input;
        EXPECT_NE(run.err.find(input + ": cannot read the file: it is"), std::string::npos) << run.err;
    }
    std::remove(pipe.c_str());
}

}  // namespace

#endif
