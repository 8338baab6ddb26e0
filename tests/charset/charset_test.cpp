#include "format/charset/utf8_encode.hpp"

#include <gtest/gtest.h>
#include <qrvex/charset.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#if QRV_HAVE_ICU
#include <unicode/ustring.h>
#endif

namespace {

using Bytes = std::vector<uint8_t>;
using Converter = int32_t (*)(void *, uint32_t, const void *, uint32_t);

constexpr uint8_t kGuard = 0xCC;

struct Outcome {
    int32_t result;
    Bytes written;  // the destination, dstSize bytes
};

// Runs a converter into a guarded buffer and checks nothing lands past dstSize.
Outcome run(Converter f, uint32_t dst_size, const Bytes &src) {
    Bytes dst(dst_size + 16, kGuard);
    const int32_t r = f(dst.data(), dst_size, src.data(), static_cast<uint32_t>(src.size()));
    for (size_t k = dst_size; k < dst.size(); ++k) EXPECT_EQ(dst[k], kGuard) << "byte " << k << " past the end";
    dst.resize(dst_size);
    return {r, dst};
}

Bytes units_le(std::initializer_list<uint16_t> units) {
    Bytes b;
    for (uint16_t u : units) {
        b.push_back(static_cast<uint8_t>(u));
        b.push_back(static_cast<uint8_t>(u >> 8));
    }
    return b;
}

Bytes prefix(const Bytes &b, size_t n) { return Bytes(b.begin(), b.begin() + static_cast<long>(n)); }

TEST(CharsetConverters, DocumentedCases) {
    struct Case {
        const char *what;
        Converter f;
        uint32_t dst_size;
        Bytes src;
        int32_t result;
        Bytes expected;  // leading bytes of the destination
    };
    const Case cases[] = {
        {"utf8 mixed",
         FUConvertUnicodeToUTF8,
         11,
         units_le({0x41, 0xE9, 0x20AC, 0xD83D, 0xDE00}),
         10,
         {0x41, 0xC3, 0xA9, 0xE2, 0x82, 0xAC, 0xF0, 0x9F, 0x98, 0x80, 0}},
        {"utf8 cut before 3-byte", FUConvertUnicodeToUTF8, 4, units_le({0x41, 0x20AC}), -1, {0x41, 0}},
        {"utf8 exact fit", FUConvertUnicodeToUTF8, 4, units_le({0x20AC}), 3, {0xE2, 0x82, 0xAC, 0}},
        {"utf8 lone high at end", FUConvertUnicodeToUTF8, 8, units_le({0xD800}), 3, {0xED, 0xA0, 0x80, 0}},
        {"utf8 lone low", FUConvertUnicodeToUTF8, 8, units_le({0xDC00, 0x41}), 4, {0xED, 0xB0, 0x80, 0x41, 0}},
        {"utf8 reversed pair",
         FUConvertUnicodeToUTF8,
         9,
         units_le({0xDE00, 0xD83D}),
         6,
         {0xED, 0xB8, 0x80, 0xED, 0xA0, 0xBD, 0}},
        {"utf8 pair does not fit", FUConvertUnicodeToUTF8, 4, units_le({0xD83D, 0xDE00}), -1, {0}},
        {"utf8 empty", FUConvertUnicodeToUTF8, 1, {}, 0, {0}},
        {"utf8 zero inside", FUConvertUnicodeToUTF8, 3, units_le({0, 0x42}), 2, {0, 0x42, 0}},
        {"ascii copy cut", FUConvertASCIIToASCII, 5, {1, 2, 3, 4, 5}, -1, {1, 2, 3, 4, 0}},
        {"ascii copy fits", FUConvertASCIIToASCII, 6, {1, 2, 3, 4, 5}, 5, {1, 2, 3, 4, 5, 0}},
        {"widen little fits", FUConvertASCIIToLittleUnicode, 6, {0x61, 0x62}, 4, {0x61, 0, 0x62, 0, 0, 0}},
        {"widen little cut", FUConvertASCIIToLittleUnicode, 5, {0x61, 0x62}, -1, {0x61, 0, 0, 0}},
        {"widen big", FUConvertASCIIToBigUnicode, 6, {0x61, 0xE9}, 4, {0, 0x61, 0, 0xE9, 0, 0}},
        {"narrow big", FUConvertBigUnicodeToASCII, 4, {0x01, 0x41}, 1, {0x41, 0}},
        {"narrow little", FUConvertLittleUnicodeToASCII, 4, units_le({0x141, 0xE9}), 2, {0x41, 0xE9, 0}},
        {"narrow cut", FUConvertLittleUnicodeToASCII, 2, units_le({0x41, 0x42}), -1, {0x41, 0}},
        {"narrow odd source", FUConvertLittleUnicodeToASCII, 4, {0x41, 0, 0x42}, 1, {0x41, 0}},
        {"opposite", FUConvertUnicodeToOppositeUnicode, 6, {1, 2, 3, 4}, 4, {2, 1, 4, 3, 0, 0}},
        {"opposite odd dst", FUConvertUnicodeToOppositeUnicode, 5, {1, 2, 3, 4}, -1, {2, 1, 0, 0}},
        {"same fits", FUConvertUnicodeToSameUnicode, 6, {1, 2, 3, 4}, 4, {1, 2, 3, 4, 0, 0}},
        {"same exactly as large is cut", FUConvertUnicodeToSameUnicode, 4, {1, 2, 3, 4}, -1, {1, 2, 0, 0}},
        {"same odd source", FUConvertUnicodeToSameUnicode, 6, {1, 2, 3}, 3, {1, 2, 0, 0}},
        {"same odd dst cut", FUConvertUnicodeToSameUnicode, 5, {1, 2, 3, 4, 5, 6}, -1, {1, 2, 0, 0}},
        {"same terminator would pass odd dst", FUConvertUnicodeToSameUnicode, 5, {1, 2, 3, 4}, -1, {1, 2, 0, 0}},
        {"tiny 16-bit dst", FUConvertASCIIToLittleUnicode, 1, {0x61}, -1, {kGuard}},
        {"empty widen", FUConvertASCIIToBigUnicode, 2, {}, 0, {0, 0}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const Outcome o = run(c.f, c.dst_size, c.src);
        EXPECT_EQ(o.result, c.result);
        EXPECT_EQ(prefix(o.written, c.expected.size()), c.expected);
    }
}

// --- UTF-8 against a reference that decodes to code points first ----------

std::vector<std::string> reference_utf8_chars(const std::vector<uint16_t> &units) {
    std::vector<uint32_t> cps;
    for (size_t i = 0; i < units.size(); ++i) {
        const uint32_t u = units[i];
        if ((u & 0xFC00) == 0xD800 && i + 1 < units.size() && (units[i + 1] & 0xFC00) == 0xDC00) {
            cps.push_back(0x10000 + (((u & 0x3FF) << 10) | (units[i + 1] & 0x3FF)));
            ++i;
        } else {
            cps.push_back(u);
        }
    }
    std::vector<std::string> out;
    for (uint32_t c : cps) {
        std::string s;
        if (c < 0x80) {
            s += char(c);
        } else if (c < 0x800) {
            s += char(0xC0 | (c >> 6));
            s += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            s += char(0xE0 | (c >> 12));
            s += char(0x80 | ((c >> 6) & 0x3F));
            s += char(0x80 | (c & 0x3F));
        } else {
            s += char(0xF0 | (c >> 18));
            s += char(0x80 | ((c >> 12) & 0x3F));
            s += char(0x80 | ((c >> 6) & 0x3F));
            s += char(0x80 | (c & 0x3F));
        }
        out.push_back(s);
    }
    return out;
}

// A unit of three UTF-8 bytes: from 0x800 up, not a surrogate half.
uint16_t three_byte_unit(std::mt19937 &rng) {
    const uint16_t u = static_cast<uint16_t>(0x800 + rng() % 0xF800);
    return (u & 0xF800) == 0xD800 ? static_cast<uint16_t>(u + 0x800) : u;
}

// Random text mixing runs of ASCII and of three-byte units (to reach the
// block paths) with Latin, CJK, pairs and lone surrogates of both halves.
std::vector<uint16_t> random_units(std::mt19937 &rng, size_t n) {
    std::vector<uint16_t> u;
    std::uniform_int_distribution<int> kind(0, 10);
    while (u.size() < n) {
        switch (kind(rng)) {
        case 0:
        case 1:
        case 2:
        case 3:
            for (int k = 0; k < 12; ++k) u.push_back(static_cast<uint16_t>(0x20 + rng() % 0x5F));
            break;
        case 4: u.push_back(static_cast<uint16_t>(0x80 + rng() % 0x780)); break;
        case 5: u.push_back(static_cast<uint16_t>(0x4E00 + rng() % 0x5000)); break;
        case 6:
            u.push_back(static_cast<uint16_t>(0xD800 + rng() % 0x400));
            u.push_back(static_cast<uint16_t>(0xDC00 + rng() % 0x400));
            break;
        case 7: u.push_back(static_cast<uint16_t>(0xD800 + rng() % 0x800)); break;
        case 8: u.push_back(static_cast<uint16_t>(rng())); break;
        case 9:
            for (int k = 0; k < 12; ++k) u.push_back(three_byte_unit(rng));
            break;
        default: u.push_back(0); break;
        }
    }
    u.resize(n);
    return u;
}

Bytes as_bytes(const std::vector<uint16_t> &u) {
    Bytes b(u.size() * 2);
    if (!u.empty()) std::memcpy(b.data(), u.data(), b.size());
    return b;
}

TEST(CharsetConverters, Utf8MatchesReferenceAtEveryCutNearTheEnd) {
    std::mt19937 rng(12345);
    for (int round = 0; round < 300; ++round) {
        const auto units = random_units(rng, rng() % 80);
        const auto chars = reference_utf8_chars(units);
        std::string whole;
        for (const auto &c : chars) whole += c;
        const Bytes src = as_bytes(units);
        const uint32_t full = static_cast<uint32_t>(whole.size());
        const uint32_t lowest = full > 40 ? full - 40 : 1;
        for (uint32_t dst_size = lowest; dst_size <= full + 3; ++dst_size) {
            std::string expected;
            for (const auto &c : chars) {
                if (expected.size() + c.size() > dst_size - 1) break;
                expected += c;
            }
            const Outcome o = run(FUConvertUnicodeToUTF8, dst_size, src);
            SCOPED_TRACE("round " + std::to_string(round) + " size " + std::to_string(dst_size));
            ASSERT_EQ(o.result, dst_size > full ? int32_t(full) : -1);
            ASSERT_EQ(std::string(o.written.begin(), o.written.begin() + long(expected.size())), expected);
            ASSERT_EQ(o.written[expected.size()], 0);
        }
    }
}

// Text in long runs of one kind, so that every step of every path is
// reached, with surrogate pairs and lone halves between and at the runs'
// edges.
std::vector<uint16_t> runs_of_kinds(std::mt19937 &rng, size_t n) {
    std::vector<uint16_t> u;
    while (u.size() < n) {
        const size_t run = 1 + rng() % 70;
        const uint32_t kind = rng() % 7;
        for (size_t k = 0; k < run; ++k) {
            switch (kind) {
            case 0: u.push_back(static_cast<uint16_t>(0x20 + rng() % 0x5F)); break;
            case 1: u.push_back(static_cast<uint16_t>(rng() % 3 ? 0x61 + rng() % 26 : 0xC0 + rng() % 0x740)); break;
            case 2: u.push_back(three_byte_unit(rng)); break;
            case 3:
                u.push_back(static_cast<uint16_t>(0xD800 + rng() % 0x400));
                u.push_back(static_cast<uint16_t>(0xDC00 + rng() % 0x400));
                break;
            case 4: u.push_back(static_cast<uint16_t>(0xD800 + rng() % 0x800)); break;
            default: u.push_back(static_cast<uint16_t>(rng())); break;
            }
        }
    }
    u.resize(n);
    return u;
}

// Every path the processor takes, forced in turn, against the reference:
// at every destination size from well inside the text to past its end, with
// source and destination at every offset from a 64-byte boundary.
TEST(CharsetConverters, Utf8PathsMatchReferenceAtEveryCutAndAlignment) {
    using qrv::charset::Utf8Path;
    std::mt19937 rng(2026);
    for (Utf8Path path : qrv::charset::kUtf8Paths) {
        if (!qrv::charset::utf8_path_available(path)) continue;
        for (int round = 0; round < 12; ++round) {
            const auto units = runs_of_kinds(rng, 60 + rng() % 200);
            const auto chars = reference_utf8_chars(units);
            std::string whole;
            for (const auto &c : chars) whole += c;
            const auto full = static_cast<uint32_t>(whole.size());
            for (uint32_t offset = 0; offset < 64; ++offset) {
                alignas(64) uint8_t src[1024 + 64];
                std::memcpy(src + offset, units.data(), units.size() * 2);
                alignas(64) uint8_t dst[1024 + 128];
                const uint32_t dst_offset = (offset * 7) % 64;
                for (uint32_t dst_size = full > 80 ? full - 80 : 1; dst_size <= full + 3; ++dst_size) {
                    std::memset(dst, 0xCC, sizeof dst);
                    const int32_t result = qrv::charset::utf16_to_utf8(path, dst + dst_offset, dst_size, src + offset,
                                                                       static_cast<uint32_t>(units.size() * 2));
                    std::string expected;
                    for (const auto &c : chars) {
                        if (expected.size() + c.size() > dst_size - 1) break;
                        expected += c;
                    }
                    SCOPED_TRACE("path " + std::to_string(int(path)) + " round " + std::to_string(round) + " offset " +
                                 std::to_string(offset) + " size " + std::to_string(dst_size));
                    ASSERT_EQ(result, dst_size > full ? int32_t(full) : -1);
                    ASSERT_EQ(std::string(dst + dst_offset, dst + dst_offset + expected.size()), expected);
                    ASSERT_EQ(dst[dst_offset + expected.size()], 0);
                    for (size_t k = dst_offset + dst_size; k < sizeof dst; ++k) ASSERT_EQ(dst[k], 0xCC);
                }
            }
        }
    }
}

// Long texts whose surrogate pairs straddle the ends of the wide paths'
// stretches and steps, read from a source of exactly their size: a pair's
// low half carries the read one unit past a stretch, which must not lift the
// source's bound.
TEST(CharsetConverters, Utf8PathsStopAtTheSourceWhenPairsStraddleStretches) {
    using qrv::charset::Utf8Path;
    for (Utf8Path path : qrv::charset::kUtf8Paths) {
        if (!qrv::charset::utf8_path_available(path)) continue;
        for (size_t pair_at : {7u, 15u, 31u, 63u, 127u, 255u, 263u, 511u}) {
            for (size_t after : {1u, 2u, 9u, 40u}) {
                std::vector<uint16_t> units(pair_at, 0xE9);
                units.push_back(0xD83D);
                units.push_back(0xDE00);
                units.insert(units.end(), after, 0x4E2D);
                const auto chars = reference_utf8_chars(units);
                std::string whole;
                for (const auto &c : chars) whole += c;
                Bytes src(units.size() * 2);
                std::memcpy(src.data(), units.data(), src.size());
                Bytes dst(whole.size() + 64, kGuard);
                const int32_t result = qrv::charset::utf16_to_utf8(path, dst.data(), static_cast<uint32_t>(dst.size()),
                                                                   src.data(), static_cast<uint32_t>(src.size()));
                SCOPED_TRACE("path " + std::to_string(int(path)) + " pair at " + std::to_string(pair_at) + " then " +
                             std::to_string(after));
                ASSERT_EQ(result, int32_t(whole.size()));
                ASSERT_EQ(std::string(dst.begin(), dst.begin() + long(whole.size())), whole);
            }
        }
    }
}

// The exported converter takes the widest path the processor has.
TEST(CharsetConverters, Utf8PathsWidestIsChosen) {
    using qrv::charset::Utf8Path;
    EXPECT_TRUE(qrv::charset::utf8_path_available(Utf8Path::kScalar));
    const Utf8Path best = qrv::charset::best_utf8_path();
    for (Utf8Path path : qrv::charset::kUtf8Paths) {
        if (qrv::charset::utf8_path_available(path)) {
            EXPECT_GE(int(best), int(path));
        }
    }
}

#if QRV_HAVE_ICU
TEST(CharsetConverters, Utf8AgreesWithIcuOnWellFormedText) {
    std::mt19937 rng(777);
    for (int round = 0; round < 500; ++round) {
        auto units = random_units(rng, 1 + rng() % 300);
        // ICU replaces lone surrogates; keep only well-formed text for it.
        for (size_t i = 0; i < units.size(); ++i) {
            const bool high = (units[i] & 0xFC00) == 0xD800, low = (units[i] & 0xFC00) == 0xDC00;
            if (high && i + 1 < units.size() && (units[i + 1] & 0xFC00) == 0xDC00)
                ++i;
            else if (high || low)
                units[i] = 0xFFFD;
        }
        std::string icu(units.size() * 3 + 1, '\0');
        int32_t icu_len = 0;
        UErrorCode err = U_ZERO_ERROR;
        u_strToUTF8(icu.data(), int32_t(icu.size()), &icu_len, reinterpret_cast<const UChar *>(units.data()),
                    int32_t(units.size()), &err);
        ASSERT_TRUE(U_SUCCESS(err));
        icu.resize(size_t(icu_len));
        const Outcome o = run(FUConvertUnicodeToUTF8, uint32_t(icu.size() + 1), as_bytes(units));
        ASSERT_EQ(o.result, icu_len);
        ASSERT_EQ(std::string(o.written.begin(), o.written.end() - 1), icu);
    }
}
#endif

// --- Fixed-width converters against per-character references --------------

struct FixedWidth {
    const char *name;
    Converter f;
    size_t in_width, out_width;
    void (*one)(uint8_t *out, const uint8_t *in);
};

const FixedWidth kFixed[] = {
    {"little to ascii", FUConvertLittleUnicodeToASCII, 2, 1, [](uint8_t *o, const uint8_t *i) { o[0] = i[0]; }},
    {"big to ascii", FUConvertBigUnicodeToASCII, 2, 1, [](uint8_t *o, const uint8_t *i) { o[0] = i[1]; }},
    {"ascii to little", FUConvertASCIIToLittleUnicode, 1, 2,
     [](uint8_t *o, const uint8_t *i) {
         o[0] = i[0];
         o[1] = 0;
     }},
    {"ascii to big", FUConvertASCIIToBigUnicode, 1, 2,
     [](uint8_t *o, const uint8_t *i) {
         o[0] = 0;
         o[1] = i[0];
     }},
    {"opposite", FUConvertUnicodeToOppositeUnicode, 2, 2,
     [](uint8_t *o, const uint8_t *i) {
         o[0] = i[1];
         o[1] = i[0];
     }},
};

TEST(CharsetConverters, FixedWidthMatchReferenceAtEveryDestinationSize) {
    std::mt19937 rng(99);
    for (const FixedWidth &fw : kFixed) {
        SCOPED_TRACE(fw.name);
        for (size_t chars : {0u, 1u, 7u, 8u, 15u, 16u, 17u, 33u, 70u}) {
            // An odd offset checks unaligned sources.
            Bytes storage(chars * fw.in_width + 1);
            for (auto &b : storage) b = uint8_t(rng());
            const Bytes src(storage.begin() + 1, storage.end());
            for (uint32_t dst_size = uint32_t(fw.out_width); dst_size <= (chars + 2) * fw.out_width; ++dst_size) {
                const size_t fit = std::min(chars, (dst_size - fw.out_width) / fw.out_width);
                Bytes expected(fit * fw.out_width + fw.out_width, 0);
                for (size_t k = 0; k < fit; ++k) fw.one(&expected[k * fw.out_width], &src[k * fw.in_width]);
                const Outcome o = run(fw.f, dst_size, src);
                ASSERT_EQ(o.result, fit == chars ? int32_t(chars * fw.out_width) : -1) << dst_size;
                ASSERT_EQ(prefix(o.written, expected.size()), expected) << dst_size;
            }
        }
    }
}

// The two block copies decide once: everything and a terminator when it fits
// behind the source, else the destination less its last unit, cut there.
Outcome expected_block_copy(size_t unit, uint32_t dst_size, const Bytes &src) {
    Bytes dst(dst_size, kGuard);
    const size_t end = src.size() / unit * unit;
    if (dst_size > src.size() && end + unit <= dst_size) {
        std::copy(src.begin(), src.end(), dst.begin());
        std::fill_n(dst.begin() + long(end), unit, 0);
        return {int32_t(src.size()), dst};
    }
    std::copy_n(src.begin(), dst_size - unit, dst.begin());
    std::fill_n(dst.begin() + long(dst_size / unit * unit - unit), unit, 0);
    return {-1, dst};
}

TEST(CharsetConverters, BlockCopiesMatchReferenceAtEveryDestinationSize) {
    struct Copy {
        Converter f;
        size_t unit;
    } copies[] = {{FUConvertUnicodeToSameUnicode, 2}, {FUConvertASCIIToASCII, 1}};
    std::mt19937 rng(41);
    for (const Copy &c : copies) {
        for (size_t length : {0u, 1u, 2u, 3u, 15u, 16u, 31u, 64u, 129u}) {
            Bytes src(length);
            for (auto &b : src) b = uint8_t(rng());
            for (uint32_t dst_size = uint32_t(c.unit); dst_size <= length + 4; ++dst_size) {
                const Outcome want = expected_block_copy(c.unit, dst_size, src);
                const Outcome got = run(c.f, dst_size, src);
                ASSERT_EQ(got.result, want.result) << c.unit << ": " << length << " into " << dst_size;
                ASSERT_EQ(got.written, want.written) << c.unit << ": " << length << " into " << dst_size;
            }
        }
    }
}

// --- Word text ---------------------------------------------------------------

Bytes word_text(uint32_t charset, std::vector<uint16_t> units, uint32_t &result) {
    units.push_back(0xEEEE);  // room for the terminator
    result = FUWordTextToByteStr(units.data(), uint32_t(units.size() - 1), charset);
    Bytes b(units.size() * 2);
    std::memcpy(b.data(), units.data(), b.size());
    return b;
}

TEST(WordTextToByteStr, PacksOrSwapsByCharset) {
    struct Case {
        uint32_t charset;
        std::vector<uint16_t> units;
        uint32_t result;
        Bytes expected;
    };
    const Case cases[] = {
        {0, {0x0041, 0x82A0}, 3, {0x41, 0x82, 0xA0, 0}},
        {0x14B00000, {0x0041, 0x82A0}, 4, {0x00, 0x41, 0x82, 0xA0, 0, 0}},
        {0x14B00001, {0x0000, 0x0100}, 3, {0x00, 0x01, 0x00, 0}},
        {7, {}, 0, {0}},
        {0x14B00000, {}, 0, {0, 0}},
    };
    for (const Case &c : cases) {
        uint32_t result;
        const Bytes b = word_text(c.charset, c.units, result);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(prefix(b, c.expected.size()), c.expected);
    }
}

TEST(WordTextToByteStr, PackingMatchesReferenceOnMixedRuns) {
    std::mt19937 rng(5);
    for (int round = 0; round < 200; ++round) {
        std::vector<uint16_t> units;
        while (units.size() < 60) {
            if (rng() % 3)
                for (int k = 0; k < 9; ++k) units.push_back(uint16_t(rng() & 0xFF));
            else
                units.push_back(uint16_t(rng()));
        }
        Bytes expected;
        for (uint16_t u : units) {
            if (u >> 8) expected.push_back(uint8_t(u >> 8));
            expected.push_back(uint8_t(u));
        }
        expected.push_back(0);
        uint32_t result;
        const Bytes b = word_text(1, units, result);
        ASSERT_EQ(result, expected.size() - 1);
        ASSERT_EQ(prefix(b, expected.size()), expected);
    }
}

}  // namespace
