// Decimal digits of unsigned integers as characters, a pair at a time.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>

namespace qrv::numformat {

// Digits written in pieces of this many; buffers leave this much room past
// the digits asked for.
constexpr uint32_t kDigitPieceSize = 8;
// The most digits an unsigned 64-bit number has.
constexpr uint32_t kMostDigits = 20;

inline constexpr std::array<uint64_t, kMostDigits> kPowersOfTen = [] {
    std::array<uint64_t, kMostDigits> powers{};
    uint64_t p = 1;
    for (uint64_t &power : powers) {
        power = p;
        p *= 10;
    }
    return powers;
}();

inline constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// How many decimal digits n (not 0) has, without a branch on it: from its
// bit length, less one where n lies below the power of ten that length
// allows.
inline uint32_t digit_count(uint64_t n) {
    const auto bits = static_cast<uint32_t>(64 - __builtin_clzll(n));
    const uint32_t guess = (bits * 1233) >> 12;  // 1233 / 4096 ~ log10(2)
    return guess + (n >= kPowersOfTen[guess] ? 1 : 0);
}

// The eight digits of n < 10^8, leading zeros included, without branches.
inline void eight_digits(uint32_t n, char *out) {
    const uint32_t high = n / 10000, low = n % 10000;
    std::memcpy(out, &kDigitPairs[2 * (high / 100)], 2);
    std::memcpy(out + 2, &kDigitPairs[2 * (high % 100)], 2);
    std::memcpy(out + 4, &kDigitPairs[2 * (low / 100)], 2);
    std::memcpy(out + 6, &kDigitPairs[2 * (low % 100)], 2);
}

// The count digits of n < 10^count (count <= 20), leading zeros included;
// out has room for kDigitPieceSize bytes more, which may be overwritten.
inline void last_digits(uint64_t n, uint32_t count, char *out) {
    constexpr uint64_t kPiecePower = 100000000;
    char pieces[3 * kDigitPieceSize];
    if (count <= kDigitPieceSize) {  // the usual case: one piece, no division loop
        eight_digits(static_cast<uint32_t>(n), pieces);
        std::memcpy(out, pieces + kDigitPieceSize - count, kDigitPieceSize);  // the bytes past count are scratch
        return;
    }
    const uint32_t used = (count + kDigitPieceSize - 1) / kDigitPieceSize;
    for (uint32_t g = used; g-- > 0; n /= kPiecePower)
        eight_digits(static_cast<uint32_t>(n % kPiecePower), pieces + kDigitPieceSize * g);
    const char *first = pieces + kDigitPieceSize * used - count;
    for (uint32_t k = 0; k < count; ++k) out[k] = first[k];
}

}  // namespace qrv::numformat
