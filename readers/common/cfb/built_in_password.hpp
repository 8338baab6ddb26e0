// The password Excel and Word use when the author gave none: a document
// encrypted with it (one that is only write-protected) opens without asking.
#pragma once

#include <string_view>

namespace qrv::import {

inline constexpr std::u16string_view kBuiltInPassword = u"VelvetSweatshop";
// As the XOR obfuscation takes it: a byte a character.
inline constexpr std::string_view kBuiltInPasswordBytes = "VelvetSweatshop";

}  // namespace qrv::import
