#include "support/inside_export.hpp"

#include <gtest/gtest.h>
#include <qrvda.h>
#include <qrvex/export.h>
#include <qrvfa.h>

namespace qrv::test {
namespace {

constexpr uint32_t kInsideOutputId = 0x1D5E;
const std::function<void()> *running = nullptr;

uint32_t open_filter(FAExportContext *) { return 0; }

uint32_t run_filter(FAExportContext *) {
    if (running) (*running)();
    return 0;
}

uint32_t no_callback(uint32_t, uint32_t, uint32_t, uint32_t) { return 0; }

const FAFilter kInsideFilter = {"inside", kInsideOutputId, open_filter, run_filter, nullptr};

}  // namespace

unsigned run_inside_export(const std::function<void()> &body) {
    uint32_t document = 0, sink = 0, handle = 0;
    EXPECT_EQ(FARegisterFilter(&kInsideFilter), 0u);
    EXPECT_EQ(DAOpenDocument(0, 0, &document), 0u);
    EXPECT_EQ(FACreateMemorySink(&sink), 0u);
    uint32_t result = EXOpenExport(document, kInsideOutputId, sink, 0, 0, 0, no_callback, 0, &handle);
    if (result == 0) {
        running = &body;
        result = EXRunExport(handle);
        running = nullptr;
        EXCloseExport(handle);
    }
    FADestroySink(sink);
    DACloseDocument(document);
    FAUnregisterFilter(kInsideOutputId);
    return result;
}

}  // namespace qrv::test
