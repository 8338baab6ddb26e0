// The options of the CSV output (--csv WORDS, --separator C, --sheet N),
// which go to the filter in its option word.
#pragma once

#include <cstdint>
#include <string>

namespace qrv::tool {

bool is_csv_option(const std::string &option);

// Puts what option says with value into word; false with error when the
// value is not one it takes.
bool apply_csv_option(const std::string &option, const std::string &value, uint32_t &word, std::string &error);

}  // namespace qrv::tool
