// The character converters (the UTF-8 one on each of its paths) against a
// plain reference written from their documented behaviour: the same result,
// the same bytes up to and including the terminator, and nothing written
// past the destination size (the destination is an exact-sized heap block,
// so ASan sees any overrun).
//
// Input: byte 0 picks the converter (and misaligns source and destination
// with its high bits), bytes 1-2 the destination size, the rest the source.
#include "format/charset/utf8_encode.hpp"

#include <qrvex/charset.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;
using Converter = int32_t (*)(void *, uint32_t, const void *, uint32_t);

struct Expected {
    int32_t result;
    Bytes written;  // the destination's leading bytes, terminator included
};

// --- Reference converters --------------------------------------------------

uint16_t unit_at(const Bytes &src, size_t i, bool big) {
    return big ? uint16_t(src[2 * i] << 8 | src[2 * i + 1]) : uint16_t(src[2 * i] | src[2 * i + 1] << 8);
}

// What one source character becomes; the character-by-character converters
// differ only in this.
using Encoder = Bytes (*)(const Bytes &src, size_t &i);

Bytes utf8_of(const Bytes &src, size_t &i) {
    uint32_t c = unit_at(src, i++, false);
    if (c >= 0xD800 && c <= 0xDBFF && i < src.size() / 2) {
        const uint32_t low = unit_at(src, i, false);
        if (low >= 0xDC00 && low <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
            ++i;
        }
    }
    if (c < 0x80) return {uint8_t(c)};
    if (c < 0x800) return {uint8_t(0xC0 | c >> 6), uint8_t(0x80 | (c & 0x3F))};
    if (c < 0x10000) return {uint8_t(0xE0 | c >> 12), uint8_t(0x80 | (c >> 6 & 0x3F)), uint8_t(0x80 | (c & 0x3F))};
    return {uint8_t(0xF0 | c >> 18), uint8_t(0x80 | (c >> 12 & 0x3F)), uint8_t(0x80 | (c >> 6 & 0x3F)),
            uint8_t(0x80 | (c & 0x3F))};
}

Bytes opposite_of(const Bytes &src, size_t &i) {
    const Bytes unit = {src[2 * i + 1], src[2 * i]};
    ++i;
    return unit;
}
Bytes low_of_little(const Bytes &src, size_t &i) { return {src[2 * i++]}; }
Bytes low_of_big(const Bytes &src, size_t &i) { return {src[2 * i++ + 1]}; }
Bytes widen_little(const Bytes &src, size_t &i) { return {src[i++], 0}; }
Bytes widen_big(const Bytes &src, size_t &i) { return {0, src[i++]}; }

// Writes whole characters while they fit below the terminator's room.
Expected by_character(Encoder encode, size_t units, uint32_t terminator, const Bytes &src, uint32_t dst_size) {
    if (dst_size < terminator) return {-1, {}};
    Expected e{0, {}};
    for (size_t i = 0; i < units;) {
        const Bytes c = encode(src, i);
        if (e.written.size() + c.size() > dst_size - terminator) {
            e.result = -1;
            break;
        }
        e.written.insert(e.written.end(), c.begin(), c.end());
    }
    if (e.result == 0) e.result = int32_t(e.written.size());
    e.written.insert(e.written.end(), terminator, 0);
    return e;
}

// The block copies decide in one step: everything, or the destination less
// its terminator.  A 16-bit terminator sits on a unit boundary and never
// passes the destination's end.
Expected block_copy(const Bytes &src, uint32_t dst_size, uint32_t terminator) {
    if (dst_size < terminator) return {-1, {}};
    const uint32_t size = uint32_t(src.size());
    const uint32_t end = terminator == 2 ? (size & ~1u) : size;
    if (dst_size > size && end + terminator <= dst_size) {
        Bytes w(src.begin(), src.begin() + end);
        w.insert(w.end(), terminator, 0);
        return {int32_t(size), w};
    }
    const uint32_t cut = terminator == 2 ? (dst_size & ~1u) - 2 : dst_size - 1;
    Bytes w(src.begin(), src.begin() + cut);
    w.insert(w.end(), terminator, 0);
    return {-1, w};
}

struct Operation {
    const char *name;
    Converter convert;
    Encoder encode;  // null for the block copies
    bool wide_source;
    uint32_t terminator;
};

const Operation kOperations[] = {
    {"UnicodeToUTF8", FUConvertUnicodeToUTF8, utf8_of, true, 1},
    {"UnicodeToSameUnicode", FUConvertUnicodeToSameUnicode, nullptr, true, 2},
    {"UnicodeToOppositeUnicode", FUConvertUnicodeToOppositeUnicode, opposite_of, true, 2},
    {"LittleUnicodeToASCII", FUConvertLittleUnicodeToASCII, low_of_little, true, 1},
    {"BigUnicodeToASCII", FUConvertBigUnicodeToASCII, low_of_big, true, 1},
    {"ASCIIToASCII", FUConvertASCIIToASCII, nullptr, false, 1},
    {"ASCIIToLittleUnicode", FUConvertASCIIToLittleUnicode, widen_little, false, 2},
    {"ASCIIToBigUnicode", FUConvertASCIIToBigUnicode, widen_big, false, 2},
};
constexpr size_t kOperationCount = sizeof kOperations / sizeof kOperations[0];

