#include "optional_part.hpp"

#include "core/error.hpp"

namespace qrv::import {

bool read_optional_part(Package &package, const std::string &part, XmlHandler &handler, std::string_view lost) {
    try {
        package.read(part, handler);
        return true;
    } catch (const ImportError &e) {
        if (e.code() != IM_ERR_BROKEN) throw;
        package.diagnostics().leave_part();
        package.diagnostics().warn(std::string(e.what()) + "; " + std::string(lost) + " left out");
        return false;
    }
}

}  // namespace qrv::import
