// `cpack -G DEB` makes libqrvex1, libqrvex-dev, qrvex-tools and, where the
// Python package is built, python3-qrvex.  Unpacked into throwaway roots,
// each holds its own files and nothing of the others, names the packages it
// needs, and together they convert a document.
#include "installed_tree.hpp"

#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

using qrv::install::kVersion;
using qrv::install::read_text;
using qrv::install::ScratchDirectory;
using qrv::install::shell;
using qrv::install::Shell;
using qrv::install::shell_word;
namespace fs = std::filesystem;

const std::string kLib = std::string("usr/") + QRV_INSTALL_LIBDIR + "/";

// Files and links under root, as paths relative to it.
std::set<std::string> files_under(const fs::path &root) {
    std::set<std::string> files;
    for (const auto &entry : fs::recursive_directory_iterator(root))
        if (!entry.is_directory()) files.insert(entry.path().lexically_relative(root).string());
    return files;
}

// The package NAME_VERSION_ARCH.deb that cpack made in dir.
fs::path package_file(const fs::path &dir, const std::string &name) {
    const std::string lead = name + "_" + kVersion + "_";
    for (const auto &entry : fs::directory_iterator(dir)) {
        const std::string file = entry.path().filename().string();
        if (file.rfind(lead, 0) == 0 && entry.path().extension() == ".deb") return entry.path();
    }
    return dir / (lead + "missing.deb");
}

std::string depends_of(const fs::path &package) {
    const Shell info = shell("dpkg-deb -I " + shell_word(package));
    const size_t at = info.output.find("\n Depends: ");
    if (at == std::string::npos) return "";
    const size_t start = at + 11;
    return info.output.substr(start, info.output.find('\n', start) - start);
}

struct PackageCase {
    const char *name;
    std::vector<std::string> holds;    // paths it must have
    std::vector<std::string> never;    // patterns no path may match
    std::vector<std::string> depends;  // each must be in its Depends field
};

std::vector<PackageCase> package_cases() {
    const std::string exactly = " (= " + kVersion + ")";
    std::vector<std::string> runtime_files, dev_links;
    for (const char *name : qrv::install::kLibraries) {
        runtime_files.push_back(kLib + "lib" + name + ".so." + kVersion);
        runtime_files.push_back(kLib + "lib" + name + ".so.1");
        dev_links.push_back(kLib + "lib" + name + ".so");
    }
    std::vector<std::string> dev_files = {
        "usr/include/qrvex/qrvex.h",
        "usr/include/qrvex/types.h",
        "usr/include/qrvex/toolkit/qrvch.h",
        "usr/include/qrvex/toolkit/qrvda.h",
        "usr/include/qrvex/toolkit/qrvfa.h",
        "usr/include/qrvex/toolkit/qrvut.h",
        "usr/include/qrvex/toolkit/qrvim.h",
        "usr/include/qrvex/filters/qrvfilters.h",
        "usr/include/qrvex/convert/qrvconvert.h",
        kLib + "cmake/QRVEX/QRVEXConfig.cmake",
        kLib + "cmake/QRVEX/QRVEXConfigVersion.cmake",
        kLib + "cmake/QRVEX/QRVEXTargets.cmake",
        kLib + "pkgconfig/qrvex.pc",
        kLib + "pkgconfig/qrvex-toolkit.pc",
        kLib + "pkgconfig/qrvex-filters.pc",
        kLib + "pkgconfig/qrvex-convert.pc",
    };
    dev_files.insert(dev_files.end(), dev_links.begin(), dev_links.end());
    std::vector<PackageCase> cases = {
        {"libqrvex1",
         runtime_files,
         {"include/", "bin/", "cmake/", "pkgconfig/", R"(\.so$)"},
         {"libc6", "libstdc++6", "libzip4", "libexpat1", "libnettle8"}},
        {"libqrvex-dev", dev_files, {R"(\.so\.)", "bin/"}, {"libqrvex1" + exactly, "libzip-dev", "libexpat1-dev", "nettle-dev"}},
        {"qrvex-tools",
         {"usr/bin/qrvex-export", "usr/share/man/man1/qrvex-export.1"},
         {"lib/", "include/"},
         {"libqrvex1" + exactly, "libc6", "libstdc++6"}},
    };
#ifdef QRV_PYTHON_INSTALL_DIR
    const std::string package = std::string("usr/") + QRV_PYTHON_INSTALL_DIR + "/qrvex/";
    cases.push_back({"python3-qrvex",
                     {package + "__init__.py", package + "__init__.pyi", package + "document.py", package + "dask.py"},
                     {"include/", "bin/", R"(lib/libqrv)"},
                     {"libqrvex1" + exactly, "python3 (>= ", "python3 (<< "}});
#endif
    return cases;
}

