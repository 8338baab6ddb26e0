// The target of a link tag (qrvmodel/conventions.hpp: kLinkTag): the object locator
// after the tag begin names a string item holding the URL or "#bookmark".
#pragma once

#include <qrvex/types.h>

#include <string>

namespace qrv::filters {

// UTF-8 target of the link whose tag begins at tag_begin_id; empty when the
// locator or its string cannot be read.
std::string link_target(CHHandle h, uint32_t tag_begin_id);

}  // namespace qrv::filters
