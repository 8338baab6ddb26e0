// Whole calls of the formatter on both ways through it, over random
// definitions in documents: runs of text, tokens of every kind, text values,
// conditions with their comparands whose targets are other definitions (by
// key, some missing) or cells that follow, chains of them, cut-off
// definitions, with and without a block cache.  The fast way (the short
// digits and the fast walks) must write what the reference way (the full
// expansion and the general walk) writes, hand back the same text values
// and give the same length.
#include "support/document.hpp"
#include "walkpaths/random_formats.hpp"

#include "format/number/number_call.hpp"

#include <qrvex/memory.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace qrv::test {
namespace {

using numformat::DigitPath;
using numformat::NumberCall;
using numformat::WalkPath;

// The document text of random definitions with keys 1 to count, each
// labelled @d<key>; cells with keys 1 to 3 follow, each with a definition
// of its own.
class RandomDefinitions {
public:
    explicit RandomDefinitions(uint64_t seed) : random_(seed), formats_(seed + 1) {}

    std::string document(uint32_t count) {
        std::string text;
        for (uint32_t key = 1; key <= count; ++key) {
            text += "@d" + std::to_string(key) + ": begin NUMBER_FORMAT key=" + std::to_string(key) + "\n";
            text += items(count);
            if (coin(24) != 0) text += "end\n";  // else cut off by the next begin
        }
        for (uint32_t cell = 1; cell <= 3; ++cell)
            text += "begin SS_CELL " + std::to_string(cell) + "\n" + items(0) + "end\n";
        return text;
    }

private:
    uint32_t coin(uint32_t sides) { return static_cast<uint32_t>(random_() % sides); }

    // A condition (test, what it hands on, its target) and its comparand.
    std::string condition(uint32_t count) {
        const uint32_t test = coin(10);  // 1 to 8 are the tests, the rest never hold
        const uint32_t toCell = coin(4) == 0 ? 0x10000 : 0;
        const uint32_t target = toCell != 0 ? 1 + coin(4) : 1 + coin(count + 1);  // one past the last is missing
        char line[96];
        std::snprintf(line, sizeof line, "FORMAT_CONDITION 0x%X %u %u\nvalue DOUBLE %g\n", test | toCell, coin(2),
                      target, coin(3) == 0 ? 0.0 : static_cast<double>(coin(2000)) - 1000.0);
        return line;
    }

    // Items of a definition: its codes as text runs and special items,
    // conditions (when there are definitions to lead to) and text values.
    std::string items(uint32_t count) {
        std::string text;
        if (count > 0 && coin(3) == 0) text += condition(count);
        const std::vector<FUFormatCode> codes = formats_.codes();
        for (size_t i = 0; i < codes.size(); ++i) {
            if (numformat::is_token(codes[i])) {
                char line[32];
                std::snprintf(line, sizeof line, "special 0x%X\n",
                              static_cast<unsigned>(numformat::token_of(codes[i])));
                text += line;
            } else {
                text += "text \"" + escaped(static_cast<QRVWCHAR>(codes[i])) + "\"\n";
            }
            if (count > 0 && coin(16) == 0) text += condition(count);
        }
        if (coin(8) == 0) text += "text \"/\"\n";
        if (coin(8) == 0) text += "ATTR_25 " + std::to_string(coin(100)) + "\n";
        if (coin(8) == 0) text += "ATTR_60 " + std::to_string(coin(2)) + " " + std::to_string(coin(100)) + "\n";
        return text;
    }

    // A character in the text format's quotes.
    static std::string escaped(QRVWCHAR c) {
        if (c == u'"' || c == u'\\') return std::string("\\") + static_cast<char>(c);
        if (c >= 0x20 && c < 0x7F) return std::string(1, static_cast<char>(c));
        char escape[12];
        std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(c));
        return escape;
    }

    std::mt19937_64 random_;
    RandomFormats formats_;
};

