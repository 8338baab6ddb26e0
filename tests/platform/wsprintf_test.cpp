// wsprintfA against the texts Windows gives.
#include <gtest/gtest.h>
#include <qrvplatform/platform.h>

#include <string>

namespace {

TEST(Wsprintf, FormatsTheWin32Subset) {
    char out[1100];
    EXPECT_EQ(wsprintfA(out, "%i%c%.2i %s", 9, ':', 5, "AM"), 7);
    EXPECT_STREQ(out, "9:05 AM");
    EXPECT_EQ(wsprintfA(out, "%i%c%2.2i%c%2.2i", 23, ':', 0, ':', 59), 8);
    EXPECT_STREQ(out, "23:00:59");
    struct Row {
        const char *format;
        int value;
        const char *expected;
    };
    const Row rows[] = {
        {"%i", -2147483647 - 1, "-2147483648"},
        {"%d", 0, "0"},
        {"%u", -1, "4294967295"},
        {"%x", 0xBEEF, "beef"},
        {"%X", 0xBEEF, "BEEF"},
        {"%#x", 255, "0xff"},
        {"%#x", 0, "0"},
        {"%5d", -42, "  -42"},
        {"%-5d|", -42, "-42  |"},
        {"%05d", -42, "-0042"},
        {"%.4d", -42, "-0042"},
        {"%6.4d", 42, "  0042"},
        {"%06.3d", 42, "   042"},  // a precision switches zero filling off
        {"%.0d", 0, ""},
        {"%4.4i", 1999, "1999"},
        {"%2.2i", 7, "07"},
        {"E+%2.2i", 123, "E+123"},
        {"%ld", -7, "-7"},
        {"%lu", 7, "7"},
        {"%lx", 0x7f, "7f"},
        {"%hd", 0x18000, "-32768"},
        {"%hu", 0x18000, "32768"},
        {"%c", 'x', "x"},
        {"%3c", 'x', "  x"},
        {"100%%", 0, "100%"},
        {"%q", 0, "%q"},
    };
    for (const auto &r : rows) {
        const int n = wsprintfA(out, r.format, r.value);
        EXPECT_STREQ(out, r.expected) << r.format;
        EXPECT_EQ(n, static_cast<int>(std::string(r.expected).size())) << r.format;
    }
}

TEST(Wsprintf, Strings) {
    char out[1100];
    const std::pair<const char *, const char *> rows[] = {
        {"%s", "abc"}, {"%5s", "  abc"}, {"%-5s", "abc  "}, {"%.2s", "ab"}, {"%05s", "  abc"},
    };
    for (const auto &[format, expected] : rows) {
        wsprintfA(out, format, "abc");
        EXPECT_STREQ(out, expected) << format;
    }
    wsprintfA(out, "%s", static_cast<const char *>(nullptr));
    EXPECT_STREQ(out, "(null)");
}

TEST(Wsprintf, StopsAt1024BytesWithTheTerminator) {
    std::string big(3000, 'a');
    char out[3100];
    EXPECT_EQ(wsprintfA(out, "%s", big.c_str()), 1023);
    EXPECT_EQ(std::string(out).size(), 1023u);
    EXPECT_EQ(wsprintfA(out, "%2000d", 1), 1023);
}

}  // namespace
