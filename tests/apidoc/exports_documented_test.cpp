// Every exported function is documented where it is declared: a /** ... */
// comment stands directly before its declaration in include/qrvex/, with an
// @param for every named parameter and an @return unless it returns void.
//
// The export list holds one name a line, optionally followed by the header
// that declares it ("Name" or "Name header.h"); '#' starts a comment.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct ExportEntry {
    std::string name;
    std::string header;  // empty when the list does not say
};

std::vector<ExportEntry> parseExportList(const std::string &text) {
    std::vector<ExportEntry> entries;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        ExportEntry entry;
        if (!(words >> entry.name)) continue;
        words >> entry.header;
        entries.push_back(entry);
    }
    return entries;
}

// One piece of a header: a comment, a preprocessor line or a statement of
// code (up to and including ';', '{' or '}' outside parentheses).
struct Piece {
    enum Kind { Comment, Preprocessor, Code } kind;
    std::string text;
};

std::vector<Piece> splitHeader(const std::string &s) {
    std::vector<Piece> pieces;
    std::string code;
    int depth = 0;
    bool lineStart = true;
    auto flushCode = [&] {
        const bool blank = std::all_of(code.begin(), code.end(), [](unsigned char c) { return std::isspace(c); });
        if (!blank) pieces.push_back({Piece::Code, code});
        code.clear();
    };
    for (size_t i = 0; i < s.size();) {
        if (s.compare(i, 2, "/*") == 0) {
            flushCode();
            const size_t end = s.find("*/", i + 2);
            const size_t stop = end == std::string::npos ? s.size() : end + 2;
            pieces.push_back({Piece::Comment, s.substr(i, stop - i)});
            i = stop;
            lineStart = false;
            continue;
        }
        if (s.compare(i, 2, "//") == 0) {
            flushCode();
            const size_t end = s.find('\n', i);
            const size_t stop = end == std::string::npos ? s.size() : end;
            pieces.push_back({Piece::Comment, s.substr(i, stop - i)});
            i = stop;
            continue;
        }
        const char c = s[i];
        if (lineStart && c == '#') {
            flushCode();
            size_t end = i;
            while (end < s.size() && (s[end] != '\n' || (end > i && s[end - 1] == '\\'))) ++end;
            pieces.push_back({Piece::Preprocessor, s.substr(i, end - i)});
            i = end;
            continue;
        }
        if (c == '\n')
            lineStart = true;
        else if (!std::isspace(static_cast<unsigned char>(c)))
            lineStart = false;
        code += c;
        ++i;
        if (c == '(')
            ++depth;
        else if (c == ')')
            --depth;
        else if (depth == 0 && (c == ';' || c == '{' || c == '}'))
            flushCode();
    }
    flushCode();
    return pieces;
}

struct Declaration {
    std::string returnType;               // without the export attribute
    std::vector<std::string> parameters;  // names; unnamed ones left out
};

std::string trim(const std::string &s) {
    const auto b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t\r\n") - b + 1);
}

// The name a parameter declares, or "" when it has none.
std::string parameterName(const std::string &parameter) {
    static const std::regex pointerToFunction(R"(\(\s*\*\s*([A-Za-z_]\w*)\s*\))");
    std::smatch m;
    if (std::regex_search(parameter, m, pointerToFunction)) return m[1];
    static const std::set<std::string> notNames = {"const", "volatile", "restrict", "struct", "enum",
                                                   "union", "unsigned", "signed",   "void"};
    static const std::regex identifier(R"([A-Za-z_]\w*)");
    std::vector<std::string> words;
    const std::string plain = std::regex_replace(parameter, std::regex(R"(\[[^\]]*\])"), "");
    for (auto it = std::sregex_iterator(plain.begin(), plain.end(), identifier); it != std::sregex_iterator(); ++it)
        if (!notNames.count(it->str())) words.push_back(it->str());
    // A type alone ("uint32_t", "const char *") names nothing.
    return words.size() >= 2 ? words.back() : std::string();
}

