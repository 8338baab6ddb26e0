// What the install and package tests share: shell commands whose output is
// kept, a scratch directory of their own, and an installed copy of this
// build in a throwaway prefix.
//
// Consumers are built from the installed files alone, so the tests run only
// in a plain native build: a sanitized library needs its runtime in every
// program that loads it, the 32-bit build runs programs under an emulator,
// and the coverage build counts lines of the library, not of its install.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace qrv::install {

namespace fs = std::filesystem;

inline const std::string kVersion = QRV_PROJECT_VERSION;

// Every shared library an install holds.
inline const char *const kLibraries[] = {"qrvex",       "qrvplatform", "qrvch",   "qrvut",   "qrvda",
                                         "qrvfa",       "qrvim",       "qrvwalk", "qrvhtml", "qrvtext",
                                         "qrvmarkdown", "qrvcsv",      "qrvjson", "qrvconvert"};

struct Shell {
    int status = -1;
    std::string output;  // standard output and standard error together
};

// Runs a command with /bin/sh; environment assignments may lead it.
inline Shell shell(const std::string &command) {
    Shell result;
    FILE *pipe = popen(("( " + command + " ) 2>&1").c_str(), "r");
    if (!pipe) return result;
    char block[4096];
    for (size_t n; (n = std::fread(block, 1, sizeof block, pipe)) > 0;) result.output.append(block, n);
    const int raw = pclose(pipe);
    result.status = raw != -1 && WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return result;
}

inline std::string read_text(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

inline std::string shell_word(const fs::path &path) { return "'" + path.string() + "'"; }

// A fresh directory under the test's temporary directory, removed after.
class ScratchDirectory {
public:
    explicit ScratchDirectory(const std::string &name)
        : path_(fs::path(::testing::TempDir()) / ("qrvex-" + name + "-" + std::to_string(getpid()))) {
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    ScratchDirectory(const ScratchDirectory &) = delete;
    ScratchDirectory &operator=(const ScratchDirectory &) = delete;
    const fs::path &path() const { return path_; }

private:
    fs::path path_;
};

// Skips the test in builds whose libraries cannot serve an outside program.
#define QRV_SKIP_UNLESS_PLAIN_BUILD() \
    if (!QRV_PLAIN_BUILD) GTEST_SKIP() << "installs are tested in the plain native build (release)"

// `cmake --install` of this build into a prefix of its own.
class InstalledTree : public ::testing::Test {
protected:
    void SetUp() override {
        QRV_SKIP_UNLESS_PLAIN_BUILD();
        scratch_ = std::make_unique<ScratchDirectory>(::testing::UnitTest::GetInstance()->current_test_info()->name());
        const Shell install = shell(shell_word(QRV_CMAKE_COMMAND) + " --install " + shell_word(QRV_BINARY_DIR) +
                                    " --prefix " + shell_word(prefix()));
        ASSERT_EQ(install.status, 0) << install.output;
    }
    fs::path prefix() const { return scratch_->path() / "prefix"; }
    fs::path lib() const { return prefix() / QRV_INSTALL_LIBDIR; }
    fs::path work() const { return scratch_->path(); }
    // "pkg-config " that reads the installed files first.
    std::string pkg_config() const { return "PKG_CONFIG_PATH=" + shell_word(lib() / "pkgconfig") + " pkg-config "; }

private:
    std::unique_ptr<ScratchDirectory> scratch_;
};

}  // namespace qrv::install
