// Faults of building a document.  Readers and writers throw ImportError
// with a result code and the words of the fault; the XML reader and the
// package add the part and the line, and the readers' C interface puts the
// file's name in front.  The codes are the numbers that interface returns
// (it checks them against its own names).
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace qrv::import {

inline constexpr uint32_t kFaultBroken = 0x3004;  // a missing or malformed part or value
inline constexpr uint32_t kFaultLimit = 0x3006;   // a bound on size, depth or count was passed
inline constexpr uint32_t kFaultNoMemory = 0x3007;
inline constexpr uint32_t kFaultDocument = 0x3009;  // the chunker refused to build the document

class ImportError : public std::runtime_error {
public:
    ImportError(uint32_t code, const std::string &what) : std::runtime_error(what), code_(code) {}
    uint32_t code() const { return code_; }

private:
    uint32_t code_;
};

// A fault in the content of a file: a missing or malformed part or value.
[[noreturn]] inline void broken(const std::string &what) { throw ImportError(kFaultBroken, what); }

// A bound of the import's options was passed.
[[noreturn]] inline void over_limit(const std::string &what) { throw ImportError(kFaultLimit, what); }

}  // namespace qrv::import
