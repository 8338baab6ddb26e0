// Windows-1252, the code page of Office's 8-bit text: Latin-1 but for
// 0x80-0x9F, which hold quotes, dashes, the euro sign and a few letters.
#pragma once

#include <cstdint>

namespace qrv::import {

// A byte as a character; the five unassigned bytes are kept as they are.
char16_t windows_1252(uint8_t byte);

}  // namespace qrv::import
