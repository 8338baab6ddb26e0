// Speed of formatting doubles as a spreadsheet filter does for a column of
// cells: FUFormatNumber with a definition from the item stream and a block
// cache kept across calls, over the same 1,000,000 values as its peers.
//
// "#,##0.00" (subject numformat) runs beside ICU's NumberFormatter with the
// same layout, snprintf("%.2f") and {fmt}'s "{:.2f}" (neither groups), and
// std::to_chars(fixed, 2) followed by thousands grouping, the fastest exact
// way to the same text that the standard library offers.  The other formats
// (subject numformat-more: "0", "0.00%", "0.00E+00", "m/d/yyyy h:mm" and the
// default format) run beside snprintf and {fmt} doing the nearest thing.
// The summary at the end gives each peer's time over ours.
#include "ratio_summary.hpp"

#include <qrvch.h>
#include <qrvex/cache.h>
#include <qrvex/memory.h>
#include <qrvex/numformat.h>

#if QRV_HAVE_ICU
#include <unicode/numberformatter.h>
#endif
#if QRV_HAVE_FMT
#include <fmt/format.h>
#endif

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

using qrv::bench::bench_name;

constexpr size_t kValueCount = 1000000;
constexpr uint32_t kOutputChars = 256;

// Amounts from a hundredth to ten million, evenly spread in magnitude, of
// either sign.
const std::vector<double> &amounts() {
    static const std::vector<double> all = [] {
        std::mt19937_64 random(20261206);
        std::uniform_real_distribution<double> magnitude(-2.0, 7.0);
        std::vector<double> v(kValueCount);
        for (double &x : v) x = std::pow(10.0, magnitude(random)) * ((random() & 1) ? -1.0 : 1.0);
        return v;
    }();
    return all;
}

// Serial days of 1990 to 2050 with a time of day, for the date format.
const std::vector<double> &days() {
    static const std::vector<double> all = [] {
        std::mt19937_64 random(20261207);
        std::uniform_real_distribution<double> day(32874.0, 54789.0);
        std::vector<double> v(kValueCount);
        for (double &x : v) x = day(random);
        return v;
    }();
    return all;
}

// The Julian day number of serial day 0.
constexpr uint32_t kSerialDayBase = 2415019;

struct Format {
    const char *name;
    const char *tokens;  // the definition's items; null for the default format
    bool dates;
};

// Each definition is labelled @f in a document of its own.
constexpr Format kGrouped{"grouped",
                          "special 0x101\nspecial 0x10A\nspecial 0x101\nspecial 0x101\nspecial 0x100\n"
                          "special 0x103\nspecial 0x100\nspecial 0x100\n",
                          false};
constexpr Format kMore[] = {
    {"integer", "special 0x100\n", false},
    {"percent", "special 0x100\nspecial 0x103\nspecial 0x100\nspecial 0x100\nspecial 0x104\n", false},
    {"scientific",
     "special 0x100\nspecial 0x103\nspecial 0x100\nspecial 0x100\nspecial 0x10B\nspecial 0x100\n"
     "special 0x100\n",
     false},
    {"datetime",
     "special 0x124\nspecial 0x130\nspecial 0x122\nspecial 0x130\nspecial 0x127\ntext \" \"\n"
     "special 0x12A\nspecial 0x131\nspecial 0x12B\n",
     true},
    {"default", nullptr, false},
};

// The document with the definition and a block cache of compiled formats,
// as a filter keeps them for a whole export.
class FormatSetup {
public:
    explicit FormatSetup(const Format &format) : dayBase_(format.dates ? kSerialDayBase : 0) {
        if (format.tokens != nullptr) {
            const std::string text = std::string("@f: begin NUMBER_FORMAT key=1\n") + format.tokens + "end\n";
            char error[128];
            CHLoadDocumentText(text.data(), static_cast<uint32_t>(text.size()), &h_, error, sizeof error);
            CHGetLabel(h_, "f", &formatId_);
        }
        MUInit(&context_);
        MUCacheInit(4, 2, sizeof(FUNumberFormat), MU_CACHE_REPLACE_OLDEST, 0, &cache_, &context_);
    }
    ~FormatSetup() {
        MUCacheDeinit(&cache_, &context_);
        if (h_ != 0) CHCloseDocument(h_);
    }
    FormatSetup(const FormatSetup &) = delete;
    FormatSetup &operator=(const FormatSetup &) = delete;

