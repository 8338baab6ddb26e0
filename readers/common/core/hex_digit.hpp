// One hexadecimal digit, as part names' %XX escapes and cell text's _xHHHH_
// escapes spell them.
#pragma once

namespace qrv::import {

// The digit's value, or -1 for a character that is not one.
inline int hex_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace qrv::import
