// QRVFA: the filter registry, export states and sinks: memory, file and
// callback sinks, their buffer and how they fail.
#include <gtest/gtest.h>
#include <qrvda.h>
#include <qrvfa.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

int closes = 0;
uint32_t run_writes(FAExportContext *ctx) { return FAWrite(ctx->hSink, "abc", 3); }
void count_close(FAExportContext *) { ++closes; }
const FAFilter kWriter = {"writer", 0x1001, nullptr, run_writes, count_close};

class FilterAccess : public ::testing::Test {
protected:
    void SetUp() override {
        FARegisterFilter(&kWriter);
        DAOpenDocument(3, 0, &document);
        DACreateModuleData(&module, document, 0, 28, 2);
        closes = 0;
    }
    void TearDown() override {
        DADestroyModuleData(module);
        DACloseDocument(document);
        FAUnregisterFilter(0x1001);
    }
    uint32_t document = 0, module = 0;
};

TEST_F(FilterAccess, ExportGoesOpenRunCloseOnce) {
    uint32_t sink = 0, handle = 0, status = 99;
    ASSERT_EQ(FACreateMemorySink(&sink), 0u);
    ASSERT_EQ(FAOpenExport(sink, 0, 0x1001, module, 0, &handle, &status), 0u);
    EXPECT_EQ(status, 0u);
    EXPECT_EQ(FARunExport(handle), 0u);
    EXPECT_EQ(FARunExport(handle), uint32_t{FA_ERR_BAD_STATE});
    EXPECT_EQ(FACloseExport(handle), 0u);
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(FACloseExport(handle), uint32_t{FA_ERR_BAD_HANDLE});
    EXPECT_EQ(FARunExport(handle), uint32_t{FA_ERR_BAD_HANDLE});
    const char *data;
    size_t length;
    ASSERT_EQ(FAGetMemorySinkData(sink, &data, &length), 0u);
    EXPECT_EQ(std::string(data, length), "abc");
    EXPECT_EQ(FADestroySink(sink), 0u);
    EXPECT_NE(FADestroySink(sink), 0u);
}

TEST_F(FilterAccess, OpenRefusals) {
    uint32_t other = 0;
    DACreateModuleData(&other, document, 0, 28, 2);
    DACloseDocument(document);  // the module data now names a closed document
    struct Case {
        uint32_t sink, output, module, result;
    };
    const Case cases[] = {
        {0, 0x9999, module, FA_ERR_NO_FILTER},
        {0, 0x1001, 0xBAD, FA_ERR_BAD_DOCUMENT},
        {0, 0x1001, other, FA_ERR_BAD_DOCUMENT},
    };
    for (const auto &c : cases) {
        uint32_t handle = 0, status = 0;
        EXPECT_EQ(FAOpenExport(c.sink, 0, c.output, c.module, 0, &handle, &status), c.result);
        EXPECT_EQ(handle, 0u);
    }
    DAOpenDocument(3, 0, &document);
    uint32_t fresh = 0, handle = 0, status = 0;
    DACreateModuleData(&fresh, document, 0, 28, 2);
    EXPECT_EQ(FAOpenExport(0x777, 0, 0x1001, fresh, 0, &handle, &status), uint32_t{FA_ERR_BAD_SINK});
    DADestroyModuleData(fresh);
    DADestroyModuleData(other);
}

TEST_F(FilterAccess, FileSinkAndRegistry) {
    const std::string path = testing::TempDir() + "/qrvfa_sink.txt";
    uint32_t sink = 0;
    ASSERT_EQ(FACreateFileSink(path.c_str(), &sink), 0u);
    EXPECT_EQ(FAWrite(sink, "hello ", 6), 0u);
    EXPECT_EQ(FAWrite(sink, "file", 4), 0u);
    EXPECT_EQ(FAWrite(0, "dropped", 7), 0u);
    const char *data;
    size_t length;
    EXPECT_NE(FAGetMemorySinkData(sink, &data, &length), 0u);
    ASSERT_EQ(FADestroySink(sink), 0u);
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "hello file");
    EXPECT_NE(FACreateFileSink("/nonexistent/dir/x", &sink), 0u);

    EXPECT_EQ(FAFindFilter(0x1001), &kWriter);
    const FAFilter replacement = {"again", 0x1001, nullptr, run_writes, nullptr};
    FARegisterFilter(&replacement);
    EXPECT_EQ(FAFindFilter(0x1001), &replacement);
    const FAFilter no_run = {"broken", 0x1002, nullptr, nullptr, nullptr};
    EXPECT_NE(FARegisterFilter(&no_run), 0u);
    EXPECT_EQ(FAUnregisterFilter(0x1001), 0u);
    EXPECT_EQ(FAFindFilter(0x1001), nullptr);
}

// What a callback sink's writer was given.
struct Passed {
    std::string bytes;
    std::vector<size_t> calls;  // length of each call
    size_t fail_at_call = SIZE_MAX;
};

uint32_t take_passed(void *context, const void *data, size_t length) {
    auto &p = *static_cast<Passed *>(context);
    p.calls.push_back(length);
    if (p.calls.size() >= p.fail_at_call) return 28;
    p.bytes.append(static_cast<const char *>(data), length);
    return 0;
}

