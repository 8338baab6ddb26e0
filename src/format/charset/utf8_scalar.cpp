// The plain path: the step loop with no vector instructions.
#include "format/charset/utf8_steps.hpp"

#include <bit>

namespace qrv::charset {
namespace {

struct PlainKernels {
    static bool pack_ascii(uint8_t *out, const uint8_t *p) {
        uint64_t a, b;
        std::memcpy(&a, p, 8);
        std::memcpy(&b, p + 8, 8);
        if (((a | b) & 0xFF80FF80FF80FF80ull) != 0) return false;
        for (size_t k = 0; k < kStep; ++k) out[k] = static_cast<uint8_t>(load_unit(p + 2 * k));
        return true;
    }

    static bool without_surrogates(const uint8_t *p) {
        for (size_t k = 0; k < kStep; ++k) {
            if ((load_unit(p + 2 * k) & 0xF800) == 0xD800) return false;
        }
        return true;
    }

    // The UTF-8 form of a unit that is not a surrogate half, without
    // branches on its length: writes four bytes (three on big-endian
    // machines), of which the first n count.
    static size_t put_bmp_unit(uint8_t *out, uint32_t c) {
        const bool two = c >= 0x80, three = c >= 0x800;
        const uint32_t last = 0x80 | (c & 0x3F);
        const uint32_t middle = 0x80 | ((c >> 6) & 0x3F);
        const uint32_t first = three ? 0xE0 | (c >> 12) : two ? 0xC0 | (c >> 6) : c;
        const uint32_t second = three ? middle : last;
        if constexpr (std::endian::native == std::endian::little) {
            const uint32_t bytes = first | second << 8 | last << 16;
            std::memcpy(out, &bytes, sizeof bytes);
        } else {
            out[0] = static_cast<uint8_t>(first);
            out[1] = static_cast<uint8_t>(second);
            out[2] = static_cast<uint8_t>(last);
        }
        return 1 + two + three;
    }

    static size_t encode_bmp(uint8_t *out, const uint8_t *p) {
        size_t n = 0;
        for (size_t k = 0; k < kStep; ++k) n += put_bmp_unit(out + n, load_unit(p + 2 * k));
        return n;
    }
};

}  // namespace

void utf8_bulk_scalar(Utf8Cursor &c) { bulk_in_steps<PlainKernels>(c); }

}  // namespace qrv::charset
