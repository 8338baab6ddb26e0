// XOR obfuscation of Office 97-2003 workbooks (and Excel 5 and 95): the
// password gives a 16-bit key and a 16-bit verifier, which the file keeps,
// and a 16-byte array each byte of data is XORed with, its place in the
// array running with its offset.  Passwords are the bytes of their first 15
// characters.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace qrv::import {

class XorObfuscation {
public:
    explicit XorObfuscation(std::string_view password);

    uint16_t key() const { return key_; }
    uint16_t verifier() const { return verifier_; }

    // A byte of data obfuscated at index (taken modulo 16) of the array.
    uint8_t decrypt(uint8_t byte, size_t index) const {
        const uint8_t value = byte ^ array_[index % 16];
        return static_cast<uint8_t>(value >> 5 | value << 3);
    }

private:
    std::string_view password_;
    uint16_t key_, verifier_;
    std::array<uint8_t, 16> array_{};
};

}  // namespace qrv::import
