// Delimited text: not read yet.
#include "../core/error.hpp"
#include "../core/import_job.hpp"

namespace qrv::import {

CHHandle import_csv(ImportJob &) { throw ImportError(IM_ERR_UNSUPPORTED, "reading CSV is not built yet"); }
CHHandle import_tsv(ImportJob &) { throw ImportError(IM_ERR_UNSUPPORTED, "reading TSV is not built yet"); }

}  // namespace qrv::import
