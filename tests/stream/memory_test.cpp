// A big export holds a bounded amount of memory beside its document, and
// a sink that fails ends it cleanly.
//
// Memory is counted, not read off the process: this program replaces the
// global operator new and delete and keeps the bytes held, so the count
// is the same under ASan, TSan and qemu, whose own memory would swamp a
// resident-size reading.  The filters and the chunker allocate through
// operator new; the library's records (global memory) and the sanitizers'
// shadow are not counted.  On Windows a DLL keeps its own operator new, so
// the count would not see the filters: the bound is checked elsewhere.
#include <gtest/gtest.h>
#include <qrvch.h>
#include <qrvda.h>
#include <qrvex/export.h>
#include <qrvfa.h>
#include <qrvfilters.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "support/generated_report.hpp"

namespace {

std::atomic<size_t> g_held{0};
std::atomic<size_t> g_peak{0};

// Each block carries its size in a header of the platform's alignment.
constexpr size_t kHeader = alignof(std::max_align_t);

void *counted_new(size_t size) {
    void *block = std::malloc(size + kHeader);
    if (!block) throw std::bad_alloc();
    *static_cast<size_t *>(block) = size;
    const size_t held = g_held += size;
    for (size_t peak = g_peak; held > peak && !g_peak.compare_exchange_weak(peak, held);) {
    }
    return static_cast<char *>(block) + kHeader;
}

void counted_delete(void *p) {
    if (!p) return;
    void *block = static_cast<char *>(p) - kHeader;
    g_held -= *static_cast<size_t *>(block);
    std::free(block);
}

}  // namespace

void *operator new(size_t size) { return counted_new(size); }
void *operator new[](size_t size) { return counted_new(size); }
void *operator new(size_t size, const std::nothrow_t &) noexcept {
    try {
        return counted_new(size);
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
}
void *operator new[](size_t size, const std::nothrow_t &tag) noexcept { return operator new(size, tag); }
void operator delete(void *p) noexcept { counted_delete(p); }
void operator delete[](void *p) noexcept { counted_delete(p); }
void operator delete(void *p, size_t) noexcept { counted_delete(p); }
void operator delete[](void *p, size_t) noexcept { counted_delete(p); }
void operator delete(void *p, const std::nothrow_t &) noexcept { counted_delete(p); }
void operator delete[](void *p, const std::nothrow_t &) noexcept { counted_delete(p); }

namespace {

constexpr uint32_t kParagraphs = 50000;
constexpr uint32_t kColumns = 100;
constexpr uint32_t kRows = 10000;  // 1,000,000 cells
constexpr double kMiB = 1024.0 * 1024.0;
// What an export may hold beside its document: its buffers and the
// in-memory part of its spill, whatever the document's size.  (The
// document's own share, which the chunker decides, is reported beside it.)
constexpr size_t kExportBound = 4u << 20;

// 50,000 paragraphs of text (2.6 MB of it), then a sheet of 1,000,000
// cells.
CHHandle million_cells() { return qrv::test::generated_report(kParagraphs, kColumns, kRows); }

// What the host's sink saw.
struct Received {
    size_t bytes = 0;
    size_t calls = 0;
    size_t fail_at_call = SIZE_MAX;  // this call and any after it fail
    std::string tail;                // the page's last bytes
};

uint32_t g_last_percent = 0;  // of the export running

uint32_t receive(void *context, const void *data, size_t length) {
    auto &r = *static_cast<Received *>(context);
    if (++r.calls >= r.fail_at_call) return 28;  // as a full disk
    r.bytes += length;
    r.tail.append(static_cast<const char *>(data), length);
    if (r.tail.size() > 64) r.tail.erase(0, r.tail.size() - 64);
    return 0;
}

uint32_t on_progress(uint32_t, uint32_t, uint32_t what, uint32_t value) {
    if (what == QRV_CALLBACK_PROGRESS) g_last_percent = value;
    return 0;
}

class BigExport : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const size_t before = g_held;
        chunker_ = million_cells();
        document_bytes_ = g_held - before;
        DACreateOptions(&options_);
        DAOpenDocument(chunker_, options_, &document_);
        QRVRegisterHtmlFilter();
        QRVRegisterTextFilter();
    }
    static void TearDownTestSuite() {
        DACloseDocument(document_);
        DADestroyOptions(options_);
        CHCloseDocument(chunker_);
    }

    // Runs one export into the host's sink; gives its result and sets
    // peak to the most it held beside what was held before.
    static uint32_t run(uint32_t output, Received &received, size_t &peak) {
        uint32_t sink = 0, hExport = 0;
        FACreateCallbackSink(receive, &received, &sink);
        const size_t start = g_held;
        g_peak = start;
        g_last_percent = 0;
        uint32_t rc = EXOpenExport(document_, output, sink, 0, 0, 0, on_progress, 0, &hExport);
        if (rc == 0) rc = EXRunExport(hExport);
        if (hExport) EXCloseExport(hExport);
        peak = g_peak - start;
        if (FADestroySink(sink) != 0 && rc == 0) rc = FA_ERR_BAD_SINK;
        return rc;
    }

    static inline CHHandle chunker_ = 0;
    static inline uint32_t options_ = 0, document_ = 0;
    static inline size_t document_bytes_ = 0;
};

