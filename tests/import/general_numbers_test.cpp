// General cells show what a spreadsheet program shows: up to 15
// significant digits, scientific form where the fixed one needs more.
#include <gtest/gtest.h>

#include <qrvfilters.h>

#include "imported_document.hpp"

namespace qrv::test {
namespace {

TEST(GeneralNumbers, ShowFifteenSignificantDigits) {
    const struct {
        const char *value;
        const char *shown;
    } cases[] = {
        {"3.14159265358979", "3.14159265358979"},
        {"1.33333326", "1.33333326"},
        {"-1234567.5", "-1234567.5"},
        {"0.000123456789", "0.000123456789"},
        {"12345.678901234567", "12345.6789012346"},  // rounded to 15 digits
        {"1e-10", "1E-10"},
        {"-3e-9", "-3E-09"},
        {"1.5e-7", "1.5E-07"},
        {"2.5e20", "2.5E+20"},
        {"0.30000000000000004", "0.3"},
        {"123456789012345", "123456789012345"},
        {"2.5", "2.5"},
        {"0.123405", "0.123405"},  // six decimals: more than the library's general form keeps
        {"1.20001", "1.20001"},    // three zeros, which the exact digits 1.2000099… make four
        {"265.212", "265.212"},
        {"-7", "-7"},
        {"0", "0"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        Imported doc(std::string("x,") + c.value + "\n", "n.csv");
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        const std::string text = doc.text();
        EXPECT_NE(text.find(std::string(c.shown) + "\n"), std::string::npos) << text;
        EXPECT_EQ(text.find(std::string(c.shown) + "0"), std::string::npos) << text;
    }
}

}  // namespace
}  // namespace qrv::test
