// The exported surface of the library (libqrvex.so, qrvex.dll) is exactly
// the names of exports.txt, and what libqrvex.so imports shows that it never
// uses the language heap.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <qrvplatform/platform.h>
#endif

#include <array>
#include <cstdio>
#include <fstream>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Each line of the list: an exported name, then the header declaring it.
struct ListedExport {
    std::string name, header;
};

std::vector<ListedExport> read_listed_exports() {
    std::ifstream in(QRV_SOURCE_DIR "/src/export/exports.txt");
    std::vector<ListedExport> listed;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        ListedExport e;
        if (words >> e.name) words >> e.header, listed.push_back(e);
    }
    return listed;
}

std::set<std::string> read_export_list() {
    std::set<std::string> names;
    for (const ListedExport &e : read_listed_exports()) names.insert(e.name);
    return names;
}

struct DynamicSymbol {
    char kind;  // 'T' a function definition, others
    std::string name;
};

#ifdef _WIN32

bool is_code(const IMAGE_NT_HEADERS *nt, DWORD rva) {
    const IMAGE_SECTION_HEADER *section = IMAGE_FIRST_SECTION(nt);
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section)
        if (rva >= section->VirtualAddress && rva < section->VirtualAddress + section->Misc.VirtualSize)
            return (section->Characteristics & IMAGE_SCN_MEM_EXECUTE) != 0;
    return false;
}

// Every entry of qrvex.dll's export directory, as loaded in this process:
// 'T' for code, 'D' for anything else; an entry without a name is "#n".
std::vector<DynamicSymbol> read_dynamic_symbols() {
    std::vector<DynamicSymbol> symbols;
    const auto *base = reinterpret_cast<const unsigned char *>(GetModuleHandleA("qrvex.dll"));
    if (!base) return symbols;
    const auto *nt =
        reinterpret_cast<const IMAGE_NT_HEADERS *>(base + reinterpret_cast<const IMAGE_DOS_HEADER *>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY &dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    const auto *exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY *>(base + dir.VirtualAddress);
    const auto *functions = reinterpret_cast<const DWORD *>(base + exports->AddressOfFunctions);
    const auto *names = reinterpret_cast<const DWORD *>(base + exports->AddressOfNames);
    const auto *ordinals = reinterpret_cast<const WORD *>(base + exports->AddressOfNameOrdinals);
    for (DWORD f = 0; f < exports->NumberOfFunctions; ++f) {
        if (!functions[f]) continue;
        std::string name = "#" + std::to_string(f + exports->Base);
        for (DWORD n = 0; n < exports->NumberOfNames; ++n)
            if (ordinals[n] == f) name = reinterpret_cast<const char *>(base + names[n]);
        symbols.push_back({is_code(nt, functions[f]) ? 'T' : 'D', name});
    }
    return symbols;
}

#else

std::vector<DynamicSymbol> read_dynamic_symbols(const char *which = "--defined-only") {
    std::string command = std::string("nm -D ") + which + " '" QRV_LIBQRVEX_PATH "'";
    std::unique_ptr<FILE, int (*)(FILE *)> pipe(popen(command.c_str(), "r"), pclose);
    std::vector<DynamicSymbol> symbols;
    if (!pipe) return symbols;
    std::array<char, 512> line{};
    while (std::fgets(line.data(), line.size(), pipe.get())) {
        std::istringstream fields(line.data());
        std::string address, kind, name;
        if (fields >> address >> kind >> name)
            symbols.push_back({kind[0], name});
        else if (std::istringstream(line.data()) >> kind >> name)
            symbols.push_back({kind[0], name});
    }
    return symbols;
}

#endif

std::string read_text(const std::string &path) {
    std::ifstream in(path);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

// The header a line names declares that function, so the list says where
// each export's contract is written.
TEST(ExportSurface, EachListedNameIsDeclaredByItsHeader) {
    const auto listed = read_listed_exports();
    ASSERT_EQ(listed.size(), 153u);
    EXPECT_EQ(read_export_list().size(), listed.size()) << "a name is listed twice";
    for (const ListedExport &e : listed) {
        ASSERT_EQ(e.header.rfind("qrvex/", 0), 0u) << e.name << " names '" << e.header << "'";
        const std::string text = read_text(QRV_SOURCE_DIR "/include/" + e.header);
        ASSERT_FALSE(text.empty()) << e.header;
        const std::regex declared("\\b" + e.name + "\\s*\\(");
        EXPECT_TRUE(std::regex_search(text, declared)) << e.header << " does not declare " << e.name;
    }
}

TEST(ExportSurface, OnlyListedNamesAreExported) {
    const auto listed = read_export_list();
    ASSERT_EQ(listed.size(), 153u);
    const auto symbols = read_dynamic_symbols();
    ASSERT_FALSE(symbols.empty()) << "no exports found in " QRV_LIBQRVEX_PATH;
    std::set<std::string> defined;
    for (const auto &s : symbols) {
        EXPECT_TRUE(listed.count(s.name)) << "exported but not listed: " << s.name;
        EXPECT_EQ(s.kind, 'T') << s.name << " is not a plain function definition";
        defined.insert(s.name);
    }
    for (const auto &name : listed) EXPECT_TRUE(defined.count(name)) << "listed but not exported: " << name;
    EXPECT_EQ(symbols.size(), listed.size());
}

#ifndef _WIN32
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
#endif

}  // namespace
