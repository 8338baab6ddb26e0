#include "compound_file.hpp"

#include <algorithm>
#include <string>

#include "writer/build_error.hpp"
#include "little_endian.hpp"

namespace qrv::import {
namespace {

constexpr uint8_t kMagic[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
constexpr uint32_t kEndOfChain = 0xFFFFFFFEu;
constexpr uint32_t kHeaderDifat = 109;
constexpr uint32_t kMiniSector = 64;
constexpr size_t kEntrySize = 128;
constexpr uint8_t kStream = 2, kRoot = 5;

[[noreturn]] void bad(const std::string &what) { broken("compound file: " + what); }

char16_t upper_ascii(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; }

bool same_name(std::u16string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (upper_ascii(a[i]) != upper_ascii(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

}  // namespace

CompoundFile::CompoundFile(std::span<const uint8_t> bytes, const Limits &limits)
    : bytes_(bytes), max_stream_bytes_(limits.max_part_bytes) {
    if (bytes.size() < 512 || !std::equal(std::begin(kMagic), std::end(kMagic), bytes.begin()))
        bad("the header is missing");
    const uint8_t *h = bytes.data();
    const uint16_t shift = le16(h + 30);
    if (shift != 9 && shift != 12) bad("sector size 2^" + std::to_string(shift) + " is not 512 or 4096");
    sector_size_ = uint32_t{1} << shift;
    mini_cutoff_ = le32(h + 56);
    read_fat(le32(h + 44), le32(h + 68), le32(h + 72));
    read_directory(le32(h + 48));
    mini_fat_ = read_table(chain_sectors(fat_, le32(h + 60), "the mini allocation table"));
    if (!entries_.empty() && entries_[0].type == kRoot)
        mini_stream_ = read_chain(fat_, entries_[0].start, entries_[0].size, false);
}

std::span<const uint8_t> CompoundFile::sector(uint32_t index) const {
    const uint64_t at = (uint64_t{index} + 1) * sector_size_;
    if (at >= bytes_.size()) bad("sector " + std::to_string(index) + " lies beyond the end of the file");
    return bytes_.subspan(static_cast<size_t>(at), std::min<uint64_t>(sector_size_, bytes_.size() - at));
}

// The sectors of a chain in order; a chain that comes back to a sector or
// names one outside the table is broken.
std::vector<uint32_t> CompoundFile::chain_sectors(const std::vector<uint32_t> &table, uint32_t start,
                                                  const char *what) const {
    std::vector<uint32_t> chain;
    std::vector<bool> visited(table.size());
    for (uint32_t s = start; s != kEndOfChain;) {
        if (s >= table.size()) {
            if (chain.empty() && s > kEndOfChain) break;  // an empty chain (free)
            bad(std::string(what) + " names sector " + std::to_string(s) + " outside the allocation table");
        }
        if (visited[s]) bad(std::string(what) + " loops back to sector " + std::to_string(s));
        visited[s] = true;
        chain.push_back(s);
        s = table[s];
    }
    return chain;
}

std::vector<uint32_t> CompoundFile::read_table(const std::vector<uint32_t> &sectors) const {
    std::vector<uint32_t> table;
    table.reserve(sectors.size() * (sector_size_ / 4));
    for (uint32_t s : sectors) {
        const auto bytes = sector(s);
        for (size_t i = 0; i + 4 <= bytes.size(); i += 4) table.push_back(le32(bytes.data() + i));
    }
    return table;
}

// The allocation table: its sectors are listed in the header and then in
// a chain of list sectors, each ending with the number of the next.
void CompoundFile::read_fat(uint32_t fat_sectors, uint32_t first_difat, uint32_t difat_sectors) {
    const uint64_t most = bytes_.size() / sector_size_ + 1;
    if (fat_sectors > most || difat_sectors > most) bad("the allocation table is larger than the file");
    std::vector<uint32_t> list;
    for (uint32_t i = 0; i < kHeaderDifat && list.size() < fat_sectors; ++i)
        list.push_back(le32(bytes_.data() + 76 + 4 * i));
    std::vector<bool> visited(most + 1);
    for (uint32_t s = first_difat, n = 0; list.size() < fat_sectors && n < difat_sectors; ++n) {
        if (s >= most || visited[s]) bad("the list of allocation sectors is broken");
        visited[s] = true;
        const auto bytes = sector(s);
        const size_t entries = bytes.size() / 4;
        for (size_t i = 0; i + 1 < entries && list.size() < fat_sectors; ++i) list.push_back(le32(&bytes[4 * i]));
        s = entries ? le32(&bytes[4 * (entries - 1)]) : kEndOfChain;
    }
    if (list.size() < fat_sectors) bad("the allocation table lists fewer sectors than the header says");
    fat_ = read_table(list);
}

void CompoundFile::read_directory(uint32_t first) {
    const std::vector<uint8_t> dir =
        read_chain(fat_, first, uint64_t{chain_sectors(fat_, first, "the directory").size()} * sector_size_, false);
    for (size_t at = 0; at + kEntrySize <= dir.size(); at += kEntrySize) {
        const uint8_t *e = dir.data() + at;
        Entry entry;
        const size_t length = std::min<size_t>(le16(e + 64), 64) / 2;
        for (size_t i = 0; i < length; ++i) entry.name += static_cast<char16_t>(le16(e + 2 * i));
        while (!entry.name.empty() && entry.name.back() == 0) entry.name.pop_back();
        entry.type = e[66];
        entry.start = le32(e + 116);
        entry.size = sector_size_ == 512 ? le32(e + 120) : le64(e + 120);
        entries_.push_back(std::move(entry));
    }
    if (entries_.empty() || entries_[0].type != kRoot) bad("the directory has no root entry");
}

std::vector<uint8_t> CompoundFile::read_chain(const std::vector<uint32_t> &table, uint32_t start, uint64_t size,
                                              bool mini) const {
    if (size > max_stream_bytes_)
        over_limit("a stream of the compound file has " + std::to_string(size) + " bytes, more than the bound of " +
                   std::to_string(max_stream_bytes_));
    const uint32_t unit = mini ? kMiniSector : sector_size_;
    std::vector<uint8_t> out;
    out.reserve(static_cast<size_t>(std::min<uint64_t>(size, bytes_.size())));
    for (uint32_t s : chain_sectors(table, start, mini ? "a chain of the mini stream" : "a chain of sectors")) {
        if (out.size() >= size) break;
        std::span<const uint8_t> piece;
        if (mini) {
            const uint64_t at = uint64_t{s} * unit;
            if (at + unit > mini_stream_.size()) bad("a mini sector lies beyond the mini stream");
            piece = std::span<const uint8_t>(mini_stream_).subspan(static_cast<size_t>(at), unit);
        } else {
            piece = sector(s);
        }
        const size_t take = static_cast<size_t>(std::min<uint64_t>(piece.size(), size - out.size()));
        out.insert(out.end(), piece.begin(), piece.begin() + static_cast<std::ptrdiff_t>(take));
    }
    if (out.size() < size) bad("a stream's chain ends before its " + std::to_string(size) + " bytes");
    return out;
}

std::optional<std::vector<uint8_t>> CompoundFile::stream(std::string_view name) const {
    for (const Entry &e : entries_) {
        if (e.type != kStream || !same_name(e.name, name)) continue;
        const bool mini = e.size < mini_cutoff_;
        return read_chain(mini ? mini_fat_ : fat_, e.start, e.size, mini);
    }
    return std::nullopt;
}

}  // namespace qrv::import
