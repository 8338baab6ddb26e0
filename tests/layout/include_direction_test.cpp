// The folders of the tree include in one direction only: readers and
// filters both build on the document model and never on each other, and
// the model includes neither.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kRoot = QRV_SOURCE_DIR;

struct Rule {
    const char *folder;                   // the includer's top-level folder
    std::vector<const char *> forbidden;  // folders it must not reach
    std::vector<const char *> roots;      // where its bare includes are looked up, after its own folder
};

const Rule kRules[] = {
    {"readers", {"filters"}, {"readers", "readers/common", "readers/include", "model", "model/include"}},
    {"filters", {"readers"}, {"filters/common", "filters/include", "model/include"}},
    {"model", {"readers", "filters"}, {"model", "model/include"}},
};

// Every place a header of a forbidden folder is looked up from.
const std::vector<const char *> kForbiddenRoots[] = {
    {"filters", "filters/common", "filters/include", "filters/html", "filters/text"},
    {"readers", "readers/common", "readers/include"},
};

bool under(const fs::path &file, const fs::path &folder) {
    const auto rel = fs::weakly_canonical(file).lexically_relative(fs::weakly_canonical(kRoot / folder));
    return !rel.empty() && *rel.begin() != "..";
}

std::optional<fs::path> existing(const fs::path &p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec) ? std::optional<fs::path>(p) : std::nullopt;
}

// Where the includer finds the header it names, as its build would.
std::optional<fs::path> resolve(const fs::path &includer, const std::string &name, const Rule &rule) {
    if (auto p = existing(includer.parent_path() / name)) return p;
    for (const char *root : rule.roots)
        if (auto p = existing(kRoot / root / name)) return p;
    for (const auto &roots : kForbiddenRoots)
        for (const char *root : roots)
            if (auto p = existing(kRoot / root / name)) return p;
    return std::nullopt;
}

// The forbidden folder an include line reaches, or empty.
std::string forbidden_include(const fs::path &includer, const std::string &line, const Rule &rule) {
    static const std::regex include(R"(^\s*#\s*include\s*["<]([^">]+)[">])");
    std::smatch m;
    if (!std::regex_search(line, m, include)) return {};
    const std::string name = m[1];
    const auto target = resolve(includer, name, rule);
    for (const char *folder : rule.forbidden) {
        if (target && under(*target, folder)) return folder;
        if (name.starts_with(std::string(folder) + "/") ||
            name.find(std::string("/") + folder + "/") != std::string::npos)
            return folder;
    }
    return {};
}

bool is_source(const fs::path &p) {
    const auto ext = p.extension();
    return ext == ".cpp" || ext == ".hpp" || ext == ".h" || ext == ".c";
}

std::vector<std::string> violations(const Rule &rule) {
    std::vector<std::string> found;
    for (const auto &entry : fs::recursive_directory_iterator(kRoot / rule.folder)) {
        if (!entry.is_regular_file() || !is_source(entry.path())) continue;
        std::ifstream in(entry.path());
        int number = 0;
        for (std::string line; std::getline(in, line);) {
            ++number;
            const std::string reached = forbidden_include(entry.path(), line, rule);
            if (!reached.empty())
                found.push_back(entry.path().lexically_relative(kRoot).string() + ":" + std::to_string(number) +
                                " reaches " + reached + "/: " + line);
        }
    }
    return found;
}

TEST(IncludeDirection, NoFolderReachesOneItMustNot) {
    for (const Rule &rule : kRules) {
        ASSERT_TRUE(fs::is_directory(kRoot / rule.folder)) << rule.folder;
        for (const std::string &v : violations(rule)) ADD_FAILURE() << v;
    }
}

struct LineCase {
    const char *includer;
    const char *line;
    const char *reached;
};

TEST(IncludeDirection, TellsWhatALineReaches) {
    const LineCase cases[] = {
        {"readers/xlsx/styles.cpp", "#include \"../../filters/common/walk.hpp\"", "filters"},
        {"readers/xlsx/styles.cpp", "#include <filters/common/walk.hpp>", "filters"},
        {"readers/xlsx/styles.cpp", "#include \"walk.hpp\"", "filters"},  // found only among the filters' headers
        {"readers/xlsx/styles.cpp", "#  include \"model.hpp\"", "filters"},
        {"readers/xlsx/styles.cpp", "#include \"writer/document_writer.hpp\"", ""},
        {"readers/xlsx/styles.cpp", "#include <qrvmodel/conventions.hpp>", ""},
        {"readers/xlsx/styles.cpp", "// walk.hpp is the filters' business", ""},
        {"filters/common/walk.cpp", "#include \"package/xml_reader.hpp\"", "readers"},
        {"filters/common/walk.cpp", "#include <qrvim.h>", "readers"},
        {"filters/common/walk.cpp", "#include \"model.hpp\"", ""},
        {"model/textdoc/item_writer.cpp", "#include \"core/error.hpp\"", "readers"},
        {"model/textdoc/item_writer.cpp", "#include \"writer/build_error.hpp\"", ""},
    };
    for (const auto &c : cases) {
        const fs::path includer = kRoot / c.includer;
        const Rule *rule = nullptr;
        for (const Rule &r : kRules)
            if (under(includer, r.folder)) rule = &r;
        ASSERT_NE(rule, nullptr) << c.includer;
        EXPECT_EQ(forbidden_include(includer, c.line, *rule), c.reached) << c.includer << ": " << c.line;
    }
}

}  // namespace
