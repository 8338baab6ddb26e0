#include "word6_text.hpp"

#include <algorithm>

#include "cfb/code_page.hpp"

namespace qrv::import::doc {
namespace {

constexpr uint16_t kMacRoman = 10000;

uint16_t chinese_code_page(uint16_t language) {
    const uint16_t region = language >> 10;
    return region == 2 || region == 4 ? 936 : 950;  // the PRC and Singapore write simplified characters
}

// The pieces of the main text: as the piece table places them (every piece
// 8-bit, at its own offset), or one from the start of the text.
std::vector<Piece> main_pieces(std::span<const uint8_t> stream, const Fib &fib) {
    const uint32_t length = fib.story_length[static_cast<size_t>(Story::Main)];
    if (!fib.complex) return {Piece{0, length, fib.text_start, true, {}}};
    std::vector<Piece> pieces = read_pieces(stream, fib.table(Table::Pieces));
    for (Piece &p : pieces) p.compressed = true;
    return pieces;
}

}  // namespace

uint16_t code_page_of_language(uint16_t language) {
    switch (language & 0x3FF) {
    case 0x05: case 0x0E: case 0x15: case 0x18: case 0x1B: case 0x1C: case 0x24: return 1250;
    case 0x1A: return language == 0x0C1A ? 1251 : 1250;  // Serbian in Cyrillic, else Croatian and Latin Serbian
    case 0x02: case 0x19: case 0x22: case 0x23: case 0x2F: return 1251;
    case 0x08: return 1253;
    case 0x1F: return 1254;
    case 0x0D: return 1255;
    case 0x01: case 0x20: case 0x29: return 1256;
    case 0x25: case 0x26: case 0x27: return 1257;
    case 0x2A: return 1258;
    case 0x1E: return 874;
    case 0x11: return 932;
    case 0x12: return 949;
    case 0x04: return chinese_code_page(language);
    default: return 1252;
    }
}

DocText word6_text(std::span<const uint8_t> stream, const Fib &fib, Diagnostics &diagnostics) {
    CodePage page;
    page.set(fib.mac_characters ? kMacRoman : code_page_of_language(fib.language));
    const uint32_t length = fib.story_length[static_cast<size_t>(Story::Main)];
    DocText text;
    bool short_piece = false;
    for (const Piece &p : main_pieces(stream, fib)) {
        const auto [count, kept] = piece_extent(p, length, stream.size(), text.chars.size(), 1);
        short_piece |= kept < count;
        if (kept == 0) continue;
        const std::u16string chars = page.decode(stream.subspan(p.fc, kept));
        text.chars += chars;
        // Formatting is not read, so a character's offset only has to lie in its piece.
        for (size_t i = 0; i < chars.size(); ++i) text.offsets.push_back(p.fc + std::min<uint32_t>(i, kept - 1));
    }
    if (short_piece) warn_short_pieces(diagnostics);
    return text;
}

}  // namespace qrv::import::doc
