#include "name_choices.hpp"

#include <qrvim.h>

namespace qrv::convert {

std::string join_choices(const std::vector<std::string> &names) {
    std::string out;
    for (size_t i = 0; i < names.size(); ++i) {
        if (i) out += i + 1 == names.size() ? " or " : ", ";
        out += names[i];
    }
    return out;
}

std::string input_name_choices() {
    std::vector<std::string> names;
    for (uint32_t i = 0; const IMFormatEntry *e = IMFormatEntryAt(i); ++i)
        if (e->Format != IM_FORMAT_AUTO) names.push_back(e->Name);
    return join_choices(names);
}

}  // namespace qrv::convert
