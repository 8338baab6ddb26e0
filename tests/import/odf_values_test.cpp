// The value syntaxes of OpenDocument attributes, and hidden rows of
// repeated row elements against a plain model of the sheet.
#include <gtest/gtest.h>

#include <random>
#include <regex>

#include "odf/attribute_values.hpp"
#include "ods_builder.hpp"
#include "sheet_log.hpp"

namespace qrv::import::odf {
namespace {

TEST(OdfValues, LengthsInTwips) {
    const struct {
        const char *text;
        std::optional<uint32_t> twips;
    } cases[] = {
        {"1in", 1440},        {"2.54cm", 1440},        {"25.4mm", 1440},      {"72pt", 1440},
        {"6pc", 1440},        {"96px", 1440},          {"0.8917in", 1284},    {"+1in", 1440},
        {"0cm", 0},           {"1", std::nullopt},     {"1em", std::nullopt}, {"-1cm", std::nullopt},
        {"cm", std::nullopt}, {"1e9in", std::nullopt}, {"", std::nullopt},
    };
    for (const auto &c : cases) EXPECT_EQ(twips_of_length(c.text), c.twips) << c.text;
}

TEST(OdfValues, DurationsInDays) {
    const struct {
        const char *text;
        std::optional<double> days;
    } cases[] = {
        {"PT12H", 0.5},
        {"PT10H10M10S", (10 * 3600 + 10 * 60 + 10) / 86400.0},
        {"PT10H10M10.5S", (10 * 3600 + 10 * 60 + 10.5) / 86400.0},
        {"PT36H00M00S", 1.5},
        {"P2DT6H", 2.25},
        {"P1D", 1.0},
        {"-PT6H", -0.25},
        {"PT0S", 0.0},
        {"P1Y", std::nullopt},  // years and months have no fixed length
        {"P1M", std::nullopt},
        {"PT", std::nullopt},
        {"P", std::nullopt},
        {"T1H", std::nullopt},
        {"PT1H1D", std::nullopt},
        {"PT-1H", std::nullopt},
        {"12:30:00", std::nullopt},
    };
    for (const auto &c : cases) EXPECT_EQ(days_of_duration(c.text), c.days) << c.text;
}

TEST(OdfValues, ColoursNumbersAndCounts) {
    EXPECT_EQ(colour_of("#ff0000"), 0xFF0000u);
    EXPECT_EQ(colour_of("#00A0fF"), 0x00A0FFu);
    for (const char *bad : {"ff0000", "#ff00", "#ff00000", "#gg0000", "red", ""}) EXPECT_FALSE(colour_of(bad)) << bad;
    EXPECT_EQ(number_of("1.5"), 1.5);
    EXPECT_EQ(number_of(" -2E3 "), -2000.0);
    for (const char *bad : {"", "abc", "1,5", "1.5x", "inf", "nan"}) EXPECT_FALSE(number_of(bad)) << bad;
    EXPECT_EQ(count_of("12", 1), 12u);
    EXPECT_EQ(count_of("", 1), 1u);
    EXPECT_EQ(count_of("-3", 1), 1u);
    EXPECT_EQ(count_of("99999999999", 1), UINT32_MAX);  // larger than any sheet: cut by the reader
}

// Rows of random repeats, some hidden, some holding a cell: every row the
// walk shows is hidden exactly when the model says so.
TEST(OdsHiddenRows, RepeatedRowElementsAgainstAModel) {
    std::mt19937 random(11);
    for (int round = 0; round < 50; ++round) {
        std::string rows;
        std::vector<bool> hidden;  // by source row
        for (int element = 0; element < 20; ++element) {
            const uint32_t repeat = 1 + random() % 12;
            const bool hide = random() % 3 == 0;
            const bool filled = random() % 2 == 0;
            std::string attributes = " table:number-rows-repeated=\"" + std::to_string(repeat) + "\"";
            if (hide) attributes += random() % 2 ? " table:visibility=\"collapse\"" : " table:visibility=\"filter\"";
            rows += qrv::test::ods_row(filled ? qrv::test::ods_float(1) : "", attributes);
            hidden.insert(hidden.end(), repeat, hide);
        }
        const auto result = qrv::test::import_and_walk(qrv::test::ods_of(qrv::test::OdsSpec(qrv::test::ods_table(
                                                           "S", rows + qrv::test::ods_row(qrv::test::ods_float(2))))),
                                                       "rows.ods");
        ASSERT_EQ(result.rc, 0u) << result.message;
        const std::regex row_line("\nr([0-9]+)(h?):");  // gaps are never hidden
        size_t rows_seen = 0;
        for (std::sregex_iterator it(result.page.begin(), result.page.end(), row_line), end; it != end; ++it) {
            const size_t row = std::stoul((*it)[1]) - 1;
            if (row >= hidden.size()) continue;
            ++rows_seen;
            EXPECT_EQ((*it)[2] == "h", hidden[row]) << "row " << row + 1 << "\n" << result.page;
        }
        EXPECT_GT(rows_seen, 0u);
    }
}

}  // namespace
}  // namespace qrv::import::odf
