#include "spill.hpp"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>

#include "scratch_file.hpp"

namespace qrv::filters {
namespace {
constexpr size_t kCopyBytes = 64 * 1024;
}

Spill::~Spill() { clear(); }

void Spill::fail() {
    failed_ = true;
    note_scratch_failure(errno);
}

bool Spill::take(std::string_view bytes) {
    if (failed_) return false;
    if (!file_ && memory_.size() + bytes.size() > bound_ && !move_to_file()) return false;
    if (!file_) {
        memory_ += bytes;
        return true;
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) fail();
    return !failed_;
}

// Where no scratch file can be made at all, the spill goes on in memory as
// a page did before it was streamed: a bigger export, not a failed one.
bool Spill::move_to_file() {
    file_ = open_scratch_file();
    if (!file_) {
        bound_ = SIZE_MAX;
        return true;
    }
    if (std::fwrite(memory_.data(), 1, memory_.size(), file_) != memory_.size()) fail();
    std::string().swap(memory_);
    return !failed_;
}

bool Spill::rewind() {
    read_at_ = 0;
    if (file_ && (std::fflush(file_) != 0 || std::fseek(file_, 0, SEEK_SET) != 0)) fail();
    return !failed_;
}

size_t Spill::read(char *to, size_t count) {
    if (failed_) return 0;
    if (file_) {
        const size_t got = std::fread(to, 1, count, file_);
        if (got < count && std::ferror(file_)) fail();
        return got;
    }
    const size_t got = std::min(count, memory_.size() - read_at_);
    memory_.copy(to, got, read_at_);
    read_at_ += got;
    return got;
}

bool Spill::copy_to(Output &out, uint64_t at, std::string_view inserted) {
    if (!rewind()) return false;
    if (!file_) {
        const size_t split = static_cast<size_t>(std::min<uint64_t>(at, memory_.size()));
        out.write(std::string_view(memory_).substr(0, split));
        out.write(inserted);
        out.write(std::string_view(memory_).substr(split));
        return true;
    }
    auto chunk = std::make_unique<char[]>(kCopyBytes);
    uint64_t left = at;  // before the insertion
    while (left > 0) {
        const size_t got = read(chunk.get(), static_cast<size_t>(std::min<uint64_t>(left, kCopyBytes)));
        if (got == 0) break;
        out.write(std::string_view(chunk.get(), got));
        left -= got;
    }
    out.write(inserted);
    while (size_t got = read(chunk.get(), kCopyBytes)) out.write(std::string_view(chunk.get(), got));
    return !failed_;
}

void Spill::clear() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    memory_.clear();
    read_at_ = 0;
    failed_ = false;
}

SpillReader::SpillReader(Spill &spill) : spill_(spill), buffer_(new char[kBytes]) { spill_.rewind(); }

bool SpillReader::refill() {
    held_ = spill_.read(buffer_.get(), kBytes);
    at_ = 0;
    return held_ > 0;
}

bool SpillReader::read(char *to, size_t count) {
    while (count > 0) {
        if (at_ == held_ && !refill()) return false;
        const size_t n = std::min(count, held_ - at_);
        std::memcpy(to, buffer_.get() + at_, n);
        at_ += n, to += n, count -= n;
    }
    return true;
}

bool SpillReader::read_text(std::string &text) {
    uint32_t length = 0;
    if (!read(reinterpret_cast<char *>(&length), sizeof length)) return false;
    text.resize(length);
    return read(text.data(), length);
}

void write_text(Output &to, std::string_view text) {
    const auto length = static_cast<uint32_t>(text.size());
    to += std::string_view(reinterpret_cast<const char *>(&length), sizeof length);
    to += text;
}

}  // namespace qrv::filters
