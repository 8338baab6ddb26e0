// Golden pages of the importers' tests: an export compared byte for byte
// with tests/import/golden/NAME.html, or written there anew when
// QRV_REGEN_GOLDEN is set in the environment (review the difference before
// committing it).
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace qrv::test {

inline void expect_golden_page(const std::string &name, const std::string &html) {
    const std::string path = std::string(QRV_SOURCE_DIR) + "/tests/import/golden/" + name + ".html";
    if (std::getenv("QRV_REGEN_GOLDEN") != nullptr) std::ofstream(path, std::ios::binary) << html;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream expected;
    expected << in.rdbuf();
    EXPECT_EQ(html, expected.str());
}

}  // namespace qrv::test