// An option set with the conventions of a PathCall.
class Options {
public:
    explicit Options(const FUIntlSettings &intl) {
        DACreateOptions(&handle_);
        DASetOption(handle_, DA_OPTION_INTL_SETTINGS, &intl, sizeof intl);
    }
    ~Options() { DADestroyOptions(handle_); }
    Options(const Options &) = delete;
    Options &operator=(const Options &) = delete;
    uint32_t handle() const { return handle_; }

private:
    uint32_t handle_ = 0;
};

// A block cache of compiled formats, as a filter keeps one.
class FormatCache {
public:
    FormatCache() {
        MUInit(&context_);
        MUCacheInit(3, 2, sizeof(FUNumberFormat), MU_CACHE_REPLACE_OLDEST, 0, &cache_, &context_);
    }
    ~FormatCache() { MUCacheDeinit(&cache_, &context_); }
    FormatCache(const FormatCache &) = delete;
    FormatCache &operator=(const FormatCache &) = delete;
    MUCache *get() { return &cache_; }

private:
    MUContext context_{};
    MUCache cache_{};
};

// What a call gives back: the text, its length and the text values.
std::string call_result(NumberCall call, uint32_t formatId, double value, uint32_t text60) {
    QRVWCHAR output[numformat::kMaxOutput + 1];
    uint32_t text25 = 0xEEEE;
    call.output = output;
    call.pTextValue60 = &text60;
    call.pTextValue25 = &text25;
    const uint32_t length = numformat::format_number(call, formatId, value);
    return shown_text(output, length) + " [" + std::to_string(length) + " " + std::to_string(text60) + " " +
           std::to_string(text25) + "]";
}

// Documents and calls per run; a tenth in a build without 128-bit integers
// (the 32-bit one, under an emulator).
#if defined(__SIZEOF_INT128__)
constexpr uint32_t kDocuments = 2000;
#else
constexpr uint32_t kDocuments = 200;
#endif
constexpr uint32_t kCallsPerDocument = 200;

TEST(WalkPaths, WholeCallsOverDefinitionsWithConditionsAgree) {
    RandomDefinitions definitions(20261210);
    HardValues values(20261211);
    std::mt19937_64 random(20261212);
    uint64_t differ = 0;
    for (uint32_t d = 0; d < kDocuments; ++d) {
        const uint32_t count = 1 + static_cast<uint32_t>(random() % 5);
        const std::string text = definitions.document(count);
        Document doc(text);
        ASSERT_TRUE(doc.loaded()) << doc.error() << "\n" << text;
        const PathCall conventions = random_call(random);
        Options options(conventions.intl);
        FormatCache fastCache, referenceCache;
        for (uint32_t i = 0; i < kCallsPerDocument; ++i) {
            const uint32_t key = static_cast<uint32_t>(random() % (count + 1));  // 0: the default format
            const uint32_t formatId = key == 0 ? CH_NO_ITEM : doc.id("d" + std::to_string(key));
            const double value = random() % 2 == 0 ? value_for_dates(random, values) : values.next();
            const bool cached = random() % 2 == 0;
            NumberCall call{doc.handle(),
                            nullptr,
                            conventions.outputSize,
                            conventions.dayBase,
                            conventions.dateFlags,
                            conventions.exponentOptions,
                            nullptr,
                            nullptr,
                            nullptr,
                            options.handle()};
            const uint32_t text60 = static_cast<uint32_t>(random() % 1000);
            call.cache = cached ? fastCache.get() : nullptr;
            const std::string fast = call_result(call, formatId, value, text60);
            call.cache = cached ? referenceCache.get() : nullptr;
            call.digits = DigitPath::kFull;
            call.walk = WalkPath::kGeneral;
            const std::string reference = call_result(call, formatId, value, text60);
            if (fast == reference) continue;
            if (++differ <= 10)
                ADD_FAILURE() << "d" << key << " of " << describe(value) << ": fast \"" << fast << "\", reference \""
                              << reference << "\"\n"
                              << text;
        }
    }
    EXPECT_EQ(differ, 0u);
}

}  // namespace
}  // namespace qrv::test
