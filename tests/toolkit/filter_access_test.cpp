// QRVFA: the filter registry, export states and sinks.
#include <gtest/gtest.h>
#include <qrvda.h>
#include <qrvfa.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

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

}  // namespace
