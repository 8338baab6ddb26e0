#include "piece_table.hpp"

#include <algorithm>

#include "cfb/little_endian.hpp"
#include "cfb/windows_1252.hpp"
#include "core/error.hpp"

namespace qrv::import::doc {
namespace {

constexpr uint8_t kProperties = 1, kPieceTable = 2;
constexpr size_t kPieceDescriptor = 8;
constexpr uint32_t kCompressedBit = 0x40000000u;

// The piece table proper: the pieces' character positions, then a
// descriptor each.
std::vector<Piece> pieces_of(std::span<const uint8_t> plc) {
    if (plc.size() < 4 + 12) broken("the piece table holds no piece");
    const size_t count = (plc.size() - 4) / 12;
    std::vector<Piece> pieces;
    pieces.reserve(count);
    const uint8_t *descriptors = plc.data() + (count + 1) * 4;
    for (size_t i = 0; i < count; ++i) {
        Piece p;
        p.cp_start = le32(plc.data() + i * 4);
        p.cp_end = le32(plc.data() + (i + 1) * 4);
        const uint32_t fc = le32(descriptors + i * kPieceDescriptor + 2);
        p.compressed = fc & kCompressedBit;
        p.fc = p.compressed ? (fc & ~kCompressedBit) / 2 : fc;
        if (p.cp_end > p.cp_start) pieces.push_back(p);
    }
    return pieces;
}

}  // namespace

std::vector<Piece> read_pieces(std::span<const uint8_t> table, Span place) {
    if (place.offset > table.size() || place.length > table.size() - place.offset)
        broken("the piece table lies beyond the table stream");
    std::span<const uint8_t> clx = table.subspan(place.offset, place.length);
    // Formatting blocks of the pieces come first; each says its length.
    while (!clx.empty() && clx[0] == kProperties) {
        if (clx.size() < 3) break;
        const size_t length = le16(clx.data() + 1);
        if (3 + length > clx.size()) broken("a piece formatting block runs past the piece table");
        clx = clx.subspan(3 + length);
    }
    if (clx.size() < 5 || clx[0] != kPieceTable) broken("the piece table is missing");
    const size_t length = le32(clx.data() + 1);
    if (length > clx.size() - 5) broken("the piece table runs past the table stream");
    return pieces_of(clx.subspan(5, length));
}

DocText gather_text(std::span<const uint8_t> stream, const std::vector<Piece> &pieces, uint32_t length,
                    Diagnostics &diagnostics) {
    DocText text;
    bool short_piece = false;
    for (const Piece &p : pieces) {
        const uint32_t width = p.compressed ? 1 : 2;
        const auto [count, kept] = piece_extent(p, length, stream.size(), text.chars.size(), width);
        short_piece |= kept < count;
        for (uint32_t i = 0; i < kept; ++i) {
            const uint32_t fc = p.fc + i * width;
            text.chars += p.compressed ? windows_1252(stream[fc]) : static_cast<char16_t>(le16(stream.data() + fc));
            text.offsets.push_back(fc);
        }
    }
    if (short_piece) warn_short_pieces(diagnostics);
    return text;
}

PieceExtent piece_extent(const Piece &p, uint32_t length, size_t stream_bytes, size_t gathered, uint32_t width) {
    if (p.cp_start >= length) return {};
    const uint32_t wanted = std::min(p.cp_end, length) - p.cp_start;
    const size_t room = p.fc < stream_bytes ? (stream_bytes - p.fc) / width : 0;
    const size_t left = stream_bytes - std::min(stream_bytes, gathered);
    return {wanted, static_cast<uint32_t>(std::min<size_t>({wanted, room, left}))};
}

void warn_short_pieces(Diagnostics &diagnostics) {
    diagnostics.warn("a piece of the text lies beyond the WordDocument stream; it is left out");
}

}  // namespace qrv::import::doc
