// Speed of the character converters on 1 MiB of source text, beside glibc's
// iconv and ICU doing the same conversion in the same run:
//   utf8    16-bit machine order to UTF-8 (iconv UTF-16LE to UTF-8,
//           ICU u_strToUTF8)
//   swap16  16-bit to the opposite byte order (iconv UTF-16LE to UTF-16BE,
//           ICU ucnv_fromUChars with a UTF-16BE converter)
//   narrow  16-bit little to byte text (iconv to ISO-8859-1, ICU
//           ucnv_fromUChars with an ISO-8859-1 converter); Latin-1 texts only,
//           where keeping the low byte is the right answer
//   widen   byte text to 16-bit little (iconv ISO-8859-1 to UTF-16LE, ICU
//           ucnv_toUChars with an ISO-8859-1 converter)
// The UTF-8 encoder also runs on each of its paths the processor takes
// (utf8/path-scalar, -sse2, -avx2, -avx512), forced through the internal
// entry point; the exported one takes the widest.
// Texts: ASCII prose, Latin (a third accented Latin-1 letters), CJK (mostly
// ideographs with ASCII spaces and punctuation), emoji (surrogate pairs
// between spaces).  Throughput is counted in source bytes; the summary gives
// each reference's time over ours.  The sources are well formed, so every
// contender writes the same bytes (checked once before timing).
#include "ratio_summary.hpp"

#include "format/charset/utf8_encode.hpp"

#include <qrvex/charset.h>

#include <iconv.h>

#if QRV_HAVE_ICU
#include <unicode/ucnv.h>
#include <unicode/ustring.h>
#endif

#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr size_t kSourceBytes = 1 << 20;

enum class Script { ascii, latin, cjk, emoji };
constexpr const char *kScriptNames[] = {"ascii", "latin", "cjk", "emoji"};

// One character of the script, appended as UTF-16 units.
void append_character(std::u16string &text, Script script, std::mt19937 &random) {
    const uint32_t roll = random() % 100;
    auto pick = [&](uint32_t first, uint32_t last) { return first + random() % (last - first + 1); };
    const uint32_t c = [&]() -> uint32_t {
        if (roll < 15) return u' ';
        switch (script) {
        case Script::ascii: return pick(0x21, 0x7E);
        case Script::latin: return roll < 45 ? pick(0xC0, 0xFF) : pick(0x61, 0x7A);
        case Script::cjk: return roll < 20 ? pick(0x21, 0x2F) : pick(0x4E00, 0x9FFF);
        case Script::emoji: return pick(0x1F300, 0x1FAFF);
        }
        return u'?';
    }();
    if (c < 0x10000) {
        text.push_back(static_cast<char16_t>(c));
    } else {
        text.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
        text.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
    }
}

// 1 MiB of 16-bit machine-order text (little order on the machines we run).
const std::u16string &wide_text(Script script) {
    static std::u16string texts[4];
    std::u16string &text = texts[static_cast<int>(script)];
    if (text.empty()) {
        std::mt19937 random(20261206 + static_cast<unsigned>(script));
        while (text.size() * 2 < kSourceBytes) append_character(text, script, random);
        text.resize(kSourceBytes / 2);
        if (text.back() >= 0xD800 && text.back() <= 0xDBFF) text.back() = u' ';
    }
    return text;
}

// 1 MiB of byte text: the low bytes of a Latin-1 wide text.
const std::string &byte_text(Script script) {
    static std::string texts[2];
    std::string &text = texts[static_cast<int>(script)];
    if (text.empty()) {
        std::mt19937 random(20261206 + static_cast<unsigned>(script));
        std::u16string wide;
        while (wide.size() < kSourceBytes) append_character(wide, script, random);
        wide.resize(kSourceBytes);
        text.assign(wide.begin(), wide.end());
    }
    return text;
}

// A conversion of `size` source bytes into an output buffer large enough for
// the whole result; gives the bytes written.
using Convert = std::function<size_t(const void *source, size_t size, std::vector<char> &out)>;