// Writes of any size reach the host's writer whole buffers at a time, in
// order, and the sink never holds a buffer's worth or more.
TEST(Sinks, CallbackSinkPassesOnWholeBuffers) {
    constexpr size_t B = FA_SINK_BUFFER_BYTES;
    const std::vector<std::vector<size_t>> cases = {
        {}, {1}, {B - 1, 1}, {B}, {B + 1}, {3 * B + 7, 5, B - 12}, {10, 2 * B, B / 2, B / 2, 1}, {0, 0, B - 1},
    };
    for (const auto &sizes : cases) {
        Passed passed;
        uint32_t sink = 0;
        ASSERT_EQ(FACreateCallbackSink(take_passed, &passed, &sink), 0u);
        std::string written;
        for (size_t size : sizes) {
            std::string piece(size, static_cast<char>('a' + written.size() % 26));
            ASSERT_EQ(FAWrite(sink, piece.data(), piece.size()), 0u);
            written += piece;
            EXPECT_LT(written.size() - passed.bytes.size(), B);
        }
        for (size_t length : passed.calls) EXPECT_EQ(length % B, 0u);
        ASSERT_EQ(FADestroySink(sink), 0u);
        EXPECT_EQ(passed.bytes, written);
    }
}

// The first failure fails the sink for good: the writer is not called
// again, and every later call reports it.
TEST(Sinks, AFailedSinkStaysFailedAndTellsWhy) {
    for (size_t fail_at : {1u, 2u}) {
        Passed passed;
        passed.fail_at_call = fail_at;
        uint32_t sink = 0, error = 99;
        ASSERT_EQ(FACreateCallbackSink(take_passed, &passed, &sink), 0u);
        ASSERT_EQ(FAGetSinkError(sink, &error), 0u);
        EXPECT_EQ(error, 0u);
        const std::string buffer(FA_SINK_BUFFER_BYTES, 'x');
        uint32_t rc = 0;
        for (size_t i = 0; i < fail_at && rc == 0; ++i) rc = FAWrite(sink, buffer.data(), buffer.size());
        EXPECT_EQ(rc, uint32_t{FA_ERR_BAD_SINK});
        EXPECT_EQ(FAWrite(sink, "x", 1), uint32_t{FA_ERR_BAD_SINK});
        EXPECT_EQ(FAFlushSink(sink), uint32_t{FA_ERR_BAD_SINK});
        ASSERT_EQ(FAGetSinkError(sink, &error), 0u);
        EXPECT_EQ(error, 28u);
        EXPECT_EQ(passed.calls.size(), fail_at);
        EXPECT_EQ(FADestroySink(sink), uint32_t{FA_ERR_BAD_SINK});
    }
}

TEST(Sinks, RefusedArguments) {
    uint32_t sink = 7, error = 0;
    EXPECT_EQ(FACreateCallbackSink(nullptr, nullptr, &sink), uint32_t{FA_ERR_BAD_SINK});
    EXPECT_EQ(sink, 0u);
    EXPECT_EQ(FACreateCallbackSink(take_passed, nullptr, nullptr), uint32_t{FA_ERR_BAD_SINK});
    EXPECT_EQ(FAGetSinkError(0x777, &error), uint32_t{FA_ERR_BAD_SINK});
    EXPECT_EQ(FAFlushSink(0x777), uint32_t{FA_ERR_BAD_SINK});
    EXPECT_EQ(FAGetSinkError(0, &error), 0u);  // the sink that drops its output never fails
    EXPECT_EQ(FAFlushSink(0), 0u);
    Passed passed;
    ASSERT_EQ(FACreateCallbackSink(take_passed, &passed, &sink), 0u);
    const char *data;
    size_t length;
    EXPECT_EQ(FAGetMemorySinkData(sink, &data, &length), uint32_t{FA_ERR_BAD_SINK});
    EXPECT_EQ(FAGetSinkError(sink, nullptr), uint32_t{FA_ERR_BAD_SINK});
    EXPECT_EQ(FADestroySink(sink), 0u);
}

#ifdef __linux__
// A full disk is a failure of the write that meets it: at once for a
// buffer's worth, at the flush for less.
TEST(Sinks, FileSinkOnAFullDevice) {
    for (size_t size : {size_t{10}, size_t{FA_SINK_BUFFER_BYTES}}) {
        uint32_t sink = 0, error = 0;
        ASSERT_EQ(FACreateFileSink("/dev/full", &sink), 0u);
        const std::string bytes(size, 'x');
        const uint32_t written = FAWrite(sink, bytes.data(), bytes.size());
        const uint32_t flushed = FAFlushSink(sink);
        EXPECT_EQ(written, size < FA_SINK_BUFFER_BYTES ? 0u : uint32_t{FA_ERR_BAD_SINK});
        EXPECT_EQ(flushed, uint32_t{FA_ERR_BAD_SINK});
        ASSERT_EQ(FAGetSinkError(sink, &error), 0u);
        EXPECT_EQ(error, uint32_t{ENOSPC});
        EXPECT_EQ(FADestroySink(sink), uint32_t{FA_ERR_BAD_SINK});
    }
}
#endif

}  // namespace
