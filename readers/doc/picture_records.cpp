#include "picture_records.hpp"

#include <algorithm>

#include "cfb/little_endian.hpp"

namespace qrv::import::doc {
namespace {

constexpr size_t kRecordHeader = 8;
constexpr uint16_t kStoreEntry = 0xF007, kJpeg = 0xF01D, kPng = 0xF01E, kCmykJpeg = 0xF02A;
// A store entry: the picture's kinds, identifier, tag, size, uses and
// place (36 bytes, the name's length at 33), then the name.
constexpr size_t kEntryFixed = 36, kEntryNameLength = 33;

struct DrawingRecord {
    uint16_t instance = 0, type = 0;
    std::span<const uint8_t> body;
};

// The record at the start of bytes; none when it reaches past them.
std::optional<DrawingRecord> drawing_record_at(std::span<const uint8_t> bytes) {
    if (bytes.size() < kRecordHeader) return std::nullopt;
    const uint32_t length = le32(bytes.data() + 4);
    if (length > bytes.size() - kRecordHeader) return std::nullopt;
    return DrawingRecord{static_cast<uint16_t>(le16(bytes.data()) >> 4), le16(bytes.data() + 2),
                         bytes.subspan(kRecordHeader, length)};
}

bool has_signature(std::span<const uint8_t> bytes, std::span<const uint8_t> signature) {
    return bytes.size() >= signature.size() && std::equal(signature.begin(), signature.end(), bytes.begin());
}

// A PNG or JPEG record: one identifier of 16 bytes (two where the instance
// is odd), a tag byte, then the file.
std::optional<PictureBytes> picture_file_of(const DrawingRecord &r) {
    static constexpr uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G'}, kJpegSignature[] = {0xFF, 0xD8};
    const size_t skip = (r.instance & 1 ? 32 : 16) + 1;
    if (r.body.size() <= skip) return std::nullopt;
    const auto file = r.body.subspan(skip);
    if (r.type == kPng && has_signature(file, kPngSignature)) return PictureBytes{file, "image/png", "png"};
    if ((r.type == kJpeg || r.type == kCmykJpeg) && has_signature(file, kJpegSignature))
        return PictureBytes{file, "image/jpeg", "jpg"};
    return std::nullopt;
}

// The picture record inside a store entry, after the entry's name.
std::optional<PictureBytes> picture_file_in_entry(std::span<const uint8_t> entry) {
    if (entry.size() < kEntryFixed) return std::nullopt;
    const size_t name = entry[kEntryNameLength];
    if (entry.size() - kEntryFixed < name) return std::nullopt;
    const auto inner = drawing_record_at(entry.subspan(kEntryFixed + name));
    return inner ? picture_file_of(*inner) : std::nullopt;
}

}  // namespace

std::optional<PictureBytes> picture_of_records(std::span<const uint8_t> records) {
    while (const auto r = drawing_record_at(records)) {
        const auto found = r->type == kStoreEntry ? picture_file_in_entry(r->body) : picture_file_of(*r);
        if (found) return found;
        records = records.subspan(kRecordHeader + r->body.size());
    }
    return std::nullopt;
}

}  // namespace qrv::import::doc
