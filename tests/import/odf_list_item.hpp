// An item of an OpenDocument list, in a text or on a presentation page.
#pragma once

#include <string>

namespace qrv::test {

inline std::string odf_list_item(const std::string &inside) {
    return "<text:list-item>" + inside + "</text:list-item>";
}

}  // namespace qrv::test
