// The options of the CSV output (--csv WORDS, --separator C, --sheet N or
// NAME), which go to the filter in its option word; a sheet's name is found
// when the document is read.
#pragma once

#include <cstdint>
#include <string>

#include "arguments.hpp"

namespace qrv::tool {

bool is_csv_option(const std::string &option);

// Puts what option says with value into the arguments; false with error
// when the value is not one it takes.
bool apply_csv_option(const std::string &option, const std::string &value, Arguments &out, std::string &error);

}  // namespace qrv::tool