TEST_F(BigExport, AMillionCellsStreamThroughABoundedBuffer) {
#ifdef _WIN32
    GTEST_SKIP() << "a DLL's allocations are not counted here";
#endif
    struct Case {
        const char *name;
        uint32_t output;
        const char *ending;
        size_t least_bytes;  // every cell's text, at the least
    } cases[] = {
        {"html", QRV_OUTPUT_HTML, "</html>\n", 1000000 * sizeof("<td class=\"num\">-0.00</td>")},
        {"text", QRV_OUTPUT_TEXT, " | 1,244,998.75\n", 1000000 * sizeof(" | 1,234.50")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Received received;
        size_t peak = 0;
        ASSERT_EQ(run(c.output, received, peak), 0u);
        RecordProperty(std::string(c.name) + "_peak_KiB", std::to_string(peak / 1024));
        EXPECT_GT(received.bytes, c.least_bytes);
        EXPECT_LE(peak, kExportBound) << peak / kMiB << " MiB held for " << received.bytes / kMiB << " MiB written";
        const std::string ending = c.ending;
        EXPECT_EQ(received.tail.substr(received.tail.size() - ending.size()), ending);
        EXPECT_EQ(g_last_percent, 100u);
    }
    RecordProperty("document_KiB", std::to_string(document_bytes_ / 1024));
}

// The sink fails at its first or a later call: the export ends with "the
// output cannot be written" (4) and the sink is not called again.  The
// text filter writes the paragraphs as it walks them, so its walk stops
// there instead of going on through the sheet; the HTML filter's page
// leaves once the walk is done.
TEST_F(BigExport, AFailingSinkEndsTheExportOnce) {
    struct Case {
        const char *name;
        uint32_t output;
        size_t fail_at_call;
        bool stops_early;
    } cases[] = {
        {"html, a later call", QRV_OUTPUT_HTML, 30, false},
        {"text, first call", QRV_OUTPUT_TEXT, 1, true},
        {"text, a later call", QRV_OUTPUT_TEXT, 30, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Received received;
        received.fail_at_call = c.fail_at_call;
        size_t peak = 0;
        EXPECT_EQ(run(c.output, received, peak), 4u);
        EXPECT_EQ(received.calls, c.fail_at_call);
        EXPECT_EQ(received.bytes, (c.fail_at_call - 1) * FA_SINK_BUFFER_BYTES);
        if (c.stops_early) {
            EXPECT_LT(g_last_percent, 50u);
        }
    }
}

}  // namespace