// Parses "RET NAME(PARAMS);" when the statement declares the function NAME.
bool parseDeclaration(const std::string &statement, const std::string &name, Declaration &out) {
    if (statement.find(name) == std::string::npos) return false;
    const std::regex declarator("(^|[^\\w])" + name + "\\s*\\(");
    std::smatch m;
    if (!std::regex_search(statement, m, declarator) || statement.back() != ';') return false;
    if (statement.find("typedef") != std::string::npos) return false;
    const size_t nameAt = m.position(0) + m[1].length();
    const size_t open = statement.find('(', nameAt);
    std::string ret = statement.substr(0, nameAt);
    ret = std::regex_replace(ret, std::regex(R"(\bQRVAPI\b|\bextern\b|\bQRV_EXTERN_C\b)"), " ");
    ret = std::regex_replace(trim(ret), std::regex(R"(\s+)"), " ");
    if (ret.empty()) return false;
    out.returnType = ret;
    out.parameters.clear();
    int depth = 0;
    std::string current;
    for (size_t i = open + 1; i < statement.size(); ++i) {
        const char c = statement[i];
        if (c == '(') ++depth;
        if (c == ')' && depth-- == 0) {
            if (const auto n = parameterName(current); !n.empty()) out.parameters.push_back(n);
            break;
        }
        if (c == ',' && depth == 0) {
            if (const auto n = parameterName(current); !n.empty()) out.parameters.push_back(n);
            current.clear();
            continue;
        }
        current += c;
    }
    return true;
}

using SplitHeaders = std::map<std::string, std::vector<Piece>>;  // file name -> pieces

SplitHeaders splitAll(const std::map<std::string, std::string> &headers) {
    SplitHeaders split;
    for (const auto &[file, text] : headers) split[file] = splitHeader(text);
    return split;
}

// What is wrong with the documentation of NAME in these headers; "" when
// nothing is.
std::string checkDocumented(const std::string &name, const SplitHeaders &headers) {
    std::vector<std::string> problems;
    int found = 0;
    for (const auto &[file, pieces] : headers) {
        for (size_t i = 0; i < pieces.size(); ++i) {
            Declaration decl;
            if (pieces[i].kind != Piece::Code || !parseDeclaration(trim(pieces[i].text), name, decl)) continue;
            ++found;
            const std::string where = file + ": " + name;
            if (i == 0 || pieces[i - 1].kind != Piece::Comment || pieces[i - 1].text.rfind("/**", 0) != 0 ||
                pieces[i - 1].text.rfind("/**/", 0) == 0) {
                problems.push_back(where + " has no /** ... */ comment directly before its declaration");
                continue;
            }
            const std::string &doc = pieces[i - 1].text;
            for (const auto &p : decl.parameters) {
                const std::regex param(R"([@\\]param(\s*\[[^\]]*\])?\s+)" + p + R"(\b)");
                if (!std::regex_search(doc, param)) problems.push_back(where + ": no @param for " + p);
            }
            if (decl.returnType != "void" && !std::regex_search(doc, std::regex(R"([@\\](return|returns|retval)\b)")))
                problems.push_back(where + ": returns " + decl.returnType + " but has no @return");
        }
    }
    if (found == 0)
        problems.push_back(name + " is not declared in the headers");
    else if (found > 1)
        problems.push_back(name + " is declared " + std::to_string(found) + " times");
    std::string all;
    for (const auto &p : problems) all += p + "\n";
    return all;
}

