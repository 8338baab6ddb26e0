// Files named by options (--locale) get the checks an input gets: a device,
// a folder, a huge or a binary file is one error line, never a hang, and
// the line holds no raw bytes of the file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "run_tool.hpp"

namespace {

using qrv::testing::run_tool;
using qrv::testing::scratch_path;
using qrv::testing::write_all;

bool has_raw_bytes(const std::string &text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return (b < 0x20 && b != '\n') || b >= 0x7F;
    });
}

TEST(OptionFiles, ALocaleFileMustBeSmallText) {
    const std::string folder = scratch_path("locale-folder"), huge = scratch_path("huge-locale"),
                      binary = scratch_path("binary-locale");
    std::filesystem::create_directories(folder);
    write_all(huge, std::string(70 * 1024, '#'));
    write_all(binary, std::string("decimal=\x01\xFF\x1B[2J\0\n", 14));
    struct Case {
        std::string path;
        const char *message;
    } cases[] = {
#ifdef __linux__
        {"/dev/zero", "cannot read the locale file: it is not a regular file"},
#endif
        {folder, "cannot read the locale file: it is not a regular file"},
        {huge, "cannot read the locale file: it is larger than 64 KiB"},
        {binary, "cannot read the locale file: it holds binary data, not text"},
        {scratch_path("no-such-locale"), "cannot read the locale file: there is no such file"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path);
        auto run = run_tool("--format text --locale '" + c.path + "'");
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_FALSE(has_raw_bytes(run.err)) << run.err;
        EXPECT_EQ(run.out, "");
    }
    std::filesystem::remove_all(folder);
    std::remove(huge.c_str());
    std::remove(binary.c_str());
}

}  // namespace
