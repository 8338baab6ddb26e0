// A filter's output: pieces gathered in a fixed buffer and handed on a
// buffer at a time to where they go (the host's sink, a spill), so a page
// of any size passes through the same few kilobytes.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace qrv::filters {

// Where an output's full buffers go.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Keeps or passes on all of bytes; false when it could not.
    virtual bool take(std::string_view bytes) = 0;
};

// Bytes kept in a string (small pages, tests).
class StringSink final : public ByteSink {
public:
    std::string bytes;
    bool take(std::string_view more) override {
        bytes += more;
        return true;
    }
};

class Output {
public:
    static constexpr size_t kBufferBytes = 32 * 1024;

    explicit Output(ByteSink &to) : to_(to) {}
    Output(const Output &) = delete;
    Output &operator=(const Output &) = delete;

    void write(std::string_view piece) {
        if (piece.size() > kBufferBytes - used_) return write_long(piece);
        if (!piece.empty()) std::memcpy(buffer_ + used_, piece.data(), piece.size());
        used_ += piece.size();
    }
    void put(char c) {
        if (used_ == kBufferBytes) flush();
        buffer_[used_++] = c;
    }
    Output &operator+=(std::string_view piece) {
        write(piece);
        return *this;
    }
    Output &operator+=(char c) {
        put(c);
        return *this;
    }
    // The number in decimal digits.
    void number(uint64_t value);

    // Hands the buffer on.  Once a hand-over failed, the output drops
    // everything and failed() stays true.
    bool flush();
    bool failed() const { return failed_; }

    // Bytes written so far, and the last of them (0 before the first).
    uint64_t size() const { return passed_ + used_; }
    char last() const { return used_ ? buffer_[used_ - 1] : last_passed_; }

private:
    void write_long(std::string_view piece);

    ByteSink &to_;
    size_t used_ = 0;
    uint64_t passed_ = 0;
    char last_passed_ = 0;
    bool failed_ = false;
    char buffer_[kBufferBytes];
};

}  // namespace qrv::filters
