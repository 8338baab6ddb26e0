// DOCX: not read yet.
#include "../core/error.hpp"
#include "../core/import_job.hpp"

namespace qrv::import {

CHHandle import_docx(ImportJob &) { throw ImportError(IM_ERR_UNSUPPORTED, "reading DOCX is not built yet"); }

}  // namespace qrv::import
