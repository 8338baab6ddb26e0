#include "odt_white_space.hpp"

namespace qrv::import::odf {
namespace {

bool is_space(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

}  // namespace

// Most pieces show as they are (single spaces between words): those are
// given back unchanged, without a copy.
std::string_view WhiteSpace::shown(std::string_view piece) {
    size_t kept = 0;
    for (bool after = after_space_; kept < piece.size(); ++kept) {
        const char c = piece[kept];
        if (c == '\t' || c == '\n' || c == '\r' || (c == ' ' && after)) break;
        after = c == ' ';
    }
    if (kept == piece.size()) {
        if (!piece.empty()) after_space_ = piece.back() == ' ';
        return piece;
    }
    shown_.assign(piece.substr(0, kept));
    if (kept) after_space_ = piece[kept - 1] == ' ';
    for (const char c : piece.substr(kept)) {
        const bool space = is_space(c);
        if (space && after_space_) continue;
        shown_ += space ? ' ' : c;
        after_space_ = space;
    }
    return shown_;
}

}  // namespace qrv::import::odf
