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
};

// Bytes already in memory (a flat XML file, a test's text).
class MemorySource final : public ByteSource {
public:
    MemorySource(std::span<const uint8_t> bytes, std::string name) : bytes_(bytes), name_(std::move(name)) {}
    size_t read(std::span<uint8_t> buffer) override;
    const std::string &name() const override { return name_; }

private:
    std::span<const uint8_t> bytes_;
    std::string name_;
    size_t offset_ = 0;
};

}  // namespace qrv::import
