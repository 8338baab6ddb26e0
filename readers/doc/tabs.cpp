#include "tabs.hpp"

#include <algorithm>
#include <optional>

#include "cfb/little_endian.hpp"

namespace qrv::import::doc {
namespace {

using textdoc::TabKind;
using textdoc::TabLeader;
using textdoc::TabStop;

constexpr size_t kPosition = 2, kTolerance = 2, kDescriptor = 1;

TabKind kind_of(uint8_t descriptor) {
    switch (descriptor & 0x07) {
    case 1: return TabKind::Centre;
    case 2: return TabKind::Right;
    case 3: return TabKind::Decimal;
    case 4: return TabKind::Bar;
    default: return TabKind::Left;  // list tabs among them
    }
}

TabLeader leader_of(uint8_t descriptor) {
    switch (descriptor >> 3 & 0x07) {
    case 1: return TabLeader::Dot;
    case 2: return TabLeader::Hyphen;
    case 3:
    case 4: return TabLeader::Underscore;
    case 5: return TabLeader::MiddleDot;
    default: return TabLeader::None;
    }
}

int32_t position_at(std::span<const uint8_t> bytes, size_t at) { return static_cast<int16_t>(le16(bytes.data() + at)); }

// Reads a count byte at `at` and moves past it; nullopt past the end.
std::optional<size_t> count_at(std::span<const uint8_t> bytes, size_t &at) {
    if (at >= bytes.size()) return std::nullopt;
    return bytes[at++];
}

}  // namespace

bool apply_tab_changes(std::span<const uint8_t> operand, TabChange form, std::vector<TabStop> &tabs) {
    size_t at = 1;  // past the size byte
    const auto removed = count_at(operand, at);
    if (!removed) return false;
    const size_t removal = kPosition + (form == TabChange::Style ? kTolerance : 0);
    if (*removed * removal > operand.size() - at) return false;
    for (size_t i = 0; i < *removed; ++i)
        tabs.push_back({TabKind::Clear, TabLeader::None, position_at(operand, at + i * kPosition)});
    at += *removed * removal;
    const auto added = count_at(operand, at);
    if (!added) return false;
    const size_t positions = at, descriptors = at + *added * kPosition;
    const size_t whole = std::min(*added, (operand.size() - at) / kPosition);
    for (size_t i = 0; i < whole; ++i) {
        const uint8_t descriptor = descriptors + i < operand.size() ? operand[descriptors + i] : 0;
        TabStop stop{kind_of(descriptor), leader_of(descriptor), position_at(operand, positions + i * kPosition)};
        if (stop.kind == TabKind::Bar) stop.leader = TabLeader::None;
        tabs.push_back(stop);
    }
    return whole == *added;
}

size_t long_tab_change_size(std::span<const uint8_t> operand) {
    size_t at = 1;
    const auto removed = count_at(operand, at);
    if (!removed || *removed * (kPosition + kTolerance) >= operand.size() - at) return 0;
    at += *removed * (kPosition + kTolerance);
    const auto added = count_at(operand, at);
    if (!added) return 0;
    return at + *added * (kPosition + kDescriptor);
}

}  // namespace qrv::import::doc
