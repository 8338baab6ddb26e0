#include "csv_parts.hpp"

#include <qrvfilters.h>

#include <filesystem>
#include <set>

namespace qrv::tool {
namespace {

constexpr uint32_t kPartBits = ~((1u << QRV_FILTER_CSV_PART_SHIFT) - 1);

bool stands_for_output(const Arguments &args) { return !args.output.empty() && args.output != "-"; }

uint32_t with_part(uint32_t word, size_t part) {
    return (word & ~kPartBits) | (static_cast<uint32_t>(part) << QRV_FILTER_CSV_PART_SHIFT);
}

// "book.csv" and "Sales" give "book-Sales.csv"; names already given get a
// number after them.
std::string part_path(const std::string &output, const std::string &label, std::set<std::string> &taken) {
    const std::filesystem::path path(output);
    std::string name = label;
    for (int n = 2; taken.contains(name); ++n) name = label + "-" + std::to_string(n);
    taken.insert(name);
    const std::string file = path.stem().string() + "-" + name + path.extension().string();
    return (path.parent_path() / file).string();
}

}  // namespace

std::vector<CsvPart> parse_part_list(std::string_view list) {
    std::vector<CsvPart> parts;
    while (!list.empty()) {
        const size_t end = list.find('\n');
        const std::string_view line = list.substr(0, end);
        const size_t tab = line.find('\t');
        parts.push_back({line.substr(0, tab) == "sheet",
                         tab == std::string_view::npos ? std::string() : std::string(line.substr(tab + 1))});
        if (end == std::string_view::npos) break;
        list.remove_prefix(end + 1);
    }
    return parts;
}

std::string safe_file_name(std::string_view name) {
    std::string out;
    for (char c : name) {
        const bool refused = std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos ||
                             static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
        out += refused ? '_' : c;
    }
    const size_t first = out.find_first_not_of(" .");
    if (first == std::string::npos) return {};
    return out.substr(first, out.find_last_not_of(" .") - first + 1);
}

bool plan_csv_files(const Arguments &args, const std::vector<CsvPart> &parts, std::vector<CsvFile> &files,
                    std::string &error) {
    files.clear();
    if (parts.empty()) return error = "the document has no sheet or table to write as CSV", false;
    if (!args.sheet_name.empty()) {
        for (size_t i = 0; i < parts.size(); ++i)
            if (parts[i].sheet && parts[i].name == args.sheet_name)
                return files.push_back({args.output, with_part(args.option_word, i + 1)}), true;
        return error = "the document has no sheet named '" + args.sheet_name + "'", false;
    }
    if ((args.option_word & kPartBits) || parts.size() == 1 || !stands_for_output(args))
        return files.push_back({args.output, args.option_word}), true;
    std::set<std::string> taken;
    for (size_t i = 0; i < parts.size(); ++i) {
        std::string label = parts[i].sheet ? safe_file_name(parts[i].name) : "";
        if (label.empty()) label = (parts[i].sheet ? "sheet-" : "table-") + std::to_string(i + 1);
        files.push_back({part_path(args.output, label, taken), with_part(args.option_word, i + 1)});
    }
    return true;
}

}  // namespace qrv::tool