std::string readFile(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

const fs::path kHeaders = fs::path(QRV_SOURCE_DIR) / "include" / "qrvex";
const fs::path kExportList = fs::path(QRV_SOURCE_DIR) / "src" / "export" / "exports.txt";

TEST(ExportsDocumented, EveryExportHasACommentWithItsParametersAndResult) {
    const auto entries = parseExportList(readFile(kExportList));
    ASSERT_FALSE(entries.empty()) << kExportList;
    std::map<std::string, std::string> texts;
    for (const auto &f : fs::directory_iterator(kHeaders))
        if (f.path().extension() == ".h") texts[f.path().filename().string()] = readFile(f.path());
    ASSERT_FALSE(texts.empty()) << kHeaders;
    const SplitHeaders all = splitAll(texts);
    std::set<std::string> seen;
    size_t bad = 0;
    for (const auto &e : entries) {
        EXPECT_TRUE(seen.insert(e.name).second) << e.name << " is listed twice";
        SplitHeaders where = all;
        if (!e.header.empty()) {
            where.clear();
            const auto it = all.find(fs::path(e.header).filename().string());
            if (it == all.end()) {
                ADD_FAILURE() << e.name << ": the list names " << e.header << ", which is not in " << kHeaders;
                ++bad;
                continue;
            }
            where.insert(*it);
        }
        const std::string problems = checkDocumented(e.name, where);
        if (!problems.empty()) {
            ++bad;
            ADD_FAILURE() << problems;
        }
    }
    EXPECT_EQ(bad, 0u) << "of " << entries.size() << " exports";
}

// The checker itself: each fault it exists to catch is caught.
TEST(ExportsDocumented, ListAcceptsNamesWithOrWithoutTheirHeader) {
    const auto e = parseExportList("# exports\n\nMUInit\n  LUAddItem lists.h  # a comment\r\nFUDate\n");
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(e[0].name, "MUInit");
    EXPECT_EQ(e[0].header, "");
    EXPECT_EQ(e[1].name, "LUAddItem");
    EXPECT_EQ(e[1].header, "lists.h");
    EXPECT_EQ(e[2].name, "FUDate");
}

TEST(ExportsDocumented, CheckerCatchesMissingAndIncompleteComments) {
    const auto check = [](const std::string &text) { return checkDocumented("F", splitAll({{"h.h", text}})); };
    const std::string good =
        "/** Does it.\n * @param a first\n * @param cb called\n * @return 0 */\n"
        "QRVAPI uint32_t F(uint32_t a, uint32_t (*cb)(int), CHHandle);\n";
    EXPECT_EQ(check(good), "");
    EXPECT_EQ(check("/** Does it. @param[in] p x */\nQRVAPI void F(void *p);"), "");
    EXPECT_EQ(check("/** Does it. */ QRVAPI void F(void);"), "");

    EXPECT_NE(check("QRVAPI void F(void);"), "") << "no comment";
    EXPECT_NE(check("/* Plain. */\nQRVAPI void F(void);"), "") << "not a doc comment";
    EXPECT_NE(check("/** Other. */\nQRVAPI void G(void);\nQRVAPI void F(void);"), "")
        << "the comment belongs to the declaration before";
    EXPECT_NE(check("/** Does it.\n * @param a x */\nQRVAPI void F(uint32_t a, uint32_t b);"), "") << "b missing";
    EXPECT_NE(check("/** Does it.\n * @param ab x */\nQRVAPI void F(uint32_t a);"), "") << "a is not ab";
    EXPECT_NE(check("/** Does it. @param cb x */\nQRVAPI void F(int (*cb)(int), int n);"), "") << "n missing";
    EXPECT_NE(check("/** Does it. */\nQRVAPI void *F(void);"), "") << "a pointer result needs @return";
    EXPECT_NE(check("/** Does it. */\nQRVAPI uint32_t FX(void);"), "") << "FX is not F";
    EXPECT_NE(check("/** Does it. */ QRVAPI void F(void);\n/** Again. */ QRVAPI void F(void);"), "")
        << "declared twice";
    EXPECT_EQ(check("/** Type. */ typedef uint32_t (*F)(uint32_t a);\n/** Does it. */ QRVAPI void F(void);"), "")
        << "a typedef is not the declaration";
}

}  // namespace
