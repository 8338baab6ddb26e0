// A stream of bytes read in pieces: a part of an archive as it inflates, or
// bytes already in memory.  The XML reader parses from one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace qrv::import {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Fills up to buffer.size() bytes; 0 at the end.  Throws ImportError on
    // damaged data or a passed bound.
    virtual size_t read(std::span<uint8_t> buffer) = 0;
    // The name of what is read, for messages ("xl/workbook.xml").
    virtual const std::string &name() const = 0;
    // The bytes the source expects to give (what an archive's directory
    // says), 0 when it cannot tell: a guess, never a bound.
    virtual uint64_t expected_bytes() const { return 0; }
    // Whether read() may run on another thread while the one that opened
    // the source goes on reading the rest of the package.
    virtual bool reads_on_its_own() const { return false; }
};

// The size from which reading a source on a thread of its own is worth a
// thread: kReadAheadFrom, or the bytes the environment's
// QRVEX_READ_AHEAD_FROM gives (0: never); never on a single processor.
uint64_t read_ahead_from();
constexpr uint64_t kReadAheadFrom = uint64_t{1} << 20;

// Bytes already in memory (a flat XML file, a test's text).
class MemorySource final : public ByteSource {
public:
    MemorySource(std::span<const uint8_t> bytes, std::string name) : bytes_(bytes), name_(std::move(name)) {}
    size_t read(std::span<uint8_t> buffer) override;
    const std::string &name() const override { return name_; }
    uint64_t expected_bytes() const override { return bytes_.size(); }
    bool reads_on_its_own() const override { return true; }

private:
    std::span<const uint8_t> bytes_;
    std::string name_;
    size_t offset_ = 0;
};

}  // namespace qrv::import
