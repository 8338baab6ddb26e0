#include "output.hpp"

#include <charconv>

namespace qrv::filters {

void Output::number(uint64_t value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    write(std::string_view(digits, static_cast<size_t>(end - digits)));
}

bool Output::flush() {
    if (used_ == 0) return !failed_;
    last_passed_ = buffer_[used_ - 1];
    passed_ += used_;
    if (!failed_ && !to_.take(std::string_view(buffer_, used_))) failed_ = true;
    used_ = 0;
    return !failed_;
}

// A piece longer than the room left: what fits fills the buffer up, and a
// rest of a whole buffer or more goes on as it is.
void Output::write_long(std::string_view piece) {
    if (used_ > 0) {
        const size_t fits = kBufferBytes - used_;
        write(piece.substr(0, fits));
        flush();
        piece.remove_prefix(fits);
    }
    if (piece.size() < kBufferBytes) return write(piece);
    last_passed_ = piece.back();
    passed_ += piece.size();
    if (!failed_ && !to_.take(piece)) failed_ = true;
}

}  // namespace qrv::filters
