#include "font_table.hpp"

#include <conventions.hpp>

#include "../build/utf16.hpp"

namespace qrv::import::textdoc {
namespace {

// What a document that names no default font is shown in.
constexpr std::string_view kFallbackFont = "Times New Roman";

}  // namespace

FontTable::FontTable(DocumentWriter &out, std::string_view default_font) : out_(out) {
    default_id_ = add(default_font.empty() ? kFallbackFont : default_font, filters::kDefaultFontBit);
}

uint32_t FontTable::add(std::string_view name, uint32_t value) {
    const uint32_t id = static_cast<uint32_t>(ids_.size() + 1);
    out_.font(id, utf16_of(name), 0, value);
    ids_.emplace(std::string(name), id);
    return id;
}

uint32_t FontTable::id_of(std::string_view name) {
    if (name.empty()) return default_id_;
    if (auto found = ids_.find(name); found != ids_.end()) return found->second;
    return add(name, 0);
}

}  // namespace qrv::import::textdoc
