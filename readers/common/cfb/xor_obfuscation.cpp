#include "xor_obfuscation.hpp"

namespace qrv::import {
namespace {

constexpr size_t kLongestPassword = 15;

// The key's starting value for each password length, and the values its
// characters' bits add in.
constexpr uint16_t kInitialCode[kLongestPassword] = {0xE1F0, 0x1D0F, 0xCC9C, 0x84C0, 0x110C, 0x0E10, 0xF1CE, 0x313E,
                                                     0x1872, 0xE139, 0xD40F, 0x84F9, 0x280C, 0xA96A, 0x4EC3};
constexpr uint16_t kXorMatrix[] = {
    0xAEFC, 0x4DD9, 0x9BB2, 0x2745, 0x4E8A, 0x9D14, 0x2A09, 0x7B61, 0xF6C2, 0xFDA5, 0xEB6B, 0xC6F7, 0x9DCF, 0x2BBF,
    0x4563, 0x8AC6, 0x05AD, 0x0B5A, 0x16B4, 0x2D68, 0x5AD0, 0x0375, 0x06EA, 0x0DD4, 0x1BA8, 0x3750, 0x6EA0, 0xDD40,
    0xD849, 0xA0B3, 0x5147, 0xA28E, 0x553D, 0xAA7A, 0x44D5, 0x6F45, 0xDE8A, 0xAD35, 0x4A4B, 0x9496, 0x390D, 0x721A,
    0xEB23, 0xC667, 0x9CEF, 0x29FF, 0x53FE, 0xA7FC, 0x5FD9, 0x47D3, 0x8FA6, 0x0F6D, 0x1EDA, 0x3DB4, 0x7B68, 0xF6D0,
    0xB861, 0x60E3, 0xC1C6, 0x93AD, 0x377B, 0x6EF6, 0xDDEC, 0x45A0, 0x8B40, 0x06A1, 0x0D42, 0x1A84, 0x3508, 0x6A10,
    0xAA51, 0x4483, 0x8906, 0x022D, 0x045A, 0x08B4, 0x1168, 0x76B4, 0xED68, 0xCAF1, 0x85C3, 0x1BA7, 0x374E, 0x6E9C,
    0x3730, 0x6E60, 0xDCC0, 0xA9A1, 0x4363, 0x86C6, 0x1DAD, 0x3331, 0x6662, 0xCCC4, 0x89A9, 0x0373, 0x06E6, 0x0DCC,
    0x1021, 0x2042, 0x4084, 0x8108, 0x1231, 0x2462, 0x48C4};
// What fills the array after the password.
constexpr uint8_t kPad[kLongestPassword] = {0xBB, 0xFF, 0xFF, 0xBA, 0xFF, 0xFF, 0xB9, 0x80,
                                            0x00, 0xBE, 0x0F, 0x00, 0xBF, 0x0F, 0x00};

// Each character's low seven bits, last character first, add in a value of
// the matrix, counting down from its end.
uint16_t key_of(std::string_view password) {
    if (password.empty()) return 0;
    uint16_t key = kInitialCode[password.size() - 1];
    size_t element = std::size(kXorMatrix) - 1;
    for (auto c = password.rbegin(); c != password.rend(); ++c) {
        uint8_t bits = static_cast<uint8_t>(*c);
        for (int bit = 0; bit < 7; ++bit, --element, bits = static_cast<uint8_t>(bits << 1))
            if (bits & 0x40) key ^= kXorMatrix[element];
    }
    return key;
}

// The length, then the characters, taken last first into a 15-bit rotation.
uint16_t verifier_of(std::string_view password) {
    uint16_t verifier = 0;
    const auto mix = [&](uint8_t byte) {
        verifier = static_cast<uint16_t>(((verifier >> 14) & 1) | ((verifier << 1) & 0x7FFF)) ^ byte;
    };
    for (auto c = password.rbegin(); c != password.rend(); ++c) mix(static_cast<uint8_t>(*c));
    mix(static_cast<uint8_t>(password.size()));
    return verifier ^ 0xCE4B;
}

uint8_t xor_ror(uint8_t a, uint8_t b) {
    const uint8_t value = a ^ b;
    return static_cast<uint8_t>(value >> 1 | value << 7);
}

}  // namespace

// The array holds the password and then the pad, each byte mixed with the
// key's high byte at odd places and its low byte at even ones.
XorObfuscation::XorObfuscation(std::string_view password)
    : password_(password.substr(0, kLongestPassword)), key_(key_of(password_)), verifier_(verifier_of(password_)) {
    const uint8_t high = key_ >> 8, low = key_ & 0xFF;
    for (size_t i = 0; i < array_.size(); ++i) {
        const uint8_t byte = i < password_.size() ? static_cast<uint8_t>(password_[i]) : kPad[i - password_.size()];
        array_[i] = xor_ror(byte, i % 2 ? high : low);
    }
}

}  // namespace qrv::import
