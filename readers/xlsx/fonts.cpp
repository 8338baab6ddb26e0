#include "fonts.hpp"

namespace qrv::import::xlsx {

uint32_t Fonts::format_of(const FontSpec &font) {
    CharFormat f = switches_of(font);
    if (font.name != base_.name) f.font = fonts_.id_of(font.name);
    if (font.size != base_.size) f.size = font.size;
    if (font.colour != FontSpec::kNoColour) f.colour = font.colour;
    return formats_.number_of(f);
}

}  // namespace qrv::import::xlsx
