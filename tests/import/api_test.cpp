// The C interface: documents in the chunker's text format come through
// unchanged, faults come back as one line naming the file, and nothing is
// left open.
#include <gtest/gtest.h>
#include <qrvim.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

TEST(ImportApi, TextFormatDocumentsLoadAsTheChunkerReadsThem) {
    const std::string text = "chunk-size 4\n@t: text \"hello\"\nbreak PARAGRAPH\n";
    CHHandle h = 0;
    char message[256];
    ASSERT_EQ(IMImportMemory(text.data(), text.size(), "a.qrvt", nullptr, &h, message, sizeof message), 0u);
    EXPECT_STREQ(message, "");
    uint32_t label = 0;
    EXPECT_EQ(CHGetLabel(h, "t", &label), 0u);
    uint32_t count = 0;
    CHGetItemCount(h, CH_STORE_ITEMS, &count);
    EXPECT_EQ(count, 2u);
    EXPECT_EQ(CHCloseDocument(h), 0u);

    const std::string bad = "chunk-size 4\nbogus-directive\n";
    EXPECT_EQ(IMImportMemory(bad.data(), bad.size(), "b.qrvt", nullptr, &h, message, sizeof message),
              uint32_t{IM_ERR_BROKEN});
    EXPECT_STREQ(message, "b.qrvt: line 2, column 1: unknown directive 'bogus-directive'");
    EXPECT_EQ(h, 0u);
}

TEST(ImportApi, ArgumentsAndFiles) {
    CHHandle h = 5;
    char message[256] = "x";
    EXPECT_EQ(IMImportFile(nullptr, nullptr, &h, message, sizeof message), uint32_t{IM_ERR_BAD_ARG});
    EXPECT_EQ(IMImportFile("a", nullptr, nullptr, message, sizeof message), uint32_t{IM_ERR_BAD_ARG});
    EXPECT_EQ(IMImportMemory(nullptr, 3, "a", nullptr, &h, message, sizeof message), uint32_t{IM_ERR_BAD_ARG});
    IMOptions options{sizeof(IMOptions), 99, 0, 0, 0, 0, 0};
    EXPECT_EQ(IMImportMemory("", 0, "a", &options, &h, message, sizeof message), uint32_t{IM_ERR_BAD_ARG});
    EXPECT_STREQ(message, "a: unknown format number 99");

    EXPECT_EQ(IMImportFile("/no/such/file.xlsx", nullptr, &h, message, sizeof message), uint32_t{IM_ERR_READ});
    EXPECT_STREQ(message, "/no/such/file.xlsx: cannot read the file: No such file or directory");
    EXPECT_EQ(IMImportFile("/", nullptr, &h, message, sizeof message), uint32_t{IM_ERR_READ});
    EXPECT_STREQ(message, "/: cannot read the file: it is a directory");
    EXPECT_EQ(h, 0u);

    // A short buffer gets as much of the message as fits, terminated.
    char tiny[8];
    EXPECT_EQ(IMImportFile("/no/such/file", nullptr, &h, tiny, sizeof tiny), uint32_t{IM_ERR_READ});
    EXPECT_STREQ(tiny, "/no/suc");
    EXPECT_EQ(IMImportFile("/no/such/file", nullptr, &h, nullptr, 0), uint32_t{IM_ERR_READ});
}

TEST(ImportApi, FilesAreReadFromDisk) {
    const std::string path = testing::TempDir() + "import_api_test.qrvt";
    std::ofstream(path) << "text \"on disk\"\n";
    CHHandle h = 0;
    char message[256];
    ASSERT_EQ(IMImportFile(path.c_str(), nullptr, &h, message, sizeof message), 0u) << message;
    EXPECT_EQ(CHCloseDocument(h), 0u);
    std::remove(path.c_str());
    const std::string empty = testing::TempDir() + "import_api_test.empty";
    std::ofstream(empty).close();  // nothing tells its format
    EXPECT_EQ(IMImportFile(empty.c_str(), nullptr, &h, message, sizeof message), uint32_t{IM_ERR_FORMAT});
    EXPECT_EQ(std::string(message), "cannot tell the format of " + empty);
    std::remove(empty.c_str());
}

}  // namespace