struct Conversion {
    const char *subject;
    bool wide_source;
    size_t output_factor;  // output bytes per source byte, at most
    const char *iconv_from;
    const char *iconv_to;
    int32_t (*ours)(void *, uint32_t, const void *, uint32_t);
};

constexpr Conversion kConversions[] = {
    {"utf8", true, 2, "UTF-16LE", "UTF-8", FUConvertUnicodeToUTF8},
    {"swap16", true, 1, "UTF-16LE", "UTF-16BE", FUConvertUnicodeToOppositeUnicode},
    {"narrow", true, 1, "UTF-16LE", "ISO-8859-1", FUConvertLittleUnicodeToASCII},
    {"widen", false, 2, "ISO-8859-1", "UTF-16LE", FUConvertASCIIToLittleUnicode},
};

Convert ours_converter(const Conversion &conversion) {
    return [fn = conversion.ours](const void *source, size_t size, std::vector<char> &out) {
        const int32_t written = fn(out.data(), static_cast<uint32_t>(out.size()), source, static_cast<uint32_t>(size));
        return written < 0 ? size_t{0} : static_cast<size_t>(written);
    };
}

// One iconv descriptor per conversion, reset before every call.
Convert iconv_converter(const Conversion &conversion) {
    iconv_t opened = iconv_open(conversion.iconv_to, conversion.iconv_from);
    if (opened == reinterpret_cast<iconv_t>(-1)) return {};
    std::shared_ptr<void> descriptor(opened, [](void *cd) { iconv_close(static_cast<iconv_t>(cd)); });
    return [descriptor](const void *source, size_t size, std::vector<char> &out) {
        const iconv_t cd = static_cast<iconv_t>(descriptor.get());
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        char *in = const_cast<char *>(static_cast<const char *>(source));
        char *to = out.data();
        size_t in_left = size, out_left = out.size();
        if (iconv(cd, &in, &in_left, &to, &out_left) == static_cast<size_t>(-1)) return size_t{0};
        return out.size() - out_left;
    };
}

#if QRV_HAVE_ICU

struct ConverterCloser {
    void operator()(UConverter *converter) const { ucnv_close(converter); }
};
using IcuConverter = std::shared_ptr<UConverter>;

IcuConverter open_icu(const char *name) {
    UErrorCode status = U_ZERO_ERROR;
    UConverter *converter = ucnv_open(name, &status);
    return U_SUCCESS(status) ? IcuConverter(converter, ConverterCloser{}) : IcuConverter();
}

size_t icu_utf8(const void *source, size_t size, std::vector<char> &out) {
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    u_strToUTF8(out.data(), static_cast<int32_t>(out.size()), &length, static_cast<const UChar *>(source),
                static_cast<int32_t>(size / 2), &status);
    return U_SUCCESS(status) ? static_cast<size_t>(length) : 0;
}

Convert icu_converter(const Conversion &conversion) {
    if (std::strcmp(conversion.subject, "utf8") == 0) return icu_utf8;
    const bool from_unicode = conversion.wide_source;
    IcuConverter converter = open_icu(from_unicode ? conversion.iconv_to : conversion.iconv_from);
    if (!converter) return {};
    return [converter, from_unicode](const void *source, size_t size, std::vector<char> &out) {
        UErrorCode status = U_ZERO_ERROR;
        int32_t length;
        if (from_unicode) {
            length = ucnv_fromUChars(converter.get(), out.data(), static_cast<int32_t>(out.size()),
                                     static_cast<const UChar *>(source), static_cast<int32_t>(size / 2), &status);
        } else {
            length = 2 * ucnv_toUChars(converter.get(), reinterpret_cast<UChar *>(out.data()),
                                       static_cast<int32_t>(out.size() / 2), static_cast<const char *>(source),
                                       static_cast<int32_t>(size), &status);
        }
        return U_SUCCESS(status) ? static_cast<size_t>(length) : 0;
    };
}