Expected reference(const Operation &op, const Bytes &src, uint32_t dst_size) {
    if (!op.encode) return block_copy(src, dst_size, op.terminator);
    const size_t units = op.wide_source ? src.size() / 2 : src.size();
    return by_character(op.encode, units, op.terminator, src, dst_size);
}

[[noreturn]] void mismatch(const char *name, const char *what, uint32_t dst_size, size_t src_size) {
    std::fprintf(stderr, "%s: %s (destination %u bytes, source %zu bytes)\n", name, what, dst_size, src_size);
    std::abort();
}

// --- The converters --------------------------------------------------------

// Source and destination are heap blocks that end exactly where their sizes
// say, starting one byte in when misaligned.
template <typename Convert>
void check_against(const char *name, Convert convert, const Expected &want, const Bytes &src, uint32_t dst_size,
                   unsigned misalign) {
    const size_t src_offset = misalign & 1, dst_offset = (misalign >> 1) & 1;
    std::unique_ptr<uint8_t[]> src_block(new uint8_t[src.size() + src_offset]);
    std::unique_ptr<uint8_t[]> dst_block(new uint8_t[dst_size + dst_offset]);
    uint8_t *source = src_block.get() + src_offset, *dst = dst_block.get() + dst_offset;
    if (!src.empty()) std::memcpy(source, src.data(), src.size());
    std::memset(dst, 0xCC, dst_size);

    const int32_t got = convert(dst, dst_size, source, uint32_t(src.size()));
    if (got != want.result) mismatch(name, "result differs", dst_size, src.size());
    if (want.written.size() > dst_size) mismatch(name, "reference overran", dst_size, src.size());
    if (!want.written.empty() && std::memcmp(dst, want.written.data(), want.written.size()) != 0)
        mismatch(name, "bytes differ", dst_size, src.size());
}

// The exported converter, and for UTF-8 also every path the processor
// takes, forced.
void check_converter(const Operation &op, const Bytes &src, uint32_t dst_size, unsigned misalign) {
    const Expected want = reference(op, src, dst_size);
    check_against(op.name, op.convert, want, src, dst_size, misalign);
    if (op.convert != FUConvertUnicodeToUTF8) return;
    for (qrv::charset::Utf8Path path : qrv::charset::kUtf8Paths) {
        if (!qrv::charset::utf8_path_available(path)) continue;
        const auto on_path = [path](uint8_t *dst, uint32_t dst_size, const uint8_t *source, uint32_t size) {
            return qrv::charset::utf16_to_utf8(path, dst, dst_size, source, size);
        };
        check_against(op.name, on_path, want, src, dst_size, misalign);
    }
}

// FUWordTextToByteStr in place over count units, with room for the
// terminator unit; the rest of the buffer stays as it was.
void check_word_text(const Bytes &src, uint32_t charset) {
    const uint32_t count = uint32_t(src.size() / 2);
    std::vector<uint16_t> buffer(count + 1, 0xCCCC);
    if (count) std::memcpy(buffer.data(), src.data(), count * 2);
    Bytes want;
    for (uint32_t i = 0; i < count; ++i) {
        const uint16_t u = buffer[i];
        if (charset == 0x14B00000u) {
            want.push_back(uint8_t(u >> 8));
            want.push_back(uint8_t(u));
        } else {
            if (u >> 8) want.push_back(uint8_t(u >> 8));
            want.push_back(uint8_t(u));
        }
    }
    const uint32_t length = uint32_t(want.size());
    want.insert(want.end(), charset == 0x14B00000u ? 2 : 1, 0);
    const uint32_t got = FUWordTextToByteStr(buffer.data(), count, charset);
    if (got != length) mismatch("WordTextToByteStr", "result differs", count, src.size());
    if (std::memcmp(buffer.data(), want.data(), want.size()) != 0)
        mismatch("WordTextToByteStr", "bytes differ", count, src.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 3) return 0;
    const uint8_t selector = data[0];
    const uint32_t dst_size = uint32_t(data[1] | data[2] << 8) % 1024;
    const Bytes src(data + 3, data + size);
    const size_t which = (selector & 0x0F) % (kOperationCount + 1);
    if (which == kOperationCount) {
        check_word_text(src, selector & 0x80 ? 0x14B00000u : dst_size);
    } else {
        check_converter(kOperations[which], src, dst_size, selector >> 4);
    }
    return 0;
}
