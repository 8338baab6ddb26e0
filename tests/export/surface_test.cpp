// The exported surface of libqrvex.so is exactly the names of exports.txt,
// and what it imports shows that it never uses the language heap.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::set<std::string> read_export_list() {
    std::ifstream in(QRV_SOURCE_DIR "/src/export/exports.txt");
    std::set<std::string> names;
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) names.insert(line);
    return names;
}

struct DynamicSymbol {
    char kind;  // 'T' a function definition, others
    std::string name;
};

std::vector<DynamicSymbol> read_dynamic_symbols(const char *which = "--defined-only") {
    std::string command = std::string("nm -D ") + which + " '" QRV_LIBQRVEX_PATH "'";
    std::unique_ptr<FILE, int (*)(FILE *)> pipe(popen(command.c_str(), "r"), pclose);
    std::vector<DynamicSymbol> symbols;
    if (!pipe) return symbols;
    std::array<char, 512> line{};
    while (std::fgets(line.data(), line.size(), pipe.get())) {
        std::istringstream fields(line.data());
        std::string address, kind, name;
        if (fields >> address >> kind >> name) symbols.push_back({kind[0], name});
        else if (std::istringstream(line.data()) >> kind >> name) symbols.push_back({kind[0], name});
    }
    return symbols;
}

TEST(ExportSurface, OnlyListedNamesAreExported) {
    const auto listed = read_export_list();
    ASSERT_EQ(listed.size(), 153u);
    const auto symbols = read_dynamic_symbols();
    ASSERT_FALSE(symbols.empty()) << "nm found no symbols in " QRV_LIBQRVEX_PATH;
    std::set<std::string> defined;
    for (const auto &s : symbols) {
        EXPECT_TRUE(listed.count(s.name)) << "exported but not listed: " << s.name;
        EXPECT_EQ(s.kind, 'T') << s.name << " is not a plain function definition";
        defined.insert(s.name);
    }
    for (const auto &name : listed) EXPECT_TRUE(defined.count(name)) << "listed but not exported: " << name;
    EXPECT_EQ(symbols.size(), listed.size());
}

// Memory comes only from movable global memory: the library imports no
// operator new or delete (mangled _Znw, _Zna, _Zdl, _Zda), so no allocation
// of the language can throw through a C caller.
TEST(ExportSurface, NoOperatorNewOrDeleteIsImported) {
    const auto imports = read_dynamic_symbols("--undefined-only");
    ASSERT_FALSE(imports.empty()) << "nm found no imports in " QRV_LIBQRVEX_PATH;
    for (const auto &s : imports)
        for (const char *prefix : {"_Znw", "_Zna", "_Zdl", "_Zda"})
            EXPECT_NE(s.name.rfind(prefix, 0), 0u) << "imports " << s.name;
}

}  // namespace
