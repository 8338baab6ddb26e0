#include "picture.hpp"

#include <algorithm>

#include "core/hex_digit.hpp"

namespace qrv::import::rtf {
bool Picture::word(const Token &t) {
    const std::string_view w = t.name;
    if (w == "pngblip") return format_ = Format::Png, true;
    if (w == "jpegblip") return format_ = Format::Jpeg, true;
    if (w == "emfblip") return format_ = Format::Emf, true;
    if (w == "wmetafile") return format_ = Format::Wmf, true;
    if (w == "picwgoal") return width_goal_ = t.param, true;
    if (w == "pichgoal") return height_goal_ = t.param, true;
    if (w == "picscalex") return scale_x_ = t.param, true;
    if (w == "picscaley") return scale_y_ = t.param, true;
    return false;
}

bool Picture::room_for(size_t n) {
    if (max_bytes_ == 0) return false;  // pictures are not kept
    if (!too_large_ && bytes_.size() + n > max_bytes_) {
        too_large_ = true;
        bytes_.clear();
        bytes_.shrink_to_fit();
    }
    return !too_large_;
}

void Picture::hex(std::string_view text) {
    if (format_ == Format::Unknown || !room_for(text.size() / 2 + 1)) return;
    for (const char c : text) {
        const int digit = hex_value(c);
        if (digit < 0) continue;
        if (high_ < 0) {
            high_ = digit;
        } else {
            bytes_ += static_cast<char>(high_ << 4 | digit);
            high_ = -1;
        }
    }
}

void Picture::binary(std::string_view bytes) {
    if (format_ != Format::Unknown && room_for(bytes.size())) bytes_.append(bytes);
}

std::string_view Picture::media_type() const {
    switch (format_) {
    case Format::Png: return "image/png";
    case Format::Jpeg: return "image/jpeg";
    case Format::Emf: return "image/emf";
    case Format::Wmf: return "image/wmf";
    default: return {};
    }
}

std::string_view Picture::extension() const {
    switch (format_) {
    case Format::Png: return "png";
    case Format::Jpeg: return "jpg";
    case Format::Emf: return "emf";
    case Format::Wmf: return "wmf";
    default: return {};
    }
}

uint32_t Picture::points(int32_t twips, int32_t scale) {
    if (twips <= 0 || scale <= 0) return 0;
    const int64_t scaled = static_cast<int64_t>(twips) * scale / 100;
    return static_cast<uint32_t>(std::clamp<int64_t>((scaled + 10) / 20, 0, 0xFFFF));
}

}  // namespace qrv::import::rtf
