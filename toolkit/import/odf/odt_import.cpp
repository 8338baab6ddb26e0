// ODT: not read yet.
#include "../core/error.hpp"
#include "../core/import_job.hpp"

namespace qrv::import {

CHHandle import_odt(ImportJob &) { throw ImportError(IM_ERR_UNSUPPORTED, "reading ODT is not built yet"); }

}  // namespace qrv::import
