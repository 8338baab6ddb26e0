#include "encrypted_stream.hpp"

#include <array>
#include <optional>
#include <span>

#include "cfb/little_endian.hpp"
#include "cfb/rc4_encryption.hpp"
#include "cfb/xor_obfuscation.hpp"
#include "core/error.hpp"
#include "biff_record.hpp"

namespace qrv::import::xls {
namespace {

constexpr size_t kBlockBytes = 1024;
constexpr size_t kHeaderBytes = 4;

// Records whose data stays plain in an encrypted stream.
bool never_encrypted(uint16_t type) {
    switch (type) {
    case record::kBof:
    case record::kFilePass:
    case 0x00E1:  // INTERFACEHDR
    case 0x0138:  // RRDHEAD
    case 0x0194:  // USREXCL
    case 0x0195:  // FILELOCK
    case 0x0196:  // RRDINFO
        return true;
    default: return false;
    }
}

[[noreturn]] void refuse() {
    throw ImportError(IM_ERR_ENCRYPTED,
                      "the workbook is encrypted (password-protected); save it without a password to export it");
}

struct FilePass {
    std::vector<uint8_t> data;  // the record's own, without continuations
    size_t end = 0;             // where the record after it starts
};

// The FILEPASS record among the globals (before their EOF), if any.
std::optional<FilePass> find_file_pass(std::span<const uint8_t> stream) {
    RecordReader records(stream);
    Record r;
    while (records.next(r) && r.type != record::kEof) {
        if (r.type != record::kFilePass) continue;
        if (!r.breaks.empty()) r.data.resize(r.breaks.front());
        const size_t end = r.offset + kHeaderBytes + r.data.size();
        return FilePass{std::move(r.data), end};
    }
    return std::nullopt;
}

// The key stream by offset in the stream, a block at a time.
class KeyStream {
public:
    explicit KeyStream(const Rc4Encryption &e) : encryption_(e) {}
    uint8_t at(size_t offset) {
        const size_t block = offset / kBlockBytes;
        if (block != block_) {
            encryption_.key_stream(static_cast<uint32_t>(block), bytes_);
            block_ = block;
        }
        return bytes_[offset % kBlockBytes];
    }

private:
    const Rc4Encryption &encryption_;
    size_t block_ = SIZE_MAX;
    std::array<uint8_t, kBlockBytes> bytes_{};
};

// The records after FILEPASS, to the end of the stream; a BOUNDSHEET's
// first four bytes (where its sheet starts) stay plain.  decrypt(byte,
// offset, size) gives the plain byte at that offset of a record of size
// bytes of data.
template <typename Decrypt>
void decrypt_records(std::vector<uint8_t> &stream, size_t from, Decrypt decrypt) {
    for (size_t at = from; stream.size() - at >= kHeaderBytes;) {
        const uint16_t type = le16(&stream[at]);
        const size_t size = le16(&stream[at + 2]);
        const size_t data = at + kHeaderBytes;
        const size_t end = std::min(stream.size(), data + size);
        if (!never_encrypted(type)) {
            for (size_t i = type == record::kBoundSheet ? data + 4 : data; i < end; ++i)
                stream[i] = decrypt(stream[i], i, size);
        }
        at = end;
    }
}

// The RC4 header follows the kind.
void open_rc4(std::vector<uint8_t> &stream, const FilePass &pass) {
    std::optional<Rc4Encryption> encryption = Rc4Encryption::parse(std::span<const uint8_t>(pass.data).subspan(2));
    if (!encryption) refuse();
    encryption->set_password(kBuiltInPassword);
    if (!encryption->password_matches()) refuse();
    KeyStream keys(*encryption);
    decrypt_records(stream, pass.end, [&](uint8_t byte, size_t offset, size_t) { return byte ^ keys.at(offset); });
}

// The key and the verifier, after the kind in Excel 97 and later; the
// array's place runs with the offset past the record's end.
void open_xor(std::vector<uint8_t> &stream, const FilePass &pass, size_t at) {
    const XorObfuscation obfuscation(kBuiltInPasswordBytes);
    if (pass.data.size() < at + 4 || le16(&pass.data[at]) != obfuscation.key() ||
        le16(&pass.data[at + 2]) != obfuscation.verifier())
        refuse();
    decrypt_records(stream, pass.end,
                    [&](uint8_t byte, size_t offset, size_t size) { return obfuscation.decrypt(byte, offset + size); });
}

}  // namespace

// Excel 5 and 95 write only XOR obfuscation: the record holds the key and
// the verifier alone.  Later versions start it with the kind: 0 XOR
// obfuscation, 1 RC4.
void open_encrypted_stream(std::vector<uint8_t> &stream) {
    const std::optional<FilePass> pass = find_file_pass(stream);
    if (!pass) return;
    const std::vector<uint8_t> &data = pass->data;
    if (data.size() == 4) return open_xor(stream, *pass, 0);
    if (data.size() < 2) refuse();
    if (le16(data.data()) == 0) return open_xor(stream, *pass, 2);
    if (le16(data.data()) == 1) return open_rc4(stream, *pass);
    refuse();
}

}  // namespace qrv::import::xls
