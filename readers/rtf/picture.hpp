// A \pict group as it is read: the picture's format (\pngblip, \jpegblip,
// \emfblip, \wmetafile), the size it is shown at (\picwgoal, \pichgoal and
// \picscalex, \picscaley), and its bytes, from hex digits or \bin data.
// Formats a page cannot use (\macpict, device-dependent bitmaps) are not
// kept; nor are a picture's bytes past the bound.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "rtf_tokenizer.hpp"

namespace qrv::import::rtf {

class Picture {
public:
    explicit Picture(uint64_t max_bytes = 0) : max_bytes_(max_bytes) {}

    // True for a word of the picture's own.
    bool word(const Token &t);
    // Text of the group: hex digits, two a byte; anything else is skipped.
    void hex(std::string_view text);
    void binary(std::string_view bytes);

    // "" for a format not kept.
    std::string_view media_type() const;
    // "png" and the like, for the picture's file name.
    std::string_view extension() const;
    uint32_t width_pt() const { return points(width_goal_, scale_x_); }
    uint32_t height_pt() const { return points(height_goal_, scale_y_); }
    bool too_large() const { return too_large_; }
    std::string take_bytes() { return std::move(bytes_); }

private:
    enum class Format : uint8_t { Unknown, Png, Jpeg, Emf, Wmf };
    static uint32_t points(int32_t twips, int32_t scale);
    bool room_for(size_t n);

    Format format_ = Format::Unknown;
    int32_t width_goal_ = 0, height_goal_ = 0, scale_x_ = 100, scale_y_ = 100;
    uint64_t max_bytes_;
    std::string bytes_;
    int high_ = -1;  // the first digit of a byte in hand
    bool too_large_ = false;
};

}  // namespace qrv::import::rtf
