// Exports of distinct documents and direct calls on distinct records, run on
// several threads at once, give exactly what a single-threaded run gives.
// Under ThreadSanitizer (the tsan preset) these are the tests that reach the
// shared tables of the platform and the toolkit from many threads: global
// memory handles, exception frames, module data, options, filter and
// document registries and the string resources.
#include "numformat/format_support.hpp"
#include "styles/style_doc.hpp"

#include <qrvch.h>
#include <qrvda.h>
#include <qrvex/charset.h>
#include <qrvex/doctree.h>
#include <qrvex/export.h>
#include <qrvex/lists.h>
#include <qrvex/numerals.h>
#include <qrvfa.h>
#include <qrvfilters.h>

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <functional>
#include <memory>
#include <latch>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr size_t kThreads = 8;
constexpr int kRounds = 3;

// Runs job(0) .. job(count - 1) each on its own thread, all released at
// once, and gives their results in order.
std::vector<std::string> on_threads(size_t count, const std::function<std::string(size_t)> &job) {
    std::vector<std::string> results(count);
    std::latch start(static_cast<std::ptrdiff_t>(count));
    std::vector<std::thread> threads;
    for (size_t i = 0; i < count; ++i)
        threads.emplace_back([&, i] {
            start.arrive_and_wait();
            results[i] = job(i);
        });
    for (auto &t : threads) t.join();
    return results;
}

