// Office's binary container (a compound file): a small file system of
// sectors chained through an allocation table, with a directory of named
// streams.  Only reading a stream by name is offered.  Every chain is
// followed with a record of the sectors it has visited, so a chain that
// loops or leaves the file is an error, never a hang; a stream is bounded
// by the import's part size.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "writer/limits.hpp"

namespace qrv::import {

// Whether the bytes start with a compound file's signature.
inline bool looks_like_compound_file(std::span<const uint8_t> bytes) {
    constexpr uint8_t kMagic[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    return bytes.size() >= sizeof kMagic && std::equal(std::begin(kMagic), std::end(kMagic), bytes.begin());
}

class CompoundFile {
public:
    // Reads the header, the allocation tables and the directory; throws
    // ImportError (broken) for a file that is not a sound compound file.
    CompoundFile(std::span<const uint8_t> bytes, const Limits &limits);

    // The bytes of the first stream of that name (ASCII, any case), or
    // none when the directory has no such stream.
    std::optional<std::vector<uint8_t>> stream(std::string_view name) const;

private:
    struct Entry {
        std::u16string name;
        uint8_t type;
        uint32_t start;
        uint64_t size;
    };
    std::span<const uint8_t> sector(uint32_t index) const;
    std::vector<uint8_t> read_chain(const std::vector<uint32_t> &table, uint32_t start, uint64_t size,
                                    bool mini) const;
    std::vector<uint32_t> chain_sectors(const std::vector<uint32_t> &table, uint32_t start, const char *what) const;
    void read_fat(uint32_t fat_sectors, uint32_t first_difat, uint32_t difat_sectors);
    void read_directory(uint32_t first);
    std::vector<uint32_t> read_table(const std::vector<uint32_t> &sectors) const;

    std::span<const uint8_t> bytes_;
    uint64_t max_stream_bytes_;  // a stream larger than a part may be is refused
    uint32_t sector_size_ = 512;
    uint32_t mini_cutoff_ = 4096;
    std::vector<uint32_t> fat_;
    std::vector<uint32_t> mini_fat_;
    std::vector<uint8_t> mini_stream_;
    std::vector<Entry> entries_;
};

}  // namespace qrv::import
