// The error codes of binary workbooks' cells, as the cells show them.
#pragma once

#include <cstdint>

namespace qrv::import::xls {

inline const char16_t *error_code_text(uint8_t code) {
    switch (code) {
    case 0x00: return u"#NULL!";
    case 0x07: return u"#DIV/0!";
    case 0x0F: return u"#VALUE!";
    case 0x17: return u"#REF!";
    case 0x1D: return u"#NAME?";
    case 0x24: return u"#NUM!";
    case 0x2A: return u"#N/A";
    case 0x2B: return u"#GETTING_DATA";
    default: return u"#N/A";
    }
}

}  // namespace qrv::import::xls
