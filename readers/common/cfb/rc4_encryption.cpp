#include "rc4_encryption.hpp"

#include <nettle/arcfour.h>
#include <nettle/md5.h>
#include <nettle/nettle-meta.h>
#include <nettle/sha1.h>

#include <algorithm>

#include "little_endian.hpp"

namespace qrv::import {
namespace {

constexpr size_t kVerifierBytes = 16;

std::vector<uint8_t> utf16le(std::u16string_view text) {
    std::vector<uint8_t> out;
    for (char16_t c : text) {
        out.push_back(static_cast<uint8_t>(c));
        out.push_back(static_cast<uint8_t>(c >> 8));
    }
    return out;
}

std::array<uint8_t, 4> le32_bytes(uint32_t n) {
    return {static_cast<uint8_t>(n), static_cast<uint8_t>(n >> 8), static_cast<uint8_t>(n >> 16),
            static_cast<uint8_t>(n >> 24)};
}

// The digest of the parts, one after another, by nettle's MD5 or SHA-1.
template <typename... Parts>
std::vector<uint8_t> digest_of(const nettle_hash &hash, const Parts &...parts) {
    union {
        md5_ctx md5;
        sha1_ctx sha1;
    } ctx;
    hash.init(&ctx);
    (hash.update(&ctx, parts.size(), parts.data()), ...);
    std::vector<uint8_t> digest(hash.digest_size);
    hash.digest(&ctx, digest.size(), digest.data());
    return digest;
}
template <typename... Parts>
std::vector<uint8_t> md5_of(const Parts &...parts) {
    return digest_of(nettle_md5, parts...);
}
template <typename... Parts>
std::vector<uint8_t> sha1_of(const Parts &...parts) {
    return digest_of(nettle_sha1, parts...);
}

}  // namespace

std::optional<Rc4Encryption> Rc4Encryption::parse(std::span<const uint8_t> h) {
    if (h.size() < 4) return std::nullopt;
    const uint16_t major = le16(h.data()), minor = le16(h.data() + 2);
    Rc4Encryption e;
    if (major == 1 && minor == 1) {
        // Salt, verifier and the verifier's MD5.
        if (h.size() < 4 + 3 * kVerifierBytes) return std::nullopt;
        std::copy_n(h.data() + 4, kVerifierBytes, e.salt_.begin());
        e.encrypted_.assign(h.data() + 4 + kVerifierBytes, h.data() + 4 + 3 * kVerifierBytes);
        return e;
    }
    if (major < 2 || major > 4 || minor != 2 || h.size() < 12) return std::nullopt;
    // Flags, the header's size, the header (flags, extra size, algorithm,
    // hash algorithm, key size in bits, ...), then the verifier: salt size,
    // salt, verifier, hash size, hash.
    const uint32_t header_size = le32(h.data() + 8);
    if (header_size < 20 || header_size > h.size() - 12) return std::nullopt;
    const uint8_t *header = h.data() + 12;
    const uint32_t key_bits = le32(header + 16);
    e.cryptoapi_ = true;
    e.key_bytes_ = key_bits == 0 ? 5 : std::clamp<uint32_t>(key_bits / 8, 5, 16);
    const size_t verifier_at = 12 + size_t{header_size};
    if (h.size() - verifier_at < 4 + kVerifierBytes + kVerifierBytes + 4) return std::nullopt;
    if (le32(h.data() + verifier_at) != kVerifierBytes) return std::nullopt;
    std::copy_n(h.data() + verifier_at + 4, kVerifierBytes, e.salt_.begin());
    const size_t hash_size_at = verifier_at + 4 + 2 * kVerifierBytes;
    const uint32_t hash_size = le32(h.data() + hash_size_at);
    if (hash_size != SHA1_DIGEST_SIZE || h.size() - hash_size_at - 4 < hash_size) return std::nullopt;
    e.encrypted_.assign(h.data() + verifier_at + 4 + kVerifierBytes, h.data() + hash_size_at);
    e.encrypted_.insert(e.encrypted_.end(), h.data() + hash_size_at + 4, h.data() + hash_size_at + 4 + hash_size);
    return e;
}

void Rc4Encryption::set_password(std::u16string_view password) {
    const std::vector<uint8_t> chars = utf16le(password);
    const std::span<const uint8_t> salt(salt_);
    if (cryptoapi_) {
        secret_ = sha1_of(salt, chars);
        return;
    }
    // The password's hash cut to 40 bits, with the salt, sixteen times over.
    const std::vector<uint8_t> h0 = md5_of(chars);
    std::vector<uint8_t> repeated;
    for (int i = 0; i < 16; ++i) {
        repeated.insert(repeated.end(), h0.begin(), h0.begin() + 5);
        repeated.insert(repeated.end(), salt.begin(), salt.end());
    }
    secret_ = md5_of(repeated);
    secret_.resize(5);
}

// The hash of the secret and the block number, cut to the key's length; a
// 40-bit CryptoAPI key is padded with zeros to 128 bits.
std::vector<uint8_t> Rc4Encryption::block_key(uint32_t block) const {
    const auto number = le32_bytes(block);
    std::vector<uint8_t> key = cryptoapi_ ? sha1_of(secret_, number) : md5_of(secret_, number);
    key.resize(key_bytes_);
    if (cryptoapi_ && key_bytes_ == 5) key.resize(16, 0);
    return key;
}

void Rc4Encryption::key_stream(uint32_t block, std::span<uint8_t> out) const {
    const std::vector<uint8_t> key = block_key(block);
    arcfour_ctx ctx;
    arcfour_set_key(&ctx, key.size(), key.data());
    std::fill(out.begin(), out.end(), 0);
    arcfour_crypt(&ctx, out.size(), out.data(), out.data());
}

bool Rc4Encryption::password_matches() const {
    std::vector<uint8_t> plain(encrypted_.size());
    key_stream(0, plain);
    for (size_t i = 0; i < plain.size(); ++i) plain[i] ^= encrypted_[i];
    const std::span<const uint8_t> verifier(plain.data(), kVerifierBytes);
    const std::vector<uint8_t> hash = cryptoapi_ ? sha1_of(verifier) : md5_of(verifier);
    return std::equal(hash.begin(), hash.end(), plain.begin() + kVerifierBytes, plain.end());
}

}  // namespace qrv::import
