#include "encrypted_stream.hpp"

#include <array>
#include <optional>
#include <span>

#include "cfb/little_endian.hpp"
#include "cfb/rc4_encryption.hpp"
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
// first four bytes (where its sheet starts) stay plain.
void decrypt_records(std::vector<uint8_t> &stream, size_t from, KeyStream &keys) {
    for (size_t at = from; stream.size() - at >= kHeaderBytes;) {
        const uint16_t type = le16(&stream[at]);
        const size_t data = at + kHeaderBytes;
        const size_t end = std::min(stream.size(), data + le16(&stream[at + 2]));
        if (!never_encrypted(type)) {
            for (size_t i = type == record::kBoundSheet ? data + 4 : data; i < end; ++i) stream[i] ^= keys.at(i);
        }
        at = end;
    }
}

}  // namespace

void open_encrypted_stream(std::vector<uint8_t> &stream) {
    const std::optional<FilePass> pass = find_file_pass(stream);
    if (!pass) return;
    // The kind (0 XOR obfuscation, 1 RC4), then the RC4 header.
    const std::span<const uint8_t> data(pass->data);
    if (data.size() < 2 || le16(data.data()) != 1) refuse();
    std::optional<Rc4Encryption> encryption = Rc4Encryption::parse(data.subspan(2));
    if (!encryption) refuse();
    encryption->set_password(kBuiltInPassword);
    if (!encryption->password_matches()) refuse();
    KeyStream keys(*encryption);
    decrypt_records(stream, pass->end, keys);
}

}  // namespace qrv::import::xls
