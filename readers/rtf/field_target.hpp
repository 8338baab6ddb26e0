// The target of a field's instruction when it is a link: HYPERLINK "url",
// or HYPERLINK \l "bookmark" as "#bookmark".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qrv::import::rtf {

std::optional<std::string> hyperlink_target(std::string_view instruction);

}  // namespace qrv::import::rtf
