#include "font_table.hpp"

#include <qrvmodel/conventions.hpp>

namespace qrv::import::textdoc {
namespace {

// What a document that names no default font is shown in.
constexpr std::string_view kFallbackFont = "Times New Roman";

}  // namespace

FontTable::FontTable(DocumentWriter &out, std::string_view default_font)
    : records_(out),
      default_id_(records_.id_of(default_font.empty() ? kFallbackFont : default_font, model::kDefaultFontBit)) {}

uint32_t FontTable::id_of(std::string_view name) { return name.empty() ? default_id_ : records_.id_of(name); }

}  // namespace qrv::import::textdoc
