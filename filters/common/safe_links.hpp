// Which link targets a page may make live.  A document from a stranger must
// give a page that is safe to open: only web, mail and file-transfer URLs,
// targets relative to the document's own folder and targets inside the
// document become links; a script, data or any other scheme stays text.
#pragma once

#include <string_view>

namespace qrv::filters {

// True when target may stand in an href.  The scheme is compared as a
// browser reads it: leading spaces and control characters, and tabs and line
// breaks anywhere, do not count, and letter case does not matter.
bool is_safe_link_target(std::string_view target);

}  // namespace qrv::filters