std::string read_sample(const char *name) {
    std::ifstream in(std::string(QRV_SOURCE_DIR "/samples/") + name, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

// --- Whole exports ---------------------------------------------------------

struct Job {
    std::string document;  // chunker text format
    uint32_t outputId;
};

std::vector<Job> sample_jobs() {
    std::vector<Job> jobs;
    for (const char *name : {"report.qrvt", "handbook.qrvt", "ledger.qrvt"}) {
        const std::string text = read_sample(name);
        EXPECT_FALSE(text.empty()) << name;
        jobs.push_back({text, QRV_OUTPUT_HTML});
        jobs.push_back({text, QRV_OUTPUT_TEXT});
    }
    return jobs;
}

// What the host's callback saw during this thread's current export.  The
// callback data is a tag unique to each export, so a callback routed to
// another thread's export shows as misrouted.
struct Progress {
    uint32_t tag = 0;
    uint32_t calls = 0;
    uint32_t last = 0;
    uint32_t misrouted = 0;
};
thread_local Progress progress;
std::atomic<uint32_t> next_tag{1};

uint32_t on_progress(uint32_t, uint32_t tag, uint32_t what, uint32_t value) {
    if (tag != progress.tag) ++progress.misrouted;
    if (what == QRV_CALLBACK_PROGRESS) ++progress.calls, progress.last = value;
    return 0;
}

// Loads the document, exports it through the library's frame into a memory
// sink and gives the output, the progress seen and any failing result.
std::string export_document(const Job &job) {
    std::string outcome;
    CHHandle chunker = 0;
    uint32_t options = 0, document = 0, sink = 0, hExport = 0;
    char error[256] = {};
    progress = Progress{next_tag++};
    uint32_t rc = CHLoadDocumentText(job.document.data(), job.document.size(), &chunker, error, sizeof error);
    if (rc == 0) rc = DACreateOptions(&options);
    if (rc == 0) rc = DAOpenDocument(chunker, options, &document);
    if (rc == 0) rc = QRVRegisterHtmlFilter() | QRVRegisterTextFilter();
    if (rc == 0) rc = FACreateMemorySink(&sink);
    if (rc == 0) rc = EXOpenExport(document, job.outputId, sink, 0, 0, 0, on_progress, progress.tag, &hExport);
    if (rc == 0) {
        rc = EXRunExport(hExport);
        const uint32_t closed = EXCloseExport(hExport);
        if (rc == 0) rc = closed;
    }
    const char *text = nullptr;
    size_t length = 0;
    if (rc == 0) rc = FAGetMemorySinkData(sink, &text, &length);
    if (rc == 0) outcome.assign(text, length);
    if (sink) FADestroySink(sink);
    if (document) DACloseDocument(document);
    if (options) DADestroyOptions(options);
    if (chunker) CHCloseDocument(chunker);
    return outcome + "\n[result " + std::to_string(rc) + ", progress " + std::to_string(progress.calls) + " to " +
           std::to_string(progress.last) + ", misrouted " + std::to_string(progress.misrouted) + "]";
}

TEST(ConcurrentExports, DistinctDocumentsGiveTheSingleThreadedOutput) {
    const std::vector<Job> jobs = sample_jobs();
    std::vector<std::string> expected;
    for (const Job &job : jobs) expected.push_back(export_document(job));
    for (const std::string &e : expected) ASSERT_NE(e.find("[result 0,"), std::string::npos) << e;

    // Thread t starts at job t, so neighbours export different documents and
    // formats at the same moment; every thread runs every job kRounds times.
    const auto transcripts = on_threads(kThreads, [&](size_t t) {
        std::string mismatches;
        for (int round = 0; round < kRounds; ++round)
            for (size_t k = 0; k < jobs.size(); ++k) {
                const size_t j = (t + k) % jobs.size();
                if (export_document(jobs[j]) != expected[j])
                    mismatches += "round " + std::to_string(round) + " job " + std::to_string(j) + "; ";
            }
        return mismatches;
    });
    for (size_t t = 0; t < kThreads; ++t) EXPECT_EQ(transcripts[t], "") << "thread " << t;
}

// --- Direct calls on each thread's own records --------------------------

// Styles 1 <- 2 <- 3 along their based-on chain, and a number format that
// writes a date with weekday and month names from the string resources.
constexpr const char *kStyles = R"(
@r1: style-record kind=1 parent=-1
@r2: style-record kind=1 parent=1
@r3: style-record kind=1 parent=2
begin STYLE_DEFINITION 0 @r1 key=1
item FONT_SIZE 20
item ATTR_25 7
TAB_LIST_BEGIN
TAB_STOP 0 0 100
TAB_LIST_END
end
begin STYLE_DEFINITION 0 @r2 key=2
item ATTR_25 8
TAB_LIST_BEGIN
TAB_STOP 0 0 300
TAB_STOP 0 0 400
TAB_LIST_END
end
begin STYLE_DEFINITION 0 @r3 key=3
item CHAR_ATTR 2 1
end
)";

std::string styles_transcript(uint32_t seed) {
    const std::string dates = "@d: begin NUMBER_FORMAT key=2\n" +
                              qrv::test::definition_lines("{133}\" \"{122}\" \"{125}\" \"{127}") + "end\n";
    qrv::styletest::Doc doc(kStyles + qrv::test::definition("#,##0.00") + dates + "text \"x\"\n");
    std::string out = "styles:";
    CUStyleSheet *sheet = nullptr;
    if (uint32_t rc = CUCreateStyleSheet(&sheet, 2, doc.h())) return out + " create " + std::to_string(rc);
    for (uint32_t k = 0; k < 6; ++k) {
        CUStyleSlot *slot = nullptr;
        uint32_t index = 0;
        const uint32_t rc = CULoadStyle(sheet, 1 + (seed + k) % 3, 0, &slot, &index);
        out += " " + std::to_string(rc);
        if (rc == 0)
            out += "/" + std::to_string(slot->Text.Attr2) + "," + std::to_string(slot->Text.Item25Value) + "," +
                   std::to_string(slot->Para.TabCount) + "," + std::to_string(index);
    }
    CUDestroyStyleSheet(&sheet);
    MUContext context;
    MUInit(&context);
    MUCache cache{};
    MUCacheInit(2, 1, sizeof(FUNumberFormat), MU_CACHE_REPLACE_OLDEST, 0, &cache, &context);
    qrv::test::FormatCall call;
    call.cache = &cache;
    out += "\nnumbers:";
    for (uint32_t k = 0; k < 8; ++k)
        out += " " + qrv::test::format_number(doc.h(), doc["f"], (seed + 1) * 1234.567 * (k + 1), call);
    for (uint32_t k = 0; k < 4; ++k)
        out += " " + qrv::test::format_number(doc.h(), doc["d"], 2451545.0 + seed * 40 + k * 31, call);
    out += " cached " + std::to_string(cache.Count);
    MUCacheDeinit(&cache, &context);
    return out;
}

std::string lists_transcript(uint32_t seed) {
    std::string out = "\nsorted:";
    LUList *list = LUCreateList(sizeof(uint32_t), 2, 3);
    if (!list) return out + " no list";
    for (uint32_t k = 0; k < 40; ++k) {
        const uint32_t value = (seed * 7919 + k * 104729) % 1000;
        LUAddSortedItem(list, &value, sizeof value, 0);
    }
    const auto *items = static_cast<const uint32_t *>(list->Items);
    for (uint32_t i = 0; i < list->ItemCount; ++i) out += " " + std::to_string(items[i]);
    LUFreeList(&list);
    LUList *track = nullptr;
    out += "\ncounters:";
    if (LUInitCounterTrack(&track) != 0) return out + " no track";
    for (uint32_t level = 0; level < 4; ++level) {
        int32_t value = -1;
        LUSaveCounterLevel(track, seed, level, static_cast<int32_t>(10 * level + seed), 10 + level);
        const uint32_t rc = LUGetCounterLevel(track, seed, level, &value, 10 + level);
        out += " " + std::to_string(rc) + "/" + std::to_string(value);
    }
    LUDeInitCounterTrack(track);
    return out;
}

std::string text_transcript(uint32_t seed) {
    std::string out = "\nnumerals:";
    for (int32_t k = 1; k < 12; ++k) {
        QRVWCHAR buffer[64] = {};
        const uint16_t length = FUGenerateRomanNumeral(buffer, 0, 63, static_cast<int32_t>(seed) * 37 + k * 91);
        out += " " + qrv::test::utf8(buffer, length);
        const uint16_t letters = FUGenerateLetterNumeral(buffer, 0, 63, static_cast<int32_t>(seed) + k * 13);
        out += "/" + qrv::test::utf8(buffer, letters);
    }
    QRVWCHAR wide[40] = {};
    for (uint32_t i = 0; i < 39; ++i)
        wide[i] = static_cast<QRVWCHAR>(0x41 + (seed + i) % 26 + (i % 5 == 0 ? 0x400 : 0));
    char utf8[160] = {};
    const int32_t length = FUConvertUnicodeToUTF8(utf8, sizeof utf8, wide, sizeof wide);
    out += "\nutf8: " + std::to_string(length) + " " + std::string(utf8);
    return out;
}

std::string tree_transcript(uint32_t seed) {
    auto tree = std::make_unique<EXDTTree>();
    EXDTInit(tree.get());
    std::string out = "\ntree:";
    for (uint32_t s = 0; s < 3; ++s) {
        out += " " + std::to_string(EXDTAddSection(tree.get(), 100 * s, 100 * s + 99, seed));
        for (uint32_t level = 1; level <= 1 + (seed + s) % 4; ++level)
            out += std::to_string(EXDTAddHeadingLevel(tree.get(), 100 * s + 10 * level, nullptr, 0, level));
        out += std::to_string(EXDTAddBookmark(tree.get(), seed, s));
    }
    out += " sections " + std::to_string(EXDTNumSections(tree.get())) + " path";
    for (uint32_t level : tree->HeadingPath) out += " " + std::to_string(level);
    out += " cleanup " + std::to_string(EXDTCleanup(tree.get()));
    return out;
}

std::string direct_calls(uint32_t seed) {
    return styles_transcript(seed) + lists_transcript(seed) + text_transcript(seed) + tree_transcript(seed);
}

TEST(ConcurrentCalls, EachThreadOnItsOwnRecordsGivesTheSingleThreadedResults) {
    std::vector<std::string> expected;
    for (uint32_t t = 0; t < kThreads; ++t) expected.push_back(direct_calls(t));
    EXPECT_NE(expected[0], expected[1]) << "threads should not all compute the same";
    const auto results = on_threads(kThreads, [&](size_t t) {
        std::string mismatches;
        for (int round = 0; round < kRounds; ++round)
            if (direct_calls(static_cast<uint32_t>(t)) != expected[t])
                mismatches += "round " + std::to_string(round) + "; ";
        return mismatches;
    });
    for (size_t t = 0; t < kThreads; ++t) EXPECT_EQ(results[t], "") << "thread " << t << ":\n" << expected[t];
}

}  // namespace
