// Faults of an import.  Importers throw ImportError with the IM_ERR_* code
// and the words of the fault; the XML reader and the package add the part
// and the line, and the C interface puts the file's name in front.
#pragma once

#include <qrvim.h>

#include <cstdint>
#include <stdexcept>
#include <string>

namespace qrv::import {

class ImportError : public std::runtime_error {
public:
    ImportError(uint32_t code, const std::string &what) : std::runtime_error(what), code_(code) {}
    uint32_t code() const { return code_; }

private:
    uint32_t code_;
};

// A fault in the content of a file: a missing or malformed part or value.
[[noreturn]] inline void broken(const std::string &what) { throw ImportError(IM_ERR_BROKEN, what); }

// A bound of the import's options was passed.
[[noreturn]] inline void over_limit(const std::string &what) { throw ImportError(IM_ERR_LIMIT, what); }

}  // namespace qrv::import
