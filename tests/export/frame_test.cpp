// The export frame against the toolkit stand-ins: a test filter registered
// with QRVFA does what each case asks, and the frame's results, handles and
// module data are checked.
#include <gtest/gtest.h>
#include <qrvda.h>
#include <qrvex/export.h>
#include <qrvfa.h>
#include <qrvplatform/platform.h>

#include <string>

#include "platform/faults.hpp"

namespace {

constexpr uint32_t kOutputId = 0x7E57;

// What the test filter does when it runs.
enum class Action { Succeed, Return, Raise, NullWrite, DivideByZero, CallBack };
Action run_action = Action::Succeed;
uint32_t run_result = 0;
uint32_t open_result = 0;
uint32_t last_option_word = 0;

uint32_t filter_open(FAExportContext *ctx) {
    last_option_word = ctx->optionWord;
    return open_result;
}

uint32_t filter_run(FAExportContext *ctx) {
    switch (run_action) {
    case Action::Succeed: return FAWrite(ctx->hSink, "ok", 2);
    case Action::Return: return run_result;
    case Action::Raise: RaiseException(0xE0000042u, 0, 0, nullptr); return 0;
    case Action::NullWrite: qrv::test::write_through_null(); return 0;
    case Action::DivideByZero: return static_cast<uint32_t>(qrv::test::divide_by(0));
    case Action::CallBack: return EXDoCallback(ctx->hExport, 11, 22);
    }
    return 0;
}

const FAFilter kTestFilter = {"test", kOutputId, filter_open, filter_run, nullptr};

struct CallbackLog {
    uint32_t hExport = 0, data = 0, value1 = 0, value2 = 0;
    uint32_t result = 0;
    int calls = 0;
};
CallbackLog callback_log;

uint32_t host_callback(uint32_t hExport, uint32_t data, uint32_t value1, uint32_t value2) {
    callback_log.hExport = hExport;
    callback_log.data = data;
    callback_log.value1 = value1;
    callback_log.value2 = value2;
    ++callback_log.calls;
    return callback_log.result;
}

class ExportFrame : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(FARegisterFilter(&kTestFilter), 0u);
        ASSERT_EQ(DAOpenDocument(0, 0, &document), 0u);
        ASSERT_EQ(FACreateMemorySink(&sink), 0u);
        run_action = Action::Succeed;
        open_result = 0;
        callback_log = {};
        modules_before = DAGetModuleDataCount();
    }
    void TearDown() override {
        FADestroySink(sink);
        DACloseDocument(document);
        FAUnregisterFilter(kOutputId);
    }
    uint32_t open(uint32_t *handle, EXCallbackFunc callback = host_callback, uint32_t unused = 0) {
        return EXOpenExport(document, kOutputId, sink, 0x55, unused, 0, callback, 0xDA7A, handle);
    }
    uint32_t modules_alive() const { return DAGetModuleDataCount() - modules_before; }

    uint32_t document = 0, sink = 0, modules_before = 0;
};

TEST_F(ExportFrame, OpenRunCloseWritesTheOutput) {
    uint32_t handle = 0xFFFF;
    ASSERT_EQ(open(&handle), 0u);
    EXPECT_NE(handle, 0u);
    EXPECT_EQ(last_option_word, 0x55u);
    EXPECT_EQ(modules_alive(), 1u);
    EXPECT_EQ(EXRunExport(handle), 0u);
    EXPECT_EQ(EXCloseExport(handle), 0u);
    EXPECT_EQ(modules_alive(), 0u);
    const char *data;
    size_t length;
    ASSERT_EQ(FAGetMemorySinkData(sink, &data, &length), 0u);
    EXPECT_EQ(std::string(data, length), "ok");
    // The handle is gone: QRVDA's own refusal comes back unchanged.
    EXPECT_EQ(EXRunExport(handle), uint32_t{DA_ERR_BAD_HANDLE});
    EXPECT_EQ(EXCloseExport(handle), uint32_t{DA_ERR_BAD_HANDLE});
    EXPECT_EQ(EXDoCallback(handle, 1, 2), uint32_t{DA_ERR_BAD_HANDLE});
}

TEST_F(ExportFrame, FilterResultsAreMapped) {
    const std::pair<uint32_t, uint32_t> rows[] = {
        {0, 0},  {1, 3},  {2, 4},  {3, 2}, {4, 7},       {5, 21},
        {6, 18}, {7, 13}, {8, 18}, {9, 9}, {1000, 1000}, {0xFFFFFFFFu, 0xFFFFFFFFu},
    };
    run_action = Action::Return;
    for (const auto &[fa, library] : rows) {
        uint32_t handle = 0;
        ASSERT_EQ(open(&handle), 0u);
        run_result = fa;
        EXPECT_EQ(EXRunExport(handle), library) << fa;
        EXPECT_EQ(EXCloseExport(handle), 0u);
    }
}

