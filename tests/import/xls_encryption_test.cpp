// Encrypted .xls workbooks: the ones encrypted with the built-in password
// (RC4, CryptoAPI RC4 and XOR obfuscation, as Excel writes a workbook that
// is only write-protected) open; any other password is refused as
// encrypted.  The encrypted streams are made at test time by running the
// stream's own cipher over a plain one (RC4 is its own inverse; XOR
// obfuscation is inverted byte by byte).
#include <gtest/gtest.h>
#include <nettle/md5.h>
#include <nettle/sha1.h>

#include "biff_builder.hpp"
#include "byte_span.hpp"
#include "cfb/rc4_encryption.hpp"
#include "cfb/xor_obfuscation.hpp"
#include "sheet_log.hpp"
#include "xls/encrypted_stream.hpp"

namespace qrv::test::biff {
namespace {

using import::Rc4Encryption;
using import::XorObfuscation;

const std::string kSalt = "0123456789abcdef";
const std::string kVerifier = "verifier--16byte";

std::string digest_of(const std::string &s, bool sha1) {
    std::string out(sha1 ? SHA1_DIGEST_SIZE : MD5_DIGEST_SIZE, '\0');
    auto *bytes = reinterpret_cast<const uint8_t *>(s.data());
    auto *digest = reinterpret_cast<uint8_t *>(out.data());
    if (sha1) {
        sha1_ctx c;
        sha1_init(&c);
        sha1_update(&c, s.size(), bytes);
        sha1_digest(&c, out.size(), digest);
    } else {
        md5_ctx c;
        md5_init(&c);
        md5_update(&c, s.size(), bytes);
        md5_digest(&c, out.size(), digest);
    }
    return out;
}

struct Kind {
    bool cryptoapi;
    uint32_t key_bits;
};

// The RC4 header with the verifier and its hash as they stand (plain
// before they are encrypted).
std::string header_of(Kind kind, const std::string &verifier, const std::string &hash) {
    if (!kind.cryptoapi) return u16(1) + u16(1) + kSalt + verifier + hash;
    const std::string header = u32(4) + u32(0) + u32(0x6801) + u32(0x8004) + u32(kind.key_bits) + u32(1) + u32(0) +
                               u32(0);
    return u16(4) + u16(2) + u32(4) + u32(static_cast<uint32_t>(header.size())) + header + u32(16) + kSalt +
           verifier + u32(20) + hash;
}

// A FILEPASS record whose verifier the password opens.
std::string file_pass(Kind kind, std::u16string_view password) {
    const std::string hash = digest_of(kVerifier, kind.cryptoapi);
    const std::string blank = header_of(kind, std::string(16, '\0'), std::string(hash.size(), '\0'));
    auto encryption = Rc4Encryption::parse(qrv::test::bytes_of(blank));
    encryption->set_password(password);
    std::vector<uint8_t> keys(16 + hash.size());
    encryption->key_stream(0, keys);
    std::string secret = kVerifier + hash;
    for (size_t i = 0; i < secret.size(); ++i) secret[i] = static_cast<char>(secret[i] ^ keys[i]);
    return record(0x002F, u16(1) + header_of(kind, secret.substr(0, 16), secret.substr(16)));
}

// The workbook encrypted: its own cipher, run over the plain stream.
std::string encrypted(const std::string &plain) {
    std::vector<uint8_t> stream(plain.begin(), plain.end());
    import::xls::open_encrypted_stream(stream);
    return std::string(stream.begin(), stream.end());
}

std::string sst(const std::string &s) { return record(0x00FC, u32(1) + u32(1) + text(s)); }

// Two sheets, a shared string longer than two 1024-byte blocks and
// numbers, so that several blocks and the sheets' offsets all count.
std::string workbook_with(const std::string &pass) {
    const std::string long_text(3000, 'w');
    std::string strings = sst(long_text);
    return workbook(pass + strings,
                    {Sheet{"One", record(0x00FD, cell(0, 0) + u32(0)) + record(0x0203, cell(0, 1) + f64(2.5))},
                     Sheet{"Two", record(0x0203, cell(1, 0) + f64(-7))}});
}

TEST(XlsEncryption, TheBuiltInPasswordOpensEachKindOfRc4) {
    const Kind kinds[] = {{false, 0}, {true, 40}, {true, 0}, {true, 56}, {true, 128}};
    for (const Kind &kind : kinds) {
        SCOPED_TRACE(std::to_string(kind.cryptoapi) + "/" + std::to_string(kind.key_bits));
        const std::string plain = workbook_with(file_pass(kind, import::kBuiltInPassword));
        const std::string cipher = encrypted(plain);
        ASSERT_NE(cipher, plain);
        expect_clean_walk_showing(import_and_walk(xls_file(cipher), "book.xls"),
                                  {"r1: " + std::string(3000, 'w') + "| =2.5|", "r2: =-7|"});
    }
}

// The key and verifier Excel wrote for two passwords (in workbooks it
// obfuscated with them).
TEST(XlsEncryption, XorObfuscationDerivesExcelsKeyAndVerifier) {
    const struct {
        const char *password;
        uint16_t key, verifier;
    } cases[] = {{"password", 0x147A, 0x83AF}, {"123456789012345", 0x8265, 0x9EB1}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.password);
        const XorObfuscation obfuscation(c.password);
        EXPECT_EQ(obfuscation.key(), c.key);
        EXPECT_EQ(obfuscation.verifier(), c.verifier);
    }
}

// Each record's data after FILEPASS obfuscated, its place in the array
// running with the offset past the record's end (BOF and a sheet's offset
// in BOUNDSHEET stay plain).
std::string obfuscated(const std::string &plain) {
    const XorObfuscation obfuscation(import::kBuiltInPasswordBytes);
    std::string out = plain;
    bool after_pass = false;
    for (size_t at = 0; at + 4 <= out.size();) {
        const uint16_t type = static_cast<uint8_t>(out[at]) | static_cast<uint8_t>(out[at + 1]) << 8;
        const size_t size = static_cast<uint8_t>(out[at + 2]) | static_cast<uint8_t>(out[at + 3]) << 8;
        const size_t data = at + 4;
        if (after_pass && type != 0x0809)
            for (size_t i = type == 0x0085 ? data + 4 : data; i < data + size; ++i)
                for (unsigned byte = 0; byte < 256; ++byte)
                    if (obfuscation.decrypt(static_cast<uint8_t>(byte), i + size) == static_cast<uint8_t>(plain[i])) {
                        out[i] = static_cast<char>(byte);
                        break;
                    }
        after_pass = after_pass || type == 0x002F;
        at = data + size;
    }
    return out;
}

TEST(XlsEncryption, TheBuiltInPasswordOpensXorObfuscation) {
    const XorObfuscation built_in(import::kBuiltInPasswordBytes);
    const std::string key = u16(built_in.key()) + u16(built_in.verifier());
    const auto sheets = [](bool biff8) {
        return std::vector<Sheet>{Sheet{"One", record(0x0203, cell(0, 1) + f64(2.5))},
                                  Sheet{"Two", record(0x0204, cell(1, 0) + (biff8 ? text("made") : u16(4) + "made"))}};
    };
    const struct {
        const char *name;
        std::string plain;
    } cases[] = {
        {"Excel 97", workbook(record(0x002F, u16(0) + key), sheets(true))},
        {"Excel 5", workbook(record(0x002F, key), sheets(false), false)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string cipher = obfuscated(c.plain);
        ASSERT_NE(cipher, c.plain);
        expect_clean_walk_showing(import_and_walk(xls_file(cipher), "book.xls"), {"r1: | =2.5|", "r2: made|"});
    }
}

TEST(XlsEncryption, OtherPasswordsAreRefused) {
    const struct {
        const char *name;
        std::string pass;
    } cases[] = {
        {"RC4, another password", file_pass({false, 0}, u"secret")},
        {"CryptoAPI RC4, another password", file_pass({true, 128}, u"secret")},
        {"XOR obfuscation, another password", record(0x002F, u16(0) + u16(0x147A) + u16(0x83AF))},
        {"Excel 5 XOR obfuscation, another password", record(0x002F, u16(0x147A) + u16(0x83AF))},
        {"a cut header", record(0x002F, u16(1) + u16(4) + u16(2) + u32(4))},
        {"an unknown version", record(0x002F, u16(1) + u16(9) + u16(9) + std::string(60, '\0'))},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto walk = import_and_walk(xls_file(workbook_with(c.pass)), "book.xls");
        EXPECT_EQ(walk.rc, IM_ERR_ENCRYPTED);
        EXPECT_EQ(walk.message,
                  "book.xls: the workbook is encrypted (password-protected); save it without a password to export it");
    }
}

}  // namespace
}  // namespace qrv::test::biff
