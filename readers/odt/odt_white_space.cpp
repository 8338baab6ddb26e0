#include "odt_white_space.hpp"

namespace qrv::import::odf {

std::string WhiteSpace::shown(std::string_view piece) {
    std::string out;
    out.reserve(piece.size());
    for (const char c : piece) {
        const bool space = c == ' ' || c == '\t' || c == '\n' || c == '\r';
        if (space && after_space_) continue;
        out += space ? ' ' : c;
        after_space_ = space;
    }
    return out;
}

}  // namespace qrv::import::odf
