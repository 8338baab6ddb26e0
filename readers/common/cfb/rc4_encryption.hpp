// RC4 encryption of Office 97-2003 binary documents, in its two kinds: the
// plain one (MD5 key derivation, 128-bit keys made from a 40-bit secret) and
// the CryptoAPI one (SHA-1, 40- to 128-bit keys).  A stream is encrypted in
// blocks (1024 bytes in workbooks, 512 in Word documents), each block with
// its own key, derived from the password, the salt and the block number,
// and its key stream starting afresh.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "built_in_password.hpp"

namespace qrv::import {

class Rc4Encryption {
public:
    // From the header that starts with the encryption's version numbers (1.1
    // for plain RC4; 2.2, 3.2 or 4.2 for CryptoAPI RC4).  Nothing where the
    // header is cut or of another kind.
    static std::optional<Rc4Encryption> parse(std::span<const uint8_t> header);

    // Derives the keys from the password.
    void set_password(std::u16string_view password);
    // Whether the keys decrypt the header's verifier to a verifier and its
    // hash: false where the password is not the one.
    bool password_matches() const;

    // The key stream of a block's first out.size() bytes.
    void key_stream(uint32_t block, std::span<uint8_t> out) const;

private:
    Rc4Encryption() = default;
    std::vector<uint8_t> block_key(uint32_t block) const;

    bool cryptoapi_ = false;
    uint32_t key_bytes_ = 16;
    std::array<uint8_t, 16> salt_{};
    std::vector<uint8_t> encrypted_;  // the verifier (16 bytes), then its hash
    std::vector<uint8_t> secret_;     // what each block's key is hashed from
};

}  // namespace qrv::import
