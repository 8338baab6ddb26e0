#include "zip_archive.hpp"

#include <zip.h>

#include <algorithm>
#include <cctype>

#include "core/error.hpp"

namespace qrv::import {
namespace {

std::string folded_name(std::string_view name) {
    if (!name.empty() && name.front() == '/') name.remove_prefix(1);
    std::string key(name);
    for (char &c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

std::string zip_message(zip_error_t *error) {
    std::string text = zip_error_strerror(error);
    zip_error_fini(error);
    return text;
}

// Opens an archive over bytes in memory.
zip *open_zip(std::span<const uint8_t> bytes) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (!source) broken("not a readable ZIP archive (" + zip_message(&error) + ")");
    zip *archive = zip_open_from_source(source, ZIP_RDONLY, &error);
    if (!archive) {
        zip_source_free(source);
        broken("not a sound ZIP archive (" + zip_message(&error) + ")");
    }
    zip_error_fini(&error);
    return archive;
}

}  // namespace

// One entry as it inflates.  libzip checks the CRC at the end of the entry
// and reports damaged data as a failed read.  An entry read on its own has
// an archive of its own over the same bytes, as libzip's archives are not
// to be shared between threads.
class ZipEntrySource final : public ByteSource {
public:
    ZipEntrySource(ZipArchive &archive, zip_file *file, zip *own, std::string name, uint64_t expected,
                   uint64_t bound)
        : archive_(archive), file_(file), own_(own), name_(std::move(name)), expected_(expected), bound_(bound) {}
    ~ZipEntrySource() override {
        zip_fclose(file_);
        if (own_) archive_.give_back_own(own_);
    }

    size_t read(std::span<uint8_t> buffer) override {
        const zip_int64_t n = zip_fread(file_, buffer.data(), buffer.size());
        if (n < 0) broken(name_ + ": damaged data in the archive (" + zip_file_strerror(file_) + ")");
        archive_.count_inflated(static_cast<size_t>(n), name_, total_, bound_);
        return static_cast<size_t>(n);
    }
    const std::string &name() const override { return name_; }
    uint64_t expected_bytes() const override { return expected_; }
    bool reads_on_its_own() const override { return own_ != nullptr; }

private:
    ZipArchive &archive_;
    zip_file *file_;
    zip *own_;
    std::string name_;
    uint64_t expected_;
    uint64_t bound_;
    uint64_t total_ = 0;
};

ZipArchive::ZipArchive(std::span<const uint8_t> bytes, const Limits &limits)
    : bytes_(bytes), archive_(open_zip(bytes)), limits_(limits) {
    const zip_int64_t count = zip_get_num_entries(archive_, 0);
    if (count < 0 || static_cast<uint64_t>(count) > limits_.max_entries) {
        zip_discard(archive_);
        over_limit("the archive has more than " + std::to_string(limits_.max_entries) + " entries");
    }
    for (zip_int64_t i = 0; i < count; ++i) {
        const char *name = zip_get_name(archive_, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS);
        if (!name) continue;
        names_.emplace_back(name);
        if (!index_.emplace(folded_name(name), static_cast<uint64_t>(i)).second) {
            // Readers would see one entry, other programs the other.
            const std::string twice = names_.back();
            zip_discard(archive_);
            broken("the archive holds two entries named '" + twice +
                   "' (letter case aside); which one is the part cannot be told");
        }
    }
}

ZipArchive::~ZipArchive() {
    for (zip *own : spare_own_) zip_discard(own);
    zip_discard(archive_);
}

// Archives of their own are opened once and used again: each opening reads
// the whole directory.
zip *ZipArchive::take_own() {
    if (spare_own_.empty()) return open_zip(bytes_);
    zip *own = spare_own_.back();
    spare_own_.pop_back();
    return own;
}

void ZipArchive::give_back_own(zip *own) { spare_own_.push_back(own); }

std::optional<std::string> ZipArchive::find(std::string_view name) const {
    auto it = index_.find(folded_name(name));
    if (it == index_.end()) return std::nullopt;
    return zip_get_name(archive_, it->second, ZIP_FL_ENC_GUESS);
}

std::unique_ptr<ByteSource> ZipArchive::open(std::string_view name, bool apart) {
    auto it = index_.find(folded_name(name));
    const std::string shown(name);
    if (it == index_.end()) broken(shown + ": the part is missing from the package");
    zip_stat_t stat;
    zip_stat_init(&stat);
    const bool stated = zip_stat_index(archive_, it->second, 0, &stat) == 0;
    if (stated && (stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE)
        throw ImportError(IM_ERR_ENCRYPTED, shown + ": the part is encrypted (password-protected)");
    const uint64_t expected = stated && (stat.valid & ZIP_STAT_SIZE) ? stat.size : 0;
    const uint64_t compressed = stated && (stat.valid & ZIP_STAT_COMP_SIZE) ? stat.comp_size : 0;
    // A large part is worth reading on a thread of its own.
    zip *own = apart && expected >= read_ahead_from() ? take_own() : nullptr;
    zip_file *file = zip_fopen_index(own ? own : archive_, it->second, 0);
    if (!file) {
        const std::string why = zip_strerror(own ? own : archive_);
        if (own) give_back_own(own);
        broken(shown + ": cannot open the part (" + why + ")");
    }
    return std::make_unique<ZipEntrySource>(*this, file, own, shown, expected, part_bound(compressed));
}

uint64_t ZipArchive::part_bound(uint64_t compressed_bytes) const {
    if (!limits_.part_bytes_by_ratio) return limits_.max_part_bytes;
    // What the directory claims is believed only as far as the archive's
    // own size backs it.
    const uint64_t backed = std::min<uint64_t>(compressed_bytes, bytes_.size());
    const uint64_t by_ratio = backed > limits_.max_total_bytes / kMostRatio ? limits_.max_total_bytes
                                                                            : backed * kMostRatio;
    return std::max<uint64_t>(limits_.max_part_bytes, by_ratio);
}

std::string ZipArchive::read_all(std::string_view name, size_t max_bytes) {
    auto source = open(name);
    std::string all;
    uint8_t buffer[16384];
    while (size_t n = source->read(buffer)) {
        if (all.size() + n > max_bytes)
            over_limit(std::string(name) + ": larger than " + std::to_string(max_bytes) + " bytes");
        all.append(reinterpret_cast<const char *>(buffer), n);
    }
    return all;
}

void ZipArchive::count_inflated(size_t n, const std::string &entry, uint64_t &entry_total, uint64_t entry_bound) {
    entry_total += n;
    const uint64_t inflated = inflated_total_.fetch_add(n, std::memory_order_relaxed) + n;
    if (entry_total > entry_bound)
        over_limit(entry + ": more than " + std::to_string(entry_bound) +
                   " bytes when decompressed (an archive bomb?)");
    if (inflated > limits_.max_total_bytes)
        over_limit("the package holds more than " + std::to_string(limits_.max_total_bytes) +
                   " bytes when decompressed (an archive bomb?)");
}

}  // namespace qrv::import
