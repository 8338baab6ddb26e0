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
constexpr uint16_t kListOfChanges = 0x0001;

// The codes of the changes a descriptor can hold itself, by their index
// (the character and paragraph changes this reader applies; the others
// are passed over).  Each takes a byte.
uint16_t short_change_code(uint8_t index) {
    switch (index) {
    case 0x05: return 0x2403;  // alignment
    case 0x07: return 0x2405;  // keep together
    case 0x08: return 0x2406;  // keep with next
    case 0x09: return 0x2407;  // page break before
    case 0x0C: return 0x260A;  // list level
    case 0x18: return 0x2416;  // in a table
    case 0x19: return 0x2417;  // ends a row
    case 0x41: return 0x0800;  // deleted
    case 0x43: return 0x0802;  // a field's hidden code
    case 0x4D: return 0x2A0C;  // highlight
    case 0x55: return 0x0835;  // bold
    case 0x56: return 0x0836;  // italic
    case 0x57: return 0x0837;  // strike
    case 0x5A: return 0x083A;  // small capitals
    case 0x5B: return 0x083B;  // capitals
    case 0x5C: return 0x083C;  // hidden
    case 0x5E: return 0x2A3E;  // underline
    default: return 0;
    }
}

// The changes a descriptor's modifier names: one it codes itself, or the
// list of changes it indexes.
std::string changes_of(uint16_t modifier, const std::vector<std::span<const uint8_t>> &lists) {
    if (modifier & kListOfChanges) {
        const size_t index = modifier >> 1;
        return index < lists.size() ? std::string(lists[index].begin(), lists[index].end()) : std::string();
    }
    const uint16_t code = short_change_code(static_cast<uint8_t>(modifier >> 1 & 0x7F));
    if (code == 0) return {};
    return {static_cast<char>(code & 0xFF), static_cast<char>(code >> 8), static_cast<char>(modifier >> 8)};
}

// The piece table proper: the pieces' character positions, then a
// descriptor each.
std::vector<Piece> pieces_of(std::span<const uint8_t> plc, const std::vector<std::span<const uint8_t>> &lists) {
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
        p.changes = changes_of(le16(descriptors + i * kPieceDescriptor + 6), lists);
        if (p.cp_end > p.cp_start) pieces.push_back(std::move(p));
    }
    return pieces;
}

}  // namespace

std::vector<Piece> read_pieces(std::span<const uint8_t> table, Span place) {
    if (place.offset > table.size() || place.length > table.size() - place.offset)
        broken("the piece table lies beyond the table stream");
    std::span<const uint8_t> clx = table.subspan(place.offset, place.length);
    // Lists of the pieces' property changes come first; each says its length.
    std::vector<std::span<const uint8_t>> lists;
    while (!clx.empty() && clx[0] == kProperties) {
        if (clx.size() < 3) break;
        const size_t length = le16(clx.data() + 1);
        if (3 + length > clx.size()) broken("a piece formatting block runs past the piece table");
        lists.push_back(clx.subspan(3, length));
        clx = clx.subspan(3 + length);
    }
    if (clx.size() < 5 || clx[0] != kPieceTable) broken("the piece table is missing");
    const size_t length = le32(clx.data() + 1);
    if (length > clx.size() - 5) broken("the piece table runs past the table stream");
    return pieces_of(clx.subspan(5, length), lists);
}

std::span<const uint8_t> DocText::changes_at(uint32_t cp) const {
    const auto after = std::upper_bound(changes.begin(), changes.end(), cp,
                                        [](uint32_t at, const PieceChanges &p) { return at < p.cp_start; });
    if (after == changes.begin() || cp >= std::prev(after)->cp_end) return {};
    const std::string &bytes = std::prev(after)->changes;
    return {reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size()};
}

DocText gather_text(std::span<const uint8_t> stream, const std::vector<Piece> &pieces, uint32_t length,
                    Diagnostics &diagnostics) {
    DocText text;
    bool short_piece = false;
    for (const Piece &p : pieces) {
        const uint32_t width = p.compressed ? 1 : 2;
        const auto [count, kept] = piece_extent(p, length, stream.size(), text.chars.size(), width);
        short_piece |= kept < count;
        if (!p.changes.empty() && kept > 0) {
            const uint32_t first = static_cast<uint32_t>(text.chars.size());
            text.changes.push_back({first, first + kept, p.changes});
        }
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