    bool ready(const Format &format) const { return format.tokens == nullptr || formatId_ != CH_NO_ITEM; }

    uint32_t format(double value, QRVWCHAR *output) {
        uint32_t text60 = 0, text25 = 0;
        return FUFormatNumber(h_, output, kOutputChars, formatId_, value, dayBase_, 0, 0, &text60, &text25, &cache_,
                              work_, 0, 0);
    }

private:
    CHHandle h_ = 0;
    uint32_t formatId_ = CH_NO_ITEM;
    uint32_t dayBase_;
    MUContext context_{};
    MUCache cache_{};
    QRVWCHAR work_[264]{};
};

// Runs format(value) over all values per iteration; format gives the
// length of the text.
template <typename Formatter>
void format_all(benchmark::State &state, const std::vector<double> &all, Formatter &&format) {
    uint64_t characters = 0;
    for (auto _ : state) {
        for (double value : all) characters += format(value);
    }
    benchmark::DoNotOptimize(characters);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(all.size()));
    state.counters["ns_per_value"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * static_cast<double>(all.size()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void run_ours(benchmark::State &state, const Format &format) {
    FormatSetup setup(format);
    if (!setup.ready(format)) {
        state.SkipWithError("the format definition did not load");
        return;
    }
    QRVWCHAR output[kOutputChars + 1];
    format_all(state, format.dates ? days() : amounts(), [&](double value) { return setup.format(value, output); });
}

// Two places with "," before every third integer digit, from to_chars.
uint32_t to_chars_grouped(double value, char *out) {
    char plain[400];
    const char *end = std::to_chars(plain, plain + sizeof plain, value, std::chars_format::fixed, 2).ptr;
    const char *p = plain;
    char *o = out;
    if (*p == '-') *o++ = *p++;
    const char *point = std::find(p, end, '.');
    const auto integers = static_cast<size_t>(point - p);
    for (size_t i = 0; i < integers; ++i) {
        if (i > 0 && (integers - i) % 3 == 0) *o++ = ',';
        *o++ = p[i];
    }
    o = std::copy(point, end, o);
    return static_cast<uint32_t>(o - out);
}

// A peer's nearest text for each of the other formats, by printf format.
const char *printf_format(const std::string &name) {
    if (name == "integer") return "%.0f";
    if (name == "percent") return "%.2f%%";
    if (name == "scientific") return "%.2E";
    return "%g";
}

#if QRV_HAVE_FMT
uint32_t fmt_more(const std::string &name, double value, char *out) {
    if (name == "integer") return static_cast<uint32_t>(fmt::format_to(out, "{:.0f}", value) - out);
    if (name == "percent") return static_cast<uint32_t>(fmt::format_to(out, "{:.2f}%", value * 100) - out);
    if (name == "scientific") return static_cast<uint32_t>(fmt::format_to(out, "{:.2E}", value) - out);
    return static_cast<uint32_t>(fmt::format_to(out, "{}", value) - out);
}
#endif

#if QRV_HAVE_ICU
// Two fixed places, grouping by the locale, halves rounded away from zero as
// ours are.
icu::number::LocalizedNumberFormatter icu_formatter() {
    using namespace icu::number;
    return NumberFormatter::with()
        .precision(Precision::fixedFraction(2))
        .grouping(UNUM_GROUPING_AUTO)
        .roundingMode(UNUM_ROUND_HALFUP)
        .locale(icu::Locale::getUS());
}

uint32_t icu_format(const icu::number::LocalizedNumberFormatter &formatter, double value, char16_t *output) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString text = formatter.formatDouble(value, status).toString(status);
    return static_cast<uint32_t>(text.extract(output, kOutputChars, status));
}
#endif

void register_grouped() {
    benchmark::RegisterBenchmark("numformat/ours", [](benchmark::State &state) { run_ours(state, kGrouped); });
    benchmark::RegisterBenchmark("numformat/to_chars", [](benchmark::State &state) {
        char output[kOutputChars];
        format_all(state, amounts(), [&](double value) { return to_chars_grouped(value, output); });
    });
    benchmark::RegisterBenchmark("numformat/snprintf", [](benchmark::State &state) {
        char output[kOutputChars];
        format_all(state, amounts(), [&](double value) {
            return static_cast<uint32_t>(std::snprintf(output, sizeof output, "%.2f", value));
        });
    });
#if QRV_HAVE_FMT
    benchmark::RegisterBenchmark("numformat/fmt", [](benchmark::State &state) {
        char output[kOutputChars];
        format_all(state, amounts(), [&](double value) {
            return static_cast<uint32_t>(fmt::format_to(output, "{:.2f}", value) - output);
        });
    });
#endif
#if QRV_HAVE_ICU
    benchmark::RegisterBenchmark("numformat/icu", [](benchmark::State &state) {
        const icu::number::LocalizedNumberFormatter formatter = icu_formatter();
        char16_t output[kOutputChars];
        format_all(state, amounts(), [&](double value) { return icu_format(formatter, value, output); });
    });
    // Not timed: how many of the first 10,000 values ICU writes differently.
    benchmark::RegisterBenchmark("numformat-check/icu", [](benchmark::State &state) {
        FormatSetup setup(kGrouped);
        const icu::number::LocalizedNumberFormatter formatter = icu_formatter();
        int64_t differ = 0;
        for (auto _ : state) {
            differ = 0;
            for (size_t i = 0; i < 10000; ++i) {
                QRVWCHAR ours[kOutputChars + 1];
                char16_t theirs[kOutputChars];
                const uint32_t length = setup.format(amounts()[i], ours);
                const uint32_t icuLength = icu_format(formatter, amounts()[i], theirs);
                if (length != icuLength || !std::equal(ours, ours + length, theirs)) ++differ;
            }
        }
        state.counters["texts_differing"] = static_cast<double>(differ);
    })->Iterations(1);
#endif
}

void register_more() {
    for (const Format &format : kMore) {
        const std::string name = format.name;
        benchmark::RegisterBenchmark(bench_name("numformat-more", "ours", name).c_str(),
                                     [&format](benchmark::State &state) { run_ours(state, format); });
        if (format.dates) continue;
        benchmark::RegisterBenchmark(
            bench_name("numformat-more", "snprintf", name).c_str(), [name](benchmark::State &state) {
                char output[kOutputChars];
                const char *pattern = printf_format(name);
                const bool percent = name == "percent";
                format_all(state, amounts(), [&](double value) {
                    return static_cast<uint32_t>(
                        std::snprintf(output, sizeof output, pattern, percent ? value * 100 : value));
                });
            });
#if QRV_HAVE_FMT
        benchmark::RegisterBenchmark(
            bench_name("numformat-more", "fmt", name).c_str(), [name](benchmark::State &state) {
                char output[kOutputChars];
                format_all(state, amounts(), [&](double value) { return fmt_more(name, value, output); });
            });
#endif
    }
}

}  // namespace

int main(int argc, char **argv) {
    // Drawn before any benchmark runs, so that counting a benchmark's
    // instructions (scripts/instructions.sh) leaves the drawing out.
    amounts();
    days();
    register_grouped();
    register_more();
    return qrv::bench::run_with_ratios(argc, argv);
}