#endif

const void *source_of(const Conversion &conversion, Script script) {
    return conversion.wide_source ? static_cast<const void *>(wide_text(script).data())
                                  : static_cast<const void *>(byte_text(script).data());
}

std::vector<char> output_for(const Conversion &conversion) {
    return std::vector<char>(kSourceBytes * conversion.output_factor + 4);
}

// Whether the contender writes what ours writes; a benchmark that disagrees
// reports an error instead of a time.
bool agrees_with_ours(const Conversion &conversion, Script script, const Convert &convert) {
    std::vector<char> ours = output_for(conversion), theirs = output_for(conversion);
    const void *source = source_of(conversion, script);
    const size_t ours_length = ours_converter(conversion)(source, kSourceBytes, ours);
    const size_t their_length = convert(source, kSourceBytes, theirs);
    return ours_length == their_length && std::memcmp(ours.data(), theirs.data(), ours_length) == 0;
}

void run_conversion(benchmark::State &state, const Conversion &conversion, Script script, const Convert &convert) {
    if (!convert) {
        state.SkipWithError("converter not available");
        return;
    }
    if (!agrees_with_ours(conversion, script, convert)) {
        state.SkipWithError("output differs from ours");
        return;
    }
    std::vector<char> out = output_for(conversion);
    const void *source = source_of(conversion, script);
    for (auto _ : state) {
        size_t written = convert(source, kSourceBytes, out);
        benchmark::DoNotOptimize(written);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kSourceBytes));
}

bool applies(const Conversion &conversion, Script script) {
    const bool latin1_only = std::strcmp(conversion.subject, "narrow") == 0 || !conversion.wide_source;
    return !latin1_only || script == Script::ascii || script == Script::latin;
}

void register_contender(const Conversion &conversion, Script script, const char *contender, Convert convert) {
    const std::string name =
        qrv::bench::bench_name(conversion.subject, contender, kScriptNames[static_cast<int>(script)]);
    benchmark::RegisterBenchmark(name.c_str(), [&conversion, script, convert](benchmark::State &state) {
        run_conversion(state, conversion, script, convert);
    })->Unit(benchmark::kMicrosecond);
}

// The UTF-8 encoder on one path, forced.
Convert utf8_on_path(qrv::charset::Utf8Path path) {
    return [path](const void *source, size_t size, std::vector<char> &out) {
        const int32_t written = qrv::charset::utf16_to_utf8(
            path, reinterpret_cast<uint8_t *>(out.data()), static_cast<uint32_t>(out.size()),
            static_cast<const uint8_t *>(source), static_cast<uint32_t>(size));
        return written < 0 ? size_t{0} : static_cast<size_t>(written);
    };
}

constexpr const char *kPathNames[] = {"path-scalar", "path-sse2", "path-avx2", "path-avx512"};

void register_utf8_paths(const Conversion &conversion, Script script) {
    for (qrv::charset::Utf8Path path : qrv::charset::kUtf8Paths) {
        if (qrv::charset::utf8_path_available(path))
            register_contender(conversion, script, kPathNames[static_cast<int>(path)], utf8_on_path(path));
    }
}

void register_all() {
    for (const Conversion &conversion : kConversions) {
        for (Script script : {Script::ascii, Script::latin, Script::cjk, Script::emoji}) {
            if (!applies(conversion, script)) continue;
            register_contender(conversion, script, qrv::bench::kOurs, ours_converter(conversion));
            register_contender(conversion, script, "iconv", iconv_converter(conversion));
            if (std::strcmp(conversion.subject, "utf8") == 0) register_utf8_paths(conversion, script);
#if QRV_HAVE_ICU
            register_contender(conversion, script, "icu", icu_converter(conversion));
#endif
        }
    }
}

}  // namespace

int main(int argc, char **argv) {
    register_all();
    return qrv::bench::run_with_ratios(argc, argv);
}
