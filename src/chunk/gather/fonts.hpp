// Font slots of a text record: a font id and the font's name and value.
#pragma once

#include <qrvex/changes.h>

namespace qrv::gather {

// Looks the font up and, when the font store holds it, puts its name (cut
// to 80 characters; zero-terminated when shorter) and value into the slot.
// A font the store does not hold leaves the slot's name and value alone.
void look_up_font(CUTextChangeInfo &text, uint32_t slot, uint32_t font_id, CHHandle h);

}  // namespace qrv::gather
