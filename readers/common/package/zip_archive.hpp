// A ZIP archive read through libzip: the names of its entries and each
// entry as a stream of inflated bytes, within the import's bounds on
// decompressed size.  Entry names are matched without regard to case, as
// package part names are.  A part may inflate to the larger of the bound on
// one part and kMostRatio times its compressed size (XML shrinks ten to
// thirty times; an archive bomb thousands of times) unless the caller set
// that bound, and all parts together to the bound on all.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "writer/limits.hpp"
#include "byte_source.hpp"

struct zip;
struct zip_file;

namespace qrv::import {

class ZipArchive {
public:
    // Opens the archive in bytes (which must outlive it).  A part opened to
    // be read apart and large enough to be worth a thread of its own
    // (read_ahead_from()) is read through an archive of its own over the
    // same bytes.  Throws
    // ImportError(IM_ERR_BROKEN) for bytes that are not a sound archive.
    ZipArchive(std::span<const uint8_t> bytes, const Limits &limits);
    ~ZipArchive();
    ZipArchive(const ZipArchive &) = delete;
    ZipArchive &operator=(const ZipArchive &) = delete;

    // Entry names as stored, in archive order.
    const std::vector<std::string> &names() const { return names_; }
    // The stored name of an entry, matched without regard to case and a
    // leading "/"; nothing when the archive has no such entry.
    std::optional<std::string> find(std::string_view name) const;
    bool has(std::string_view name) const { return find(name).has_value(); }

    // Opens an entry for reading; apart: to be read on its own thread
    // where it is large enough.  Throws ImportError: IM_ERR_BROKEN for a
    // missing entry, IM_ERR_ENCRYPTED for an encrypted one.
    std::unique_ptr<ByteSource> open(std::string_view name, bool apart = false);
    // A whole entry, for small parts (relationships, content types); at
    // most max_bytes, else ImportError(IM_ERR_LIMIT).
    std::string read_all(std::string_view name, size_t max_bytes);

    static constexpr uint64_t kMostRatio = 64;

private:
    friend class ZipEntrySource;
    // The bytes an entry of compressed_bytes may inflate to.
    uint64_t part_bound(uint64_t compressed_bytes) const;
    // An archive of its own over the same bytes, for a part read on
    // another thread; it comes back when the part is closed.  Both on the
    // thread that opens parts.
    struct zip *take_own();
    void give_back_own(struct zip *own);
    void count_inflated(size_t n, const std::string &entry, uint64_t &entry_total, uint64_t entry_bound);

    std::span<const uint8_t> bytes_;
    struct zip *archive_ = nullptr;
    Limits limits_;
    std::vector<std::string> names_;
    std::unordered_map<std::string, uint64_t> index_;  // folded name -> entry index
    std::vector<struct zip *> spare_own_;
    // Parts read on threads of their own count here too.
    std::atomic<uint64_t> inflated_total_ = 0;
};

}  // namespace qrv::import
