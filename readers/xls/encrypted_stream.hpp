// Workbook streams encrypted with a password: after the FILEPASS record of
// the globals, each record's data is encrypted (its type and length are
// not), the key stream running by the offset in the stream.  Excel writes
// the built-in password where the author gave none (a workbook that is only
// write-protected), and such a stream is opened here in place; any other is
// refused as encrypted.
#pragma once

#include <cstdint>
#include <vector>

namespace qrv::import::xls {

// Decrypts the stream in place where it is encrypted with the built-in
// password; throws ImportError(IM_ERR_ENCRYPTED) where it needs another.
// A stream without FILEPASS is left as it is.
void open_encrypted_stream(std::vector<uint8_t> &stream);

}  // namespace qrv::import::xls
