#include "font_table.hpp"

#include "utf16.hpp"

namespace qrv::import {

uint32_t FontTable::id_of(std::string_view utf8_name, uint32_t value) {
    if (utf8_name.empty()) return 0;
    auto found = ids_.find(std::string(utf8_name));
    if (found != ids_.end()) return found->second;
    const uint32_t id = static_cast<uint32_t>(ids_.size() + 1);
    writer_.font(id, utf16_of(utf8_name), 0, value);
    ids_.emplace(utf8_name, id);
    return id;
}

}  // namespace qrv::import
