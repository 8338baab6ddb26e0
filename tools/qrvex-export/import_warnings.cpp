#include "import_warnings.hpp"

#include <charconv>
#include <string>

namespace qrv::tool {
namespace {

constexpr std::string_view kNote = "note: ";

// How many notes a note line stands for: "note: 12 more notes" for twelve.
size_t notes_in(std::string_view line) {
    std::string_view rest = line.substr(kNote.size());
    size_t count = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), count);
    if (error == std::errc() && std::string_view(end, rest.data() + rest.size() - end) == " more notes") return count;
    return 1;
}

}  // namespace

void report_import_warnings(std::string_view message, bool verbose, ExportObserver &observer) {
    std::string shown;
    size_t kept_back = 0;
    while (!message.empty()) {
        const size_t end = message.find('\n');
        const std::string_view line = message.substr(0, end);
        message.remove_prefix(end == std::string_view::npos ? message.size() : end + 1);
        if (line.empty()) continue;
        if (!verbose && line.starts_with(kNote)) {
            kept_back += notes_in(line);
            continue;
        }
        if (!shown.empty()) shown += '\n';
        shown += line;
    }
    if (kept_back) {
        if (!shown.empty()) shown += '\n';
        shown += std::to_string(kept_back) + (kept_back == 1 ? " warning" : " warnings") + " (--verbose shows them)";
    }
    if (!shown.empty()) observer.warning(shown);
}

}  // namespace qrv::tool
