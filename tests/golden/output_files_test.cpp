// Where qrvex-export writes, and what a failure leaves there: an output
// appears whole or not at all, an older output survives any failure or a
// kill, a symbolic link named as the output is replaced rather than
// followed, and nothing is written over the input.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <cstdlib>
#include <string>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#endif

#include "run_tool.hpp"

namespace {

namespace fs = std::filesystem;
using qrv::testing::read_all;
using qrv::testing::run_tool;
using qrv::testing::scratch_path;
using qrv::testing::tool_path;
using qrv::testing::write_all;

std::string quoted(const std::string &path) { return "'" + path + "'"; }

// Temporary files the tool left beside its outputs.
size_t leftovers_in(const std::string &dir) {
    size_t n = 0;
    for (const auto &entry : fs::directory_iterator(dir)) n += entry.path().extension() == ".part";
    return n;
}

// A folder of its own for each test, so that left-over files show.
struct Folder {
    std::string path;
    explicit Folder(const std::string &name) : path(scratch_path(name)) {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~Folder() { fs::remove_all(path); }
    std::string operator/(const std::string &name) const { return path + "/" + name; }
};

TEST(OutputFiles, NothingIsWrittenOverTheInputOrForAnEmptyName) {
    Folder dir("refusals");
    const std::string input = dir / "book.csv", hard_link = dir / "other-name.csv", out = dir / "out.html";
    write_all(input, "a,b\n1,2\n");
    fs::create_hard_link(input, hard_link);
    struct Case {
        std::string arguments;
        const char *message;
    } cases[] = {
        {quoted(input) + " --format html -o " + quoted(input), "would overwrite it"},
        {quoted(input) + " -o " + quoted(hard_link) + " --format html", "would overwrite it"},
        {quoted(dir.path + "/./book.csv") + " --format text -o " + quoted(input), "would overwrite it"},
        {"'' -o " + quoted(out), "an empty INPUT names no file"},
        {"--output-dir " + quoted(dir / "batch") + " " + quoted(input) + " ''", "an empty INPUT names no file"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments);
        auto run = run_tool(c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(read_all(input), "a,b\n1,2\n");
        EXPECT_FALSE(fs::exists(out));
    }
    EXPECT_EQ(leftovers_in(dir.path), 0u);
}

#ifndef _WIN32

// Delimited text whose page is about a hundred bytes a row.
std::string table_of_rows(size_t rows) {
    std::string text = "name,count,share\n";
    for (size_t i = 0; i < rows; ++i) text += "item " + std::to_string(i) + "," + std::to_string(i * 7) + ",0.5\n";
    return text;
}

TEST(OutputFiles, ASymbolicLinkNamedAsTheOutputIsReplacedNotFollowed) {
    Folder dir("links");
    const std::string precious = dir / "precious.txt", link = dir / "page.html";
    write_all(precious, "keep me");
    fs::create_symlink(precious, link);
    auto run = run_tool("-o " + quoted(link));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(read_all(precious), "keep me");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(link)));
    EXPECT_NE(read_all(link).find("<html"), std::string::npos);
}

// The new output takes the older one's place with the older one's
// permissions, and a new one gets those of a plain create.
TEST(OutputFiles, AReplacedOutputKeepsItsPermissions) {
    Folder dir("modes");
    const std::string older = dir / "private.html", fresh = dir / "fresh.html";
    write_all(older, "old");
    fs::permissions(older, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(run_tool("-o " + quoted(older)).status, 0);
    ASSERT_EQ(run_tool("-o " + quoted(fresh)).status, 0);
    EXPECT_EQ(fs::status(older).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(static_cast<mode_t>(fs::status(fresh).permissions()), 0666 & ~mask);
}

// Runs the tool with its file size limited to limit_blocks blocks of the
// shell's ulimit.
qrv::testing::ToolRun run_limited(const std::string &arguments, int limit_blocks) {
    const std::string err = scratch_path("limited-stderr");
    const std::string command = "ulimit -f " + std::to_string(limit_blocks) + "; " + quoted(tool_path()) + " " +
                                arguments + " >/dev/null 2>" + quoted(err);
    qrv::testing::ToolRun run;
    const int raw = std::system(command.c_str());
    run.signalled = raw == -1 || WIFSIGNALED(raw) || (WIFEXITED(raw) && WEXITSTATUS(raw) > 125);
    if (raw != -1 && WIFEXITED(raw)) run.status = WEXITSTATUS(raw);
    run.err = read_all(err);
    std::remove(err.c_str());
    return run;
}

// A full disk or a file-size limit is an error line naming the reason; the
// older output stays whole and no temporary file is left.
TEST(OutputFiles, AWriteThatCannotFinishNamesTheReasonAndKeepsTheOlderOutput) {
    Folder dir("failures");
    const std::string input = dir / "rows.csv", out = dir / "out.html", items = dir / "out.qrvt";
    write_all(input, table_of_rows(20000));
    struct Case {
        std::string arguments;
        int limit_blocks;  // 0: none
        std::string output;
        const char *message;
    } cases[] = {
        // The page is held back in a scratch file first, which fails first.
        {quoted(input) + " -o " + quoted(out), 16, out,
         "cannot write a scratch file in the folder for temporary "
         "files"},
        {quoted(input) + " -o " + quoted(out), 16, out, "File too large"},
        {quoted(input) + " --format text -o " + quoted(out), 16, out, "cannot write the output: File too large"},
        {quoted(input) + " --format items -o " + quoted(items), 16, items, "cannot write the output: File too large"},
        {quoted(input) + " --format items -o /dev/full", 0, "", "/dev/full: cannot write the output: No space left"},
    };
    // The 32-bit build's programs under qemu-i386: the emulator itself is
    // killed by a file-size limit before the program runs, so those cases
    // say nothing about the program.
    const bool emulated = std::getenv("QRV_RUN32_QEMU") != nullptr;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments);
        if (emulated && c.limit_blocks) continue;
        if (!c.output.empty()) write_all(c.output, "the older output");
        auto run = c.limit_blocks ? run_limited(c.arguments, c.limit_blocks) : run_tool(c.arguments);
        EXPECT_FALSE(run.signalled);
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        if (!c.output.empty()) {
            EXPECT_EQ(read_all(c.output), "the older output");
        }
        EXPECT_EQ(leftovers_in(dir.path), 0u);
    }
}

pid_t start_tool(const std::vector<std::string> &words) {
    std::vector<char *> argv;
    std::string program = tool_path();
    argv.push_back(program.data());
    std::vector<std::string> copies = words;
    for (std::string &w : copies) argv.push_back(w.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

void sleep_microseconds(long us) {
    timespec pause{us / 1000000, (us % 1000000) * 1000};
    nanosleep(&pause, nullptr);
}

// Killed at any point, an export leaves at the target either the whole
// older output or the whole new one, never a part of either.
TEST(OutputFiles, AnExportKilledAtAnyPointLeavesAWholeOutput) {
    Folder dir("kills");
    const std::string input = dir / "rows.csv", out = dir / "out.html", reference = dir / "reference.html";
    write_all(input, table_of_rows(60000));
    const auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(run_tool(quoted(input) + " -o " + quoted(reference)).status, 0);
    const long whole_run_us = static_cast<long>(
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started).count());
    const std::string new_page = read_all(reference), old_page = "<p>the older page, whole</p>\n";
    std::mt19937 random(36);
    std::uniform_int_distribution<long> kill_at(0, whole_run_us + whole_run_us / 5);
    for (int round = 0; round < 20; ++round) {
        write_all(out, old_page);
        const pid_t pid = start_tool({input, "-o", out});
        ASSERT_GT(pid, 0);
        sleep_microseconds(kill_at(random));
        kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        const std::string left = read_all(out);
        EXPECT_TRUE(left == old_page || left == new_page) << "round " << round << ": " << left.size() << " bytes";
        for (const auto &entry : fs::directory_iterator(dir.path))
            if (entry.path().extension() == ".part") fs::remove(entry.path());
    }
}

#endif

}  // namespace
