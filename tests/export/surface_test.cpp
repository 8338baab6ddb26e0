// The exported surface of libqrvex.so is exactly the names of exports.txt.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>

namespace {

std::set<std::string> read_export_list() {
    std::ifstream in(QRV_SOURCE_DIR "/src/export/exports.txt");
    std::set<std::string> names;
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) names.insert(line);
    return names;
}

struct DynamicSymbol {
    char kind;  // 'T' a definition, 'W' a weak stub, others
    std::string name;
};

std::vector<DynamicSymbol> read_dynamic_symbols() {
    std::string command = "nm -D --defined-only '" QRV_LIBQRVEX_PATH "'";
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
    std::size_t written = 0, stubs = 0;
    for (const auto &s : symbols) {
        EXPECT_TRUE(listed.count(s.name)) << "exported but not listed: " << s.name;
        if (s.kind == 'T') ++written;
        if (s.kind == 'W') ++stubs;
    }
    std::printf("exports written: %zu of %zu (weak stubs: %zu)\n", written, listed.size(), stubs);
    if (!QRV_WEAK_STUBS) {
        EXPECT_EQ(written, listed.size()) << "every listed name must be defined";
    }
}

}  // namespace
