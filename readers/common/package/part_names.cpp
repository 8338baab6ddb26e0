#include "part_names.hpp"

#include <vector>

#include "core/hex_digit.hpp"

namespace qrv::import {
namespace {

std::string percent_decoded(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size()) {
            const int hi = hex_value(s[i + 1]), lo = hex_value(s[i + 2]);
            if (hi >= 0 && lo >= 0) {
                out += static_cast<char>(hi * 16 + lo);
                i += 2;
                continue;
            }
        }
        out += s[i];
    }
    return out;
}

}  // namespace

std::string_view folder_of(std::string_view part) {
    const size_t slash = part.rfind('/');
    return slash == std::string_view::npos ? std::string_view{} : part.substr(0, slash + 1);
}

std::string resolve_target(std::string_view source_part, std::string_view target) {
    if (const size_t hash = target.find('#'); hash != std::string_view::npos) target = target.substr(0, hash);
    std::string path = target.starts_with('/') ? std::string(target.substr(1))
                                               : std::string(folder_of(source_part)) + std::string(target);
    std::vector<std::string> steps;
    size_t start = 0;
    while (start <= path.size()) {
        size_t slash = path.find_first_of("/\\", start);
        if (slash == std::string::npos) slash = path.size();
        const std::string_view step(path.data() + start, slash - start);
        if (step == "..") {
            if (!steps.empty()) steps.pop_back();
        } else if (!step.empty() && step != ".") {
            steps.emplace_back(step);
        }
        start = slash + 1;
    }
    std::string joined;
    for (const auto &s : steps) {
        if (!joined.empty()) joined += '/';
        joined += s;
    }
    return percent_decoded(joined);
}

std::string relationships_part(std::string_view source_part) {
    const std::string_view folder = folder_of(source_part);
    const std::string_view file = source_part.substr(folder.size());
    return std::string(folder) + "_rels/" + std::string(file) + ".rels";
}

}  // namespace qrv::import
