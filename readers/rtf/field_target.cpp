#include "field_target.hpp"

#include <vector>

namespace qrv::import::rtf {
namespace {

// The instruction's words; a quoted word keeps its spaces.
std::vector<std::string> words_of(std::string_view s) {
    std::vector<std::string> words;
    size_t at = 0;
    while (at < s.size()) {
        while (at < s.size() && (s[at] == ' ' || s[at] == '\t')) ++at;
        if (at >= s.size()) break;
        std::string word;
        if (s[at] == '"') {
            const size_t end = s.find('"', at + 1);
            word = s.substr(at + 1, end == std::string_view::npos ? std::string_view::npos : end - at - 1);
            at = end == std::string_view::npos ? s.size() : end + 1;
        } else {
            const size_t start = at;
            while (at < s.size() && s[at] != ' ' && s[at] != '\t') ++at;
            word = s.substr(start, at - start);
        }
        words.push_back(std::move(word));
    }
    return words;
}

}  // namespace

std::optional<std::string> hyperlink_target(std::string_view instruction) {
    const std::vector<std::string> words = words_of(instruction);
    if (words.empty() || words[0] != "HYPERLINK") return std::nullopt;
    std::string url, place;
    for (size_t i = 1; i < words.size(); ++i) {
        if (words[i] == "\\l" && i + 1 < words.size())
            place = words[++i];
        else if (words[i].size() == 2 && words[i][0] == '\\')
            ++i;  // a switch with its value: \o "tip", \t "frame"
        else if (url.empty())
            url = words[i];
    }
    if (!place.empty()) url += "#" + place;
    if (url.empty()) return std::nullopt;
    return url;
}

}  // namespace qrv::import::rtf
