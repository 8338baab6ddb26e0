// QRVDA: checked handles, module data records, options.
#include <gtest/gtest.h>
#include <qrvda.h>
#include <qrvplatform/platform.h>

#include <cstring>

namespace {

TEST(DataAccess, HandlesAreChecked) {
    uint32_t doc = 0, module = 0, options = 0;
    ASSERT_EQ(DAOpenDocument(5, 0, &doc), 0u);
    ASSERT_EQ(DACreateModuleData(&module, doc, 0, 28, 2), 0u);
    ASSERT_EQ(DACreateOptions(&options), 0u);
    // Handles of one kind are not taken for another.
    void *record = nullptr;
    EXPECT_NE(DALockModuleData(doc, &record), 0u);
    EXPECT_EQ(record, nullptr);
    EXPECT_NE(DAPreOpenDocument(module), 0u);
    EXPECT_NE(DADestroyOptions(doc), 0u);
    EXPECT_EQ(DADestroyModuleData(module), 0u);
    const uint32_t gone[] = {module, 0, 0xFFFFFFFFu, 12345};
    for (uint32_t h : gone) {
        EXPECT_EQ(DALockModuleData(h, &record), uint32_t{DA_ERR_BAD_HANDLE}) << h;
        EXPECT_NE(DAUnlockModuleData(h), 0u);
        EXPECT_NE(DADestroyModuleData(h), 0u);
    }
    EXPECT_NE(DACreateModuleData(&module, 0xBAD, 0, 28, 2), 0u);
    EXPECT_EQ(module, 0u);
    EXPECT_EQ(DACloseDocument(doc), 0u);
    EXPECT_EQ(DAPreOpenDocument(doc), uint32_t{DA_ERR_REFUSED});
    EXPECT_EQ(DADestroyOptions(options), 0u);
}

TEST(DataAccess, ModuleDataRecord) {
    uint32_t doc = 0, module = 0;
    ASSERT_EQ(DAOpenDocument(5, 9, &doc), 0u);
    const size_t live = QrvGlobalLiveBlocks();
    ASSERT_EQ(DACreateModuleData(&module, doc, 0, 28, 2), 0u);
    void *first = nullptr, *second = nullptr;
    ASSERT_EQ(DALockModuleData(module, &first), 0u);
    ASSERT_EQ(DALockModuleData(module, &second), 0u);
    EXPECT_EQ(first, second);
    const unsigned char expected[28] = {0, 0, 0, 0, 2};
    EXPECT_EQ(std::memcmp(first, expected, 28), 0);
    DAUnlockModuleData(module);
    DAUnlockModuleData(module);
    uint32_t owner = 0;
    CHHandle chunker = 0;
    uint32_t options = 0;
    ASSERT_EQ(DAGetModuleDocument(module, &owner), 0u);
    ASSERT_EQ(DAGetDocumentInfo(owner, &chunker, &options), 0u);
    EXPECT_EQ(chunker, 5u);
    EXPECT_EQ(options, 9u);
    DADestroyModuleData(module);
    EXPECT_EQ(QrvGlobalLiveBlocks(), live);
    DACloseDocument(doc);
}

TEST(DataAccess, OptionsStartEnUsAndCanBeSet) {
    uint32_t options = 0;
    ASSERT_EQ(DACreateOptions(&options), 0u);
    FUIntlSettings s;
    uint32_t size = sizeof s;
    ASSERT_EQ(DAGetOption(options, DA_OPTION_INTL_SETTINGS, &s, &size), 0u);
    EXPECT_EQ(size, 32u);
    EXPECT_EQ(s.DecimalSeparator, '.');
    EXPECT_EQ(s.ThousandsSeparator, ',');
    EXPECT_STREQ(s.CurrencySymbol, "$");
    EXPECT_STREQ(s.AfternoonDesignator, "PM");
    EXPECT_EQ(s.CurrencyPlacement, 1);
    EXPECT_EQ(s.DateOrder, 0);

    s.DecimalSeparator = ',';
    s.DateOrder = 1;
    ASSERT_EQ(DASetOption(options, DA_OPTION_INTL_SETTINGS, &s, sizeof s), 0u);
    const uint32_t flags = 2;
    ASSERT_EQ(DASetOption(options, DA_OPTION_DATE_FLAGS, &flags, 4), 0u);
    FUIntlSettings back;
    size = sizeof back;
    ASSERT_EQ(DAGetOption(options, DA_OPTION_INTL_SETTINGS, &back, &size), 0u);
    EXPECT_EQ(back.DecimalSeparator, ',');
    EXPECT_EQ(back.DateOrder, 1);
    uint32_t got = 0;
    size = 4;
    ASSERT_EQ(DAGetOption(options, DA_OPTION_DATE_FLAGS, &got, &size), 0u);
    EXPECT_EQ(got, 2u);

    struct Refusal {
        uint32_t handle, id, size, result;
    };
    const Refusal refusals[] = {
        {options, 424242, 4, DA_ERR_BAD_OPTION},
        {options, DA_OPTION_INTL_SETTINGS, 16, DA_ERR_TOO_SMALL},
        {0xBAD, DA_OPTION_DATE_FLAGS, 4, DA_ERR_BAD_HANDLE},
    };
    for (const auto &r : refusals) {
        unsigned char buffer[32];
        uint32_t n = r.size;
        EXPECT_EQ(DAGetOption(r.handle, r.id, buffer, &n), r.result) << r.id;
    }
    EXPECT_EQ(DASetOption(options, DA_OPTION_DATE_FLAGS, &flags, 2), uint32_t{DA_ERR_BAD_OPTION});
    DADestroyOptions(options);
    // Handle 0 is the process's own set, with the same defaults.
    size = sizeof s;
    ASSERT_EQ(DAGetOption(0, DA_OPTION_INTL_SETTINGS, &s, &size), 0u);
    EXPECT_EQ(s.TimeSeparator, ':');
}

TEST(DataAccess, ExceptionResultsAreNonZeroAndDistinct) {
    const uint32_t codes[] = {EXCEPTION_ACCESS_VIOLATION, EXCEPTION_INT_DIVIDE_BY_ZERO, EXCEPTION_STACK_OVERFLOW,
                              0xE0000001u};
    for (uint32_t i = 0; i < 4; ++i) {
        EXPECT_NE(DAGetExceptionError(codes[i]), 0u);
        for (uint32_t j = 0; j < i; ++j) EXPECT_NE(DAGetExceptionError(codes[i]), DAGetExceptionError(codes[j]));
    }
}

}  // namespace
