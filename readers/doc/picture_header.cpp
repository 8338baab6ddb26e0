#include "picture_header.hpp"

#include "cfb/little_endian.hpp"
#include "twips.hpp"

namespace qrv::import::doc {
namespace {

constexpr size_t kPictureHeaderSize = 0x44;
// The header's fields: the length with the data, the header's length, the
// storage kind, the size before cropping, the scale, the crops.
constexpr size_t kLengthWithData = 0, kHeaderLength = 4, kStorage = 6, kWidthGoal = 28, kHeightGoal = 30, kScaleX = 32,
                 kScaleY = 34, kCropLeft = 36, kCropTop = 38, kCropRight = 40, kCropBottom = 42;
// A storage kind whose header is followed by a file name (its length in
// a byte, then the name) before the records.
constexpr uint16_t kShapeFile = 0x66;

int32_t signed_at(std::span<const uint8_t> header, size_t at) { return static_cast<int16_t>(le16(header.data() + at)); }

// The goal less both crops, scaled by tenths of a percent.
uint32_t shown_pt(std::span<const uint8_t> header, size_t goal, size_t scale, size_t crop_from, size_t crop_to) {
    const int64_t cropped =
        int64_t{signed_at(header, goal)} - signed_at(header, crop_from) - signed_at(header, crop_to);
    return points_of_twips(cropped * le16(header.data() + scale) / 1000);
}

// What follows the header: past the file name where there is one.
std::span<const uint8_t> records_after(std::span<const uint8_t> picture) {
    auto rest = picture.subspan(kPictureHeaderSize);
    if (le16(picture.data() + kStorage) != kShapeFile) return rest;
    if (rest.empty() || rest[0] >= rest.size()) return {};
    return rest.subspan(1 + size_t{rest[0]});
}

}  // namespace

std::optional<PictureHeader> picture_header(std::span<const uint8_t> data, uint32_t offset) {
    if (offset > data.size() || data.size() - offset < kPictureHeaderSize) return std::nullopt;
    const auto at = data.subspan(offset);
    const uint32_t length = le32(at.data() + kLengthWithData);
    if (le16(at.data() + kHeaderLength) != kPictureHeaderSize || length < kPictureHeaderSize || length > at.size())
        return std::nullopt;
    const auto picture = at.first(length);
    PictureHeader header;
    header.records = records_after(picture);
    header.width_pt = shown_pt(picture, kWidthGoal, kScaleX, kCropLeft, kCropRight);
    header.height_pt = shown_pt(picture, kHeightGoal, kScaleY, kCropTop, kCropBottom);
    return header;
}

}  // namespace qrv::import::doc
