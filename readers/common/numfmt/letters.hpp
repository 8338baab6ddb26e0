// Letter case in format codes, where words and colour names match in any case.
#pragma once

#include <cctype>
#include <string_view>

namespace qrv::import::numfmt {

inline char lower_letter(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

// a and b hold the same ASCII letters, in any case.
inline bool same_letters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lower_letter(a[i]) != lower_letter(b[i])) return false;
    return true;
}

}  // namespace qrv::import::numfmt
