// QRVUT: wide strings, resources (English and replaced), conversion.
#include <gtest/gtest.h>
#include <qrvut.h>

#include <cstdio>
#include <string>

namespace {

std::u16string wide(const char16_t *s) { return s; }
const QRVWCHAR *w(const std::u16string &s) { return reinterpret_cast<const QRVWCHAR *>(s.c_str()); }

std::string resource(uint32_t id, uint32_t size = 256) {
    char buffer[256];
    UTGetString(id, buffer, size, 0);
    return buffer;
}

TEST(Utilities, WideStringHelpers) {
    EXPECT_EQ(UTwstrlen(w(u"")), 0u);
    EXPECT_EQ(UTwstrlen(w(u"heading")), 7u);
    EXPECT_EQ(UTwstrlen(nullptr), 0u);
    const std::pair<const char16_t *, const char16_t *> equal[] = {
        {u"title", u"TITLE"},
        {u"Heading", u"heading"},
        {u"\u00C9t\u00C9", u"\u00E9t\u00E9"},
        {u"", u""},
    };
    for (const auto &[a, b] : equal) EXPECT_EQ(UTwstrcmpi(w(a), w(b)), 0u);
    const std::pair<const char16_t *, const char16_t *> differ[] = {
        {u"title", u"titles"},
        {u"heading1", u"heading"},
        {u"\u00D7", u"\u00F7"},
        {u"a", u""},
    };
    for (const auto &[a, b] : differ) EXPECT_NE(UTwstrcmpi(w(a), w(b)) & 0xFFFF, 0u);
}

TEST(Utilities, EveryIdTheLibraryAsksForHasEnglishText) {
    const std::pair<uint32_t, uint32_t> ranges[] = {
        {65736, 65749}, {65756, 65767}, {65776, 65787}, {65796, 65800}, {77537, 77544},
    };
    for (const auto &[first, last] : ranges)
        for (uint32_t id = first; id <= last; ++id) {
            char buffer[30];
            EXPECT_EQ(UTGetString(id, buffer, sizeof buffer, 0), 0u) << id;
            EXPECT_GT(std::string(buffer).size(), 0u) << id;
        }
    EXPECT_EQ(resource(65736), "Monday");  // weekday 0
    EXPECT_EQ(resource(65749), "Sun");
    EXPECT_EQ(resource(65755 + 9), "September");
    EXPECT_EQ(resource(65775 + 12), "Dec");
}

TEST(Utilities, MissingIdsAndSmallBuffersStillTerminate) {
    char buffer[8] = "xxxxxxx";
    EXPECT_EQ(UTGetString(1, buffer, sizeof buffer, 0), uint32_t{UT_ERR_NOT_FOUND});
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(resource(65764, 5), "Sept");
    EXPECT_EQ(resource(65764, 1), "");
    QRVWCHAR words[4];
    UTGetWordString(77537, words, 4, 0);
    EXPECT_EQ(std::u16string(reinterpret_cast<char16_t *>(words)), u"Sec");
    EXPECT_EQ(UTGetString(65736, nullptr, 10, 0), uint32_t{UT_ERR_BAD_ARGUMENT});
}

TEST(Utilities, HostTextsReplaceTheEnglishOnes) {
    ASSERT_EQ(UTSetString(65736, "Lundi"), 0u);
    ASSERT_EQ(UTSetString(65796, "Date invalide \xE2\x82\xAC"), 0u);  // the euro sign is 0x80 in 1252
    EXPECT_EQ(resource(65736), "Lundi");
    EXPECT_EQ(resource(65796), "Date invalide \x80");
    EXPECT_EQ(UTSetString(65737, "bad \xC0\x80"), uint32_t{UT_ERR_BAD_TEXT});  // overlong
    EXPECT_EQ(resource(65737), "Tuesday");
    UTResetStrings();
    EXPECT_EQ(resource(65736), "Monday");
}

TEST(Utilities, LocaleFiles) {
    const std::string path = testing::TempDir() + "/qrvut_locale.txt";
    const std::pair<const char *, bool> files[] = {
        {"# German\n65736=Montag\n\n77537=Abschnitt\r\n65799= WAHR\n", true},
        {"65736=Montag\nnot a line\n", false},
        {"x=Montag\n", false},
    };
    for (const auto &[content, ok] : files) {
        UTResetStrings();
        std::FILE *f = std::fopen(path.c_str(), "wb");
        std::fputs(content, f);
        std::fclose(f);
        char err[128];
        EXPECT_EQ(UTLoadLocaleFile(path.c_str(), err, sizeof err) == 0, ok) << content;
        // A file with a bad line changes nothing.
        EXPECT_EQ(resource(65736), ok ? "Montag" : "Monday");
        if (!ok) {
            EXPECT_NE(std::string(err).find(":"), std::string::npos) << err;
        }
    }
    QRVWCHAR words[32];
    UTResetStrings();
    std::FILE *f = std::fopen(path.c_str(), "wb");
    std::fputs("77537=Abschnitt\n65799= WAHR\n", f);
    std::fclose(f);
    ASSERT_EQ(UTLoadLocaleFile(path.c_str(), nullptr, 0), 0u);
    UTGetWordString(77537, words, 32, 0);
    EXPECT_EQ(std::u16string(reinterpret_cast<char16_t *>(words)), u"Abschnitt");
    EXPECT_EQ(resource(65799), " WAHR");  // the text stands as written after '='
    EXPECT_NE(UTLoadLocaleFile("/nonexistent/locale", nullptr, 0), 0u);
    UTResetStrings();
}

TEST(Utilities, Windows1252ToWide) {
    const uint32_t charset = UTGetUnknownCharSet(0x30100);
    EXPECT_EQ(charset, UT_CHARSET_WINDOWS_1252);
    QRVWCHAR out[256];
    ASSERT_EQ(UTMultiToDoubleByte(out, "A\x80\x9F\xE9\x81", charset), 0u);
    EXPECT_EQ(std::u16string(reinterpret_cast<char16_t *>(out)), wide(u"A\u20AC\u0178\u00E9\u0081"));
    const std::string longest(300, 'z');
    ASSERT_EQ(UTMultiToDoubleByte(out, longest.c_str(), charset), 0u);
    EXPECT_EQ(UTwstrlen(out), 255u);
}

}  // namespace