TEST_F(ExportFrame, FailedOpenLeavesNoHandleAndNoModuleData) {
    struct Case {
        const char *what;
        uint32_t document;
        uint32_t output;
        uint32_t open_result;
        uint32_t expected;
    };
    const Case cases[] = {
        {"unknown document", 0x12345, kOutputId, 0, DA_ERR_REFUSED},
        {"no filter", 0, 0xBAD, 0, 3},  // FA 1 maps to 3
        {"filter refuses", 0, kOutputId, 7, 13},
        {"filter's own code", 0, kOutputId, 300, 300},
    };
    for (const auto &c : cases) {
        open_result = c.open_result;
        uint32_t handle = 0xFFFF;
        const uint32_t doc = c.document ? c.document : document;
        EXPECT_EQ(EXOpenExport(doc, c.output, sink, 0, 0, 0, host_callback, 0, &handle), c.expected) << c.what;
        EXPECT_EQ(handle, 0u) << c.what;
        EXPECT_EQ(modules_alive(), 0u) << c.what;
    }
}

TEST_F(ExportFrame, FailedModuleDataAllocationIsReturned) {
    uint32_t handle = 0xFFFF;
    QrvGlobalFailAfter(1);
    EXPECT_EQ(open(&handle), uint32_t{DA_ERR_NO_MEMORY});
    QrvGlobalFailAfter(0);
    EXPECT_EQ(handle, 0u);
    EXPECT_EQ(modules_alive(), 0u);
}

TEST_F(ExportFrame, ModuleDataOfAnotherTypeIsLeftAlone) {
    uint32_t other = 0;
    ASSERT_EQ(DACreateModuleData(&other, document, 0, 28, 3), 0u);
    EXPECT_EQ(EXRunExport(other), 15u);
    EXPECT_EQ(EXDoCallback(other, 1, 2), 15u);
    EXPECT_EQ(EXCloseExport(other), 15u);
    void *record = nullptr;
    ASSERT_EQ(DALockModuleData(other, &record), 0u);  // still there
    EXPECT_EQ(static_cast<uint32_t *>(record)[1], 3u);
    DAUnlockModuleData(other);
    DADestroyModuleData(other);
    EXPECT_EQ(callback_log.calls, 0);
}

TEST_F(ExportFrame, CallbackGetsItsValuesAndItsResultComesBackUnmapped) {
    uint32_t handle = 0;
    ASSERT_EQ(open(&handle, host_callback, 0xDEAD), 0u);  // the unused argument changes nothing
    for (uint32_t result : {0u, 1u, 7u, 8u, 1234u}) {
        callback_log.result = result;
        EXPECT_EQ(EXDoCallback(handle, 5, 6), result);
    }
    EXPECT_EQ(callback_log.hExport, handle);
    EXPECT_EQ(callback_log.data, 0xDA7Au);
    EXPECT_EQ(callback_log.value1, 5u);
    EXPECT_EQ(callback_log.value2, 6u);
    // From inside the running filter too.
    run_action = Action::CallBack;
    callback_log.result = 6;
    EXPECT_EQ(EXRunExport(handle), 18u);  // the callback's 6 is the filter's result, then mapped
    EXPECT_EQ(callback_log.value1, 11u);
    EXPECT_EQ(EXCloseExport(handle), 0u);
}

TEST_F(ExportFrame, NoCallbackGives50) {
    uint32_t handle = 0;
    ASSERT_EQ(open(&handle, nullptr), 0u);
    EXPECT_EQ(EXDoCallback(handle, 1, 2), 50u);
    EXPECT_EQ(EXCloseExport(handle), 0u);
}

TEST_F(ExportFrame, ExceptionsInsideTheFilterComeBackAsResults) {
    const std::pair<Action, uint32_t> rows[] = {
        {Action::Raise, DAGetExceptionError(0xE0000042u)},
        {Action::NullWrite, DAGetExceptionError(EXCEPTION_ACCESS_VIOLATION)},
        {Action::DivideByZero, DAGetExceptionError(EXCEPTION_INT_DIVIDE_BY_ZERO)},
    };
    for (const auto &[action, expected] : rows) {
        uint32_t handle = 0;
        ASSERT_EQ(open(&handle), 0u);
        run_action = action;
        EXPECT_EQ(EXRunExport(handle), expected);
        // The record stayed locked once: the exception path unlocks nothing.
        void *record = nullptr;
        ASSERT_EQ(DALockModuleData(handle, &record), 0u);
        DAUnlockModuleData(handle);
        DAUnlockModuleData(handle);
        EXPECT_EQ(EXCloseExport(handle), 0u);
    }
    EXPECT_EQ(modules_alive(), 0u);
    EXPECT_NE(DAGetExceptionError(EXCEPTION_ACCESS_VIOLATION), 0u);
    // The process goes on: the next export runs to its end.
    uint32_t handle = 0;
    ASSERT_EQ(open(&handle), 0u);
    run_action = Action::Succeed;
    EXPECT_EQ(EXRunExport(handle), 0u);
    EXPECT_EQ(EXCloseExport(handle), 0u);
}

}  // namespace
