// Speed of formatting doubles with a two-place, grouped number format
// ("#,##0.00"), as a spreadsheet filter does for a column of cells:
// FUFormatNumber with a definition from the item stream and a block cache
// kept across calls, beside ICU's NumberFormatter with the same layout and
// snprintf("%.2f") (no grouping), over the same 1,000,000 values.  The
// summary at the end gives each reference's time over ours.
#include "ratio_summary.hpp"

#include <qrvch.h>
#include <qrvex/cache.h>
#include <qrvex/memory.h>
#include <qrvex/numformat.h>

#if QRV_HAVE_ICU
#include <unicode/numberformatter.h>
#endif

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr size_t kValueCount = 1000000;
constexpr uint32_t kOutputChars = 256;

// Amounts from a hundredth to ten million, evenly spread in magnitude, of
// either sign.
const std::vector<double> &values() {
    static const std::vector<double> all = [] {
        std::mt19937_64 random(20261206);
        std::uniform_real_distribution<double> magnitude(-2.0, 7.0);
        std::vector<double> v(kValueCount);
        for (double &x : v) x = std::pow(10.0, magnitude(random)) * ((random() & 1) ? -1.0 : 1.0);
        return v;
    }();
    return all;
}

// "#,##0.00" as a number format definition of the item stream, labelled @f.
constexpr char kDefinition[] =
    "@f: begin NUMBER_FORMAT key=1\n"
    "special 0x101\nspecial 0x10A\nspecial 0x101\nspecial 0x101\nspecial 0x100\n"
    "special 0x103\nspecial 0x100\nspecial 0x100\n"
    "end\n";

// The document with the definition and a block cache of compiled formats,
// as a filter keeps them for a whole export.
class FormatSetup {
public:
    FormatSetup() {
        char error[128];
        CHLoadDocumentText(kDefinition, sizeof kDefinition - 1, &h_, error, sizeof error);
        CHGetLabel(h_, "f", &formatId_);
        MUInit(&context_);
        MUCacheInit(4, 2, sizeof(FUNumberFormat), MU_CACHE_REPLACE_OLDEST, 0, &cache_, &context_);
    }
    ~FormatSetup() {
        MUCacheDeinit(&cache_, &context_);
        CHCloseDocument(h_);
    }
    FormatSetup(const FormatSetup &) = delete;
    FormatSetup &operator=(const FormatSetup &) = delete;

    bool ready() const { return h_ != 0 && formatId_ != CH_NO_ITEM; }

    uint32_t format(double value, QRVWCHAR *output) {
        uint32_t text60 = 0, text25 = 0;
        return FUFormatNumber(h_, output, kOutputChars, formatId_, value, 0, 0, 0, &text60, &text25, &cache_,
                              work_, 0, 0);
    }

private:
    CHHandle h_ = 0;
    uint32_t formatId_ = CH_NO_ITEM;
    MUContext context_{};
    MUCache cache_{};
    QRVWCHAR work_[264]{};
};

// Runs format(value, buffer) over all values per iteration; format gives
// the length of the text.
template <typename Format>
void format_all(benchmark::State &state, Format &&format) {
    const std::vector<double> &all = values();
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

void BM_Ours(benchmark::State &state) {
    FormatSetup setup;
    if (!setup.ready()) {
        state.SkipWithError("the format definition did not load");
        return;
    }
    QRVWCHAR output[kOutputChars + 1];
    format_all(state, [&](double value) { return setup.format(value, output); });
}
BENCHMARK(BM_Ours)->Name("numformat/ours")->Unit(benchmark::kMillisecond);

void BM_Snprintf(benchmark::State &state) {
    char output[kOutputChars];
    format_all(state, [&](double value) {
        return static_cast<uint32_t>(std::snprintf(output, sizeof output, "%.2f", value));
    });
}
BENCHMARK(BM_Snprintf)->Name("numformat/snprintf")->Unit(benchmark::kMillisecond);

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

void BM_Icu(benchmark::State &state) {
    const icu::number::LocalizedNumberFormatter formatter = icu_formatter();
    char16_t output[kOutputChars];
    format_all(state, [&](double value) { return icu_format(formatter, value, output); });
}
BENCHMARK(BM_Icu)->Name("numformat/icu")->Unit(benchmark::kMillisecond);

// Not timed: how many of the first 10,000 values ICU writes differently.
void BM_IcuAgreement(benchmark::State &state) {
    FormatSetup setup;
    const icu::number::LocalizedNumberFormatter formatter = icu_formatter();
    int64_t differ = 0;
    for (auto _ : state) {
        differ = 0;
        for (size_t i = 0; i < 10000; ++i) {
            QRVWCHAR ours[kOutputChars + 1];
            char16_t theirs[kOutputChars];
            const uint32_t length = setup.format(values()[i], ours);
            const uint32_t icu_length = icu_format(formatter, values()[i], theirs);
            if (length != icu_length || !std::equal(ours, ours + length, theirs)) ++differ;
        }
    }
    state.counters["texts_differing"] = static_cast<double>(differ);
}
BENCHMARK(BM_IcuAgreement)->Name("numformat-check/icu")->Iterations(1)->Unit(benchmark::kMillisecond);

#endif

}  // namespace

int main(int argc, char **argv) { return qrv::bench::run_with_ratios(argc, argv); }
