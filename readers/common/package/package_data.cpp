#include "package_data.hpp"

#include <algorithm>
#include <string>

namespace qrv::import {
namespace {

char lower_ascii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool ends_with_folded(std::string_view text, std::string_view end) {
    return text.size() >= end.size() &&
           std::equal(end.begin(), end.end(), text.end() - static_cast<std::ptrdiff_t>(end.size()),
                      [](char a, char b) { return lower_ascii(a) == lower_ascii(b); });
}

}  // namespace

bool is_package_data_part(std::string_view part) {
    if (part.starts_with('/')) part.remove_prefix(1);
    return (part.size() == 19 && ends_with_folded(part, "[content_types].xml")) || ends_with_folded(part, ".rels");
}

void drop_package_data_targets(std::string_view rels_part, std::vector<Relationship> &list, Diagnostics &diagnostics) {
    std::erase_if(list, [&](const Relationship &r) {
        if (r.external || !is_package_data_part(r.target)) return false;
        diagnostics.warn(std::string(rels_part) + ": relationship '" + r.id + "' leads to " + r.target +
                         ", which holds the package's own data, not a part of the document; it is left out");
        return true;
    });
}

}  // namespace qrv::import
