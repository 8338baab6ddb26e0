// A link's target in plain text: written once after the link's text,
// " <https://example.com/>", unless the text already says it (a link whose
// text is its address, with or without its scheme or "mailto:").  Targets
// inside the document ("#name") say nothing on paper and are left out.
#pragma once

#include <string>
#include <string_view>

namespace qrv::filters::text {

// What to write after a link's text: " <target>", or nothing.
std::string target_after_link(std::string_view link_text, std::string_view target);

// The link text kept to compare with the target: none beyond this many
// bytes past the target's length is needed to tell them apart.
constexpr size_t kLinkTextSlack = 16;

}  // namespace qrv::filters::text
