// The fonts of a document, each given a font record of the chunker (store
// 12) the first time it is asked for.  The document's default font has a
// record of its own, marked as the default, so that a run can go back to it.
#pragma once

#include <cstdint>
#include <string_view>

#include "writer/font_table.hpp"

namespace qrv::import::textdoc {

class FontTable {
public:
    // default_font: the document's default font ("" when it names none).
    FontTable(DocumentWriter &out, std::string_view default_font);

    // The font id of a font name; "" is the default font.
    uint32_t id_of(std::string_view name);
    uint32_t default_id() const { return default_id_; }

private:
    import::FontTable records_;
    uint32_t default_id_ = 0;
};

}  // namespace qrv::import::textdoc
