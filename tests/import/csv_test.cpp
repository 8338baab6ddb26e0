// Delimited text as the filters see it: separators told or sniffed,
// encodings, numbers and text.
#include <gtest/gtest.h>

#include "sheet_log.hpp"

namespace {

using qrv::test::import_and_walk;

TEST(CsvImport, FilesAsOneSheet) {
    struct Case {
        const char *name;
        const char *file;
        std::string bytes;
        std::string page;
    } cases[] = {
        {"comma with quoting", "t.csv", "a,b,\"c,d\"\n1,2.5,\"x\"\"y\"\n",
         "== t\ncols: 0 0 0\nr1: a| b| c,d|\nr2: =1| =2.5| x\"y|\n"},
        {"sniffed semicolons", "s.csv", "x;y\n1;2,5\n", "== s\ncols: 0 0\nr1: x| y|\nr2: =1| 2,5|\n"},
        {"tab by extension", "t.tsv", "a,b\tc\n", "== t\ncols: 0 0\nr1: a,b| c|\n"},
        {"ragged rows", "r.csv", "1\n1,2,3\n", "== r\ncols: 0 0 0\nr1: =1| ^2|\nr2: =1| =2| =3|\n"},
        {"UTF-8 with a byte order mark", "b.csv", "\xEF\xBB\xBF\xC3\xA9t\xC3\xA9,1\n", "r1: été| =1|\n"},
        {"UTF-16 with a byte order mark", "w.csv",
         std::string("\xFF\xFE"
                     "a\0,\0\xE9\0\n\0",
                     10),
         "r1: a| é|\n"},
        {"Windows-1252 otherwise", "c.csv", "caf\xE9,\x80\n", "r1: café| €|\n"},
        {"numbers only when plain", "n.csv", "1e3,1 000,-0.5,007\n", "r1: =1000| 1 000| =-0.5| =7|\n"},
        {"a line end inside quotes", "q.csv", "\"a\nb\",c\n", "r1: a\nb| c|\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = import_and_walk(c.bytes, c.file);
        ASSERT_EQ(result.rc, 0u) << result.message;
        EXPECT_NE(result.page.find(c.page), std::string::npos) << result.page;
    }
}

TEST(CsvImport, BinaryDataIsRefused) {
    const std::string bytes("a,b\0\0\0c", 7);
    IMOptions options{sizeof(IMOptions), IM_FORMAT_CSV, 0, 0, 0, 0, 0};
    const auto result = import_and_walk(bytes, "bin.csv", &options);
    EXPECT_EQ(result.rc, uint32_t{IM_ERR_BROKEN});
    EXPECT_EQ(result.message, "bin.csv: the file holds binary data, not delimited text");
}

}  // namespace
