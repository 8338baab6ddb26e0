#include "odt_white_space.hpp"

#include <bit>
#include <cstdint>
#include <cstring>

namespace qrv::import::odf {
namespace {

bool is_space(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

constexpr uint64_t kOnes = 0x0101010101010101ull, kHighs = 0x8080808080808080ull;

// The high bit of each byte of eight that is a space, and of no other.
uint64_t spaces_of(uint64_t eight) {
    const uint64_t x = eight ^ (kOnes * ' ');
    return ~(((x & ~kHighs) + ~kHighs) | x | ~kHighs);
}

// How many bytes from kept show as they are, eight at a time: none below
// a space (in XML character data those are tabs and line ends), no two
// spaces side by side and none after a space.  Stops at the first eight
// that hold anything else; after says whether the last byte taken is a
// space.  The first of eight bytes is the lowest of the number they make
// only in little-endian order; elsewhere the bytes go one by one.
size_t shown_by_eights(std::string_view piece, size_t kept, bool &after) {
    if constexpr (std::endian::native != std::endian::little) return kept;
    for (uint64_t eight; kept + 8 <= piece.size(); kept += 8) {
        std::memcpy(&eight, piece.data() + kept, 8);
        const bool below_space = (eight - kOnes * ' ') & ~eight & kHighs;
        const uint64_t spaces = spaces_of(eight);
        if (below_space || (spaces & (spaces >> 8)) || (after && (spaces & 0x80))) break;
        after = spaces >> 63;
    }
    return kept;
}

}  // namespace

// Most pieces show as they are (single spaces between words): those are
// given back unchanged, without a copy.
std::string_view WhiteSpace::shown(std::string_view piece) {
    bool after = after_space_;
    size_t kept = shown_by_eights(piece, 0, after);
    for (; kept < piece.size(); ++kept) {
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
