#include "table_rows.hpp"

#include <algorithm>

#include "cfb/little_endian.hpp"

namespace qrv::import::doc {
namespace {

using rtf::HorizontalMerge;
using textdoc::VerticalMerge;

constexpr size_t kCountAt = 2, kEdgesAt = 3, kEdge = 2, kCellRecord = 20;

HorizontalMerge horizontal_of(uint16_t flags) {
    switch (flags & 0x03) {
    case 0: return HorizontalMerge::None;
    case 1: return HorizontalMerge::Continued;
    default: return HorizontalMerge::First;
    }
}

// Two bits: the cell is merged with the one above; it starts the merge.
VerticalMerge vertical_of(uint32_t flags) {
    switch (flags & 0x03) {
    case 1: return VerticalMerge::Covered;
    case 3: return VerticalMerge::Restart;
    default: return VerticalMerge::None;
    }
}

int32_t edge_at(std::span<const uint8_t> operand, size_t index) {
    return static_cast<int16_t>(le16(operand.data() + kEdgesAt + index * kEdge));
}

}  // namespace

bool apply_table_definition(std::span<const uint8_t> operand, rtf::RowDefinition &row) {
    row.cells.clear();
    if (operand.size() <= kCountAt) return false;
    const size_t count = operand[kCountAt];
    const size_t edges = (operand.size() - kEdgesAt) / kEdge;
    const size_t read = std::min({count, edges ? edges - 1 : 0, rtf::RowDefinition::kMaxCells});
    const int32_t left = read ? edge_at(operand, 0) : 0;
    const size_t records = kEdgesAt + (count + 1) * kEdge;
    for (size_t i = 0; i < read; ++i) {
        rtf::CellDefinition cell;
        cell.right = std::max(edge_at(operand, i + 1) - left, 0);
        const size_t record = records + i * kCellRecord;
        if (record + kCellRecord <= operand.size()) {
            const uint16_t flags = le16(operand.data() + record);
            cell.horizontal = horizontal_of(flags);
            cell.vertical = vertical_of(flags >> 5);
        }
        row.cells.push_back(cell);
    }
    return read == count;
}

void apply_vertical_merge(std::span<const uint8_t> operand, rtf::RowDefinition &row) {
    if (operand.size() < 3 || operand[1] >= row.cells.size()) return;
    row.cells[operand[1]].vertical = vertical_of(operand[2]);
}

}  // namespace qrv::import::doc