TEST(Packages, EachHoldsItsOwnFilesAndNamesWhatItNeeds) {
    QRV_SKIP_UNLESS_PLAIN_BUILD();
    ScratchDirectory scratch("packages");
    const Shell cpack = shell(shell_word(QRV_CPACK_COMMAND) + " -G DEB -B " + shell_word(scratch.path()) +
                              " --config " + shell_word(QRV_BINARY_DIR "/CPackConfig.cmake"));
    ASSERT_EQ(cpack.status, 0) << cpack.output;
    const fs::path together = scratch.path() / "all";
    for (const auto &c : package_cases()) {
        SCOPED_TRACE(c.name);
        const fs::path package = package_file(scratch.path(), c.name);
        const fs::path root = scratch.path() / c.name;
        const Shell unpack = shell("dpkg -x " + shell_word(package) + " " + shell_word(root) + " && dpkg -x " +
                                   shell_word(package) + " " + shell_word(together));
        ASSERT_EQ(unpack.status, 0) << unpack.output;
        const std::set<std::string> files = files_under(root);
        for (const auto &path : c.holds) EXPECT_TRUE(files.count(path)) << "missing " << path;
        for (const auto &path : files)
            for (const auto &pattern : c.never) EXPECT_FALSE(std::regex_search(path, std::regex(pattern))) << path;
        const std::string depends = depends_of(package);
        for (const auto &need : c.depends) EXPECT_NE(depends.find(need), std::string::npos) << depends;
    }
    // Files written at install time carry the package's prefix, not the
    // directory the package was staged in.
    EXPECT_EQ(read_text(together / kLib / "pkgconfig/qrvex.pc").rfind("prefix=/usr\n", 0), 0u);
    const Shell shlibs = shell("dpkg-deb -I " + shell_word(package_file(scratch.path(), "libqrvex1")) + " shlibs");
    EXPECT_NE(shlibs.output.find("libqrvex 1 libqrvex1 (>= " + kVersion + ")"), std::string::npos) << shlibs.output;

    // The tool of the unpacked packages finds their libraries by itself.
    const Shell page = shell(shell_word(together / "usr/bin/qrvex-export") + " --quiet " +
                             shell_word(QRV_SOURCE_DIR "/samples/report.qrvt"));
    EXPECT_EQ(page.status, 0) << page.output;
    EXPECT_EQ(page.output, read_text(QRV_SOURCE_DIR "/samples/report.html"));
#ifdef QRV_PYTHON_EXECUTABLE
    // So does the Python package.
    const Shell python = shell("cd / && env -u LD_LIBRARY_PATH PYTHONPATH=" +
                               shell_word(together / "usr" / QRV_PYTHON_INSTALL_DIR) + " " +
                               shell_word(QRV_PYTHON_EXECUTABLE) +
                               " -c \"import qrvex, sys; sys.stdout.write(qrvex.convert(sys.argv[1]))\" " +
                               shell_word(QRV_SOURCE_DIR "/samples/report.qrvt"));
    EXPECT_EQ(python.status, 0) << python.output;
    EXPECT_EQ(python.output, read_text(QRV_SOURCE_DIR "/samples/report.html"));
#endif
}

}  // namespace
