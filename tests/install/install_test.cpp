// `cmake --install` into a throwaway prefix gives a tree that programs from
// outside build against: word_count.c compiled with the CMake package, with
// pkg-config through CMake and with pkg-config on a plain compiler line,
// each seeing only the installed headers and libraries, and each counting a
// sample as the in-tree build of it does.
#include "installed_tree.hpp"

#include <sstream>
#include <string>

namespace {

using qrv::install::InstalledTree;
using qrv::install::kLibraries;
using qrv::install::kVersion;
using qrv::install::read_text;
using qrv::install::shell;
using qrv::install::Shell;
using qrv::install::shell_word;
namespace fs = std::filesystem;

const std::string kMajor = kVersion.substr(0, kVersion.find('.'));

std::string cmake_configure(const fs::path &source, const fs::path &build, const std::string &extra) {
    return shell_word(QRV_CMAKE_COMMAND) + " -S " + shell_word(source) + " -B " + shell_word(build) +
           " -G Ninja -DCMAKE_MAKE_PROGRAM=" + shell_word(QRV_MAKE_PROGRAM) +
           " -DCMAKE_C_COMPILER=" + shell_word(QRV_C_COMPILER) + " -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF " + extra;
}

// Every QRVEX library the program loads comes from the prefix.
void expect_libraries_from(const fs::path &program, const fs::path &lib) {
    const Shell ldd = shell("ldd " + shell_word(program));
    ASSERT_EQ(ldd.status, 0) << ldd.output;
    std::istringstream lines(ldd.output);
    int ours = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.find("libqrv") == std::string::npos) continue;
        ++ours;
        EXPECT_NE(line.find("=> " + lib.string() + "/"), std::string::npos) << line;
    }
    EXPECT_GE(ours, 5) << ldd.output;  // the library, the toolkit pieces, the platform
}

TEST_F(InstalledTree, WordCountBuildsFromTheInstalledFilesAloneThreeWays) {
    const fs::path project = work() / "consumer";
    fs::create_directories(project);
    fs::copy_file(QRV_SOURCE_DIR "/tests/install/consumer/CMakeLists.txt", project / "CMakeLists.txt");
    fs::copy_file(QRV_SOURCE_DIR "/examples/word_count.c", project / "word_count.c");
    const std::string pkg_config_path = "PKG_CONFIG_PATH=" + shell_word(lib() / "pkgconfig") + " ";
    const std::string sample = QRV_SOURCE_DIR "/samples/report.qrvt";
    const Shell in_tree = shell(shell_word(QRV_BINARY_DIR "/bin/word_count") + " " + shell_word(sample));
    ASSERT_EQ(in_tree.status, 0) << in_tree.output;

    // Each way configures and builds in work()/HOW, where the program lands.
    auto cmake_build = [&](const std::string &how, const std::string &environment, const std::string &extra) {
        const fs::path build = work() / how;
        return environment + cmake_configure(project, build, extra) + " && " + shell_word(QRV_CMAKE_COMMAND) +
               " --build " + shell_word(build);
    };
    const fs::path line = work() / "compiler-line";
    struct Case {
        const char *how;
        std::string build;
    } cases[] = {
        {"cmake-package", cmake_build("cmake-package", "", "-DCMAKE_PREFIX_PATH=" + shell_word(prefix()))},
        {"cmake-pkg-config", cmake_build("cmake-pkg-config", pkg_config_path, "-DUSE_PKG_CONFIG=ON")},
        {"compiler-line", "mkdir -p " + shell_word(line) + " && " + shell_word(QRV_C_COMPILER) + " " +
                              shell_word(project / "word_count.c") + " -o " + shell_word(line / "word_count") + " $(" +
                              pkg_config() + "--cflags --libs qrvex) -Wl,-rpath," + shell_word(lib())},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.how);
        const Shell build = shell(c.build);
        ASSERT_EQ(build.status, 0) << build.output;
        const fs::path program = work() / c.how / "word_count";
        const Shell counted = shell(shell_word(program) + " " + shell_word(sample));
        EXPECT_EQ(counted.status, 0) << counted.output;
        EXPECT_EQ(counted.output, in_tree.output);
        expect_libraries_from(program, lib());
        const std::string commands = read_text(work() / c.how / "build.ninja");
        EXPECT_EQ(commands.find(QRV_SOURCE_DIR), std::string::npos) << "the build reached into the source tree";
    }
    const std::string package_dir = "QRVEX_DIR:PATH=" + (lib() / "cmake" / "QRVEX").string() + "\n";
    EXPECT_NE(read_text(work() / "cmake-package" / "CMakeCache.txt").find(package_dir), std::string::npos)
        << "found another QRVEX package";
}

