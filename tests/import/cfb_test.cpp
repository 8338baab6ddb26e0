// The compound-file reader on files built at test time: streams in
// sectors and in the mini stream, and damaged tables that must give an
// error rather than a hang or a read outside the file.
#include <gtest/gtest.h>

#include <functional>
#include <span>

#include "cfb/compound_file.hpp"
#include "writer/build_error.hpp"
#include "byte_span.hpp"
#include "compound_file_builder.hpp"

namespace {

using qrv::import::CompoundFile;
using qrv::import::ImportError;
using qrv::import::Limits;
using qrv::test::bytes_of;
using qrv::test::CompoundFileBuilder;

std::string pattern(size_t size, char seed) {
    std::string s(size, '\0');
    for (size_t i = 0; i < size; ++i) s[i] = static_cast<char>(seed + i * 7 % 251);
    return s;
}

TEST(CompoundFile, StreamsComeBackWhereverTheyAreStored) {
    const struct {
        const char *what;
        size_t size;
    } cases[] = {{"empty", 0}, {"one mini sector", 10}, {"several mini sectors", 1000},
                 {"just under the mini cutoff", 4095}, {"at the cutoff", 4096}, {"many sectors", 70000}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        CompoundFileBuilder b;
        b.add("Other", pattern(300, 'x'));
        b.add("Workbook", pattern(c.size, 'a'));
        const std::string file = b.bytes();
        const CompoundFile cf(bytes_of(file), Limits{});
        const auto stream = cf.stream("WORKBOOK");  // names match in any case
        ASSERT_TRUE(stream.has_value());
        EXPECT_EQ(std::string(stream->begin(), stream->end()), pattern(c.size, 'a'));
        EXPECT_FALSE(cf.stream("Book").has_value());
    }
}

TEST(CompoundFile, DamagedFilesGiveAnErrorNamingTheFault) {
    const struct {
        const char *what;
        size_t size;  // of the stream
        std::function<void(CompoundFileBuilder &)> damage;
        const char *message;
    } cases[] = {
        {"a sector chain that loops", 5000,
         [](CompoundFileBuilder &b) { b.patch_fat(b.first_sector(0) + 1, b.first_sector(0)); }, "loops back"},
        {"a chain that leaves the table", 5000,
         [](CompoundFileBuilder &b) { b.patch_fat(b.first_sector(0), 50000); }, "outside the allocation table"},
        {"a chain shorter than the stream", 5000,
         [](CompoundFileBuilder &b) { b.patch_fat(b.first_sector(0), CompoundFileBuilder::kEnd); }, "ends before"},
        {"a mini chain that loops", 200,
         [](CompoundFileBuilder &b) { b.patch_mini_fat(b.first_sector(0) + 1, b.first_sector(0)); }, "loops back"},
        {"a file cut inside a stream", 9000, [](CompoundFileBuilder &b) { b.cut_to(4000); },
         "beyond the end of the file"},
        {"a file cut inside its header", 10, [](CompoundFileBuilder &b) { b.cut_to(300); }, "header"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        CompoundFileBuilder b;
        b.add("Workbook", pattern(c.size, 'q'));
        c.damage(b);
        const std::string file = b.bytes();
        try {
            const CompoundFile cf(bytes_of(file), Limits{});
            cf.stream("Workbook");
            ADD_FAILURE() << "no error";
        } catch (const ImportError &e) {
            EXPECT_EQ(e.code(), qrv::import::kFaultBroken);
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
}

TEST(CompoundFile, AStreamLargerThanThePartBoundIsRefused) {
    CompoundFileBuilder b;
    b.add("Workbook", pattern(9000, 'z'));
    const std::string file = b.bytes();
    Limits limits;
    limits.max_part_bytes = 8192;
    const CompoundFile cf(bytes_of(file), limits);
    try {
        cf.stream("Workbook");
        ADD_FAILURE() << "no error";
    } catch (const ImportError &e) {
        EXPECT_EQ(e.code(), qrv::import::kFaultLimit);
    }
}

}  // namespace
