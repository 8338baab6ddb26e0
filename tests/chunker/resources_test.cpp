// A document's resources: named files kept whole, found by name or index,
// refused when the name is empty or taken, gone with the document.
#include <gtest/gtest.h>
#include <qrvch.h>

#include <string>

namespace {

TEST(Resources, KeptWholeByNameAndIndex) {
    CHHandle h = 0;
    ASSERT_EQ(CHNewDocument(CH_DEFAULT_CHUNK_SIZE, &h), 0u);
    const std::string png("\x89PNG\0\0\xff", 7);
    struct Add {
        const char *name;
        const void *bytes;
        size_t length;
        uint32_t result;
    };
    const Add adds[] = {
        {"a.png", png.data(), png.size(), 0},  {"empty.gif", nullptr, 0, 0},
        {"a.png", "x", 1, CH_ERR_BAD_ARG},  // taken
        {"", "x", 1, CH_ERR_BAD_ARG},          {nullptr, "x", 1, CH_ERR_BAD_ARG},
        {"b.png", nullptr, 5, CH_ERR_BAD_ARG},  // bytes missing
    };
    for (const auto &a : adds)
        EXPECT_EQ(CHAddResource(h, a.name, "image/png", a.bytes, a.length), a.result) << (a.name ? a.name : "null");
    uint32_t count = 0;
    ASSERT_EQ(CHGetResourceCount(h, &count), 0u);
    EXPECT_EQ(count, 2u);

    const void *bytes = nullptr;
    size_t length = 0;
    const char *type = nullptr, *name = nullptr;
    ASSERT_EQ(CHGetResource(h, "a.png", &bytes, &length, &type), 0u);
    EXPECT_EQ(std::string(static_cast<const char *>(bytes), length), png);
    EXPECT_STREQ(type, "image/png");
    ASSERT_EQ(CHGetResourceAt(h, 1, &name, &bytes, &length, nullptr), 0u);
    EXPECT_STREQ(name, "empty.gif");
    EXPECT_EQ(length, 0u);
    EXPECT_EQ(CHGetResource(h, "missing.png", &bytes, &length, &type), CH_ERR_NO_ITEM);
    EXPECT_EQ(CHGetResourceAt(h, 2, &name, nullptr, nullptr, nullptr), CH_ERR_NO_ITEM);
    EXPECT_EQ(CHGetResourceCount(h, nullptr), CH_ERR_BAD_ARG);

    ASSERT_EQ(CHCloseDocument(h), 0u);
    EXPECT_EQ(CHGetResourceCount(h, &count), CH_ERR_BAD_HANDLE);
    EXPECT_EQ(CHAddResource(h, "c.png", "", "x", 1), CH_ERR_BAD_HANDLE);
}

}  // namespace