TEST_F(InstalledTree, OneVersionEverywhere) {
    for (const char *name : kLibraries) {
        SCOPED_TRACE(name);
        const fs::path base = lib() / ("lib" + std::string(name) + ".so");
        EXPECT_EQ(fs::read_symlink(base), base.filename().string() + "." + kMajor);
        EXPECT_EQ(fs::read_symlink(base.string() + "." + kMajor), base.filename().string() + "." + kVersion);
        const Shell dynamic = shell("readelf -d " + shell_word(base.string() + "." + kMajor));
        EXPECT_NE(dynamic.output.find("Library soname: [lib" + std::string(name) + ".so." + kMajor + "]"),
                  std::string::npos)
            << dynamic.output;
    }
    struct Case {
        std::string command;
        std::string expected;
    } cases[] = {
        {shell_word(prefix() / "bin" / "qrvex-export") + " --version", "qrvex-export " + kVersion + "\n"},
        {pkg_config() + "--modversion qrvex qrvex-toolkit qrvex-filters qrvex-convert",
         kVersion + "\n" + kVersion + "\n" + kVersion + "\n" + kVersion + "\n"},
        {pkg_config() + "--variable=prefix qrvex", prefix().string() + "\n"},
        {pkg_config() + "--print-requires qrvex", "qrvex-toolkit\n"},
        {pkg_config() + "--print-requires-private qrvex-toolkit", "libzip\nexpat\nnettle\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.command);
        const Shell run = shell(c.command);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.output, c.expected);
    }
}

// convert.c needs only qrvex-convert: its header alone, and one library
// that finds the rest beside itself, with no search path set.
TEST_F(InstalledTree, ConvertExampleBuildsWithPkgConfigAndRunsWithoutASearchPath) {
    const fs::path program = work() / "convert";
    const Shell build = shell(shell_word(QRV_C_COMPILER) + " " + shell_word(QRV_SOURCE_DIR "/examples/convert.c") +
                              " -o " + shell_word(program) + " $(" + pkg_config() +
                              "--cflags --libs qrvex-convert) -Wl,-rpath," + shell_word(lib()));
    ASSERT_EQ(build.status, 0) << build.output;
    expect_libraries_from(program, lib());
    for (const char *sample : {"report.docx", "budget.xlsx"}) {
        SCOPED_TRACE(sample);
        const std::string input = shell_word(std::string(QRV_SOURCE_DIR "/samples/") + sample);
        const Shell in_tree = shell(shell_word(QRV_BINARY_DIR "/bin/convert") + " " + input + " html");
        ASSERT_EQ(in_tree.status, 0) << in_tree.output;
        const Shell installed = shell("env -u LD_LIBRARY_PATH " + shell_word(program) + " " + input + " html");
        EXPECT_EQ(installed.status, 0) << installed.output;
        EXPECT_EQ(installed.output, in_tree.output);
    }
}

// The Python package lands in the prefix's site-packages and loads the
// prefix's libqrvconvert through its own RUNPATH.
TEST_F(InstalledTree, PythonPackageImportsFromThePrefix) {
#ifndef QRV_PYTHON_EXECUTABLE
    GTEST_SKIP() << "the Python package is not built";
#else
    const fs::path site = prefix() / QRV_PYTHON_INSTALL_DIR;
    for (const char *file : {"__init__.py", "__init__.pyi", "py.typed", "document.py", "dask.py"})
        EXPECT_TRUE(fs::exists(site / "qrvex" / file)) << file;
    const std::string script =
        "import qrvex, sys; print(qrvex.__file__); "
        "sys.stdout.write(qrvex.convert(sys.argv[1], to='text'))";
    const Shell run = shell("cd / && env -u LD_LIBRARY_PATH PYTHONPATH=" + shell_word(site) + " " +
                            shell_word(QRV_PYTHON_EXECUTABLE) + " -c \"" + script + "\" " +
                            shell_word(QRV_SOURCE_DIR "/samples/report.docx"));
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.output.rfind((site / "qrvex" / "__init__.py").string() + "\nQuarterly Report\n", 0), 0u)
        << run.output;
    // The RUNPATH is relative ($ORIGIN/../..), so the path ldd shows is compared once resolved.
    const Shell loaded = shell("ldd " + shell_word(site / "qrvex") +
                               "/_qrvex*.so | sed -n 's/.*libqrvconvert[^ ]* => \\([^ ]*\\) .*/\\1/p'");
    ASSERT_EQ(loaded.status, 0) << loaded.output;
    const std::string path = loaded.output.substr(0, loaded.output.find('\n'));
    ASSERT_FALSE(path.empty()) << "the module does not load libqrvconvert";
    EXPECT_EQ(fs::canonical(path), fs::canonical(lib() / ("libqrvconvert.so." + kMajor)));
#endif
}

}  // namespace
