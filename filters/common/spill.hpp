// Output held back for later in the page: in memory up to a bound, beyond
// it in a scratch file, so that holding back a body of any size costs no
// more memory than the bound (unless the system gives no scratch file at
// all: then it stays in memory).  Written once, then read back from the
// start.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "output.hpp"

namespace qrv::filters {

class Spill final : public ByteSink {
public:
    static constexpr size_t kMemoryBound = 1 << 20;

    explicit Spill(size_t memory_bound = kMemoryBound) : bound_(memory_bound) {}
    ~Spill() override;
    Spill(const Spill &) = delete;
    Spill &operator=(const Spill &) = delete;

    bool take(std::string_view bytes) override;

    // Reading back: rewind() to the start, then read() the next bytes, up
    // to count of them; 0 at the end.
    bool rewind();
    size_t read(char *to, size_t count);
    // Everything held, in order, into out.
    bool copy_to(Output &out) { return copy_to(out, 0, {}); }
    // The same with inserted put after the first at bytes (at the end when
    // fewer are held).
    bool copy_to(Output &out, uint64_t at, std::string_view inserted);
    // Empties the spill for another use.
    void clear();

    bool failed() const { return failed_; }
    bool in_file() const { return file_ != nullptr; }

private:
    bool move_to_file();
    void fail();  // for the system's reason in errno

    size_t bound_;
    std::string memory_;
    size_t read_at_ = 0;  // of memory_
    std::FILE *file_ = nullptr;
    bool failed_ = false;
};

// A spill read back a buffer at a time, from its start.
class SpillReader {
public:
    explicit SpillReader(Spill &spill);
    // The next count bytes; false when fewer are left.
    bool read(char *to, size_t count);
    // A text written as its length (four bytes) and its bytes.
    bool read_text(std::string &text);

private:
    static constexpr size_t kBytes = 64 * 1024;
    bool refill();

    Spill &spill_;
    std::unique_ptr<char[]> buffer_;
    size_t held_ = 0, at_ = 0;
};

// Writes text as read_text() reads it back.
void write_text(Output &to, std::string_view text);

}  // namespace qrv::filters
