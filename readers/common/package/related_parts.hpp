// The parts a package's relationships point to inside it: its main part,
// and the parts of a type that a part relates to.  External targets do not
// count.
#pragma once

#include <string>
#include <string_view>

#include "package.hpp"

namespace qrv::import {

// The target of the package's officeDocument relationship, or fallback
// when it has none inside the package.
std::string main_part_of(Package &package, std::string_view fallback);

// The part's first relationship of a type, or nullptr when it has none
// inside the package.
const Relationship *related_part(Package &package, std::string_view part, std::string_view type);

}  // namespace qrv::import
