// The chunker's own text format: the chunker reads it.
#include "core/error.hpp"
#include "core/import_job.hpp"

namespace qrv::import {

CHHandle import_text(ImportJob &job) {
    const auto text = job.input.text();
    CHHandle h = 0;
    char error[256] = {};
    const uint32_t rc = CHLoadDocumentText(text.data(), text.size(), &h, error, sizeof error);
    if (rc == CH_ERR_SYNTAX) broken(error);
    if (rc != 0)
        throw ImportError(IM_ERR_DOCUMENT, "cannot load the document (chunker code " + std::to_string(rc) + ")");
    return h;
}

}  // namespace qrv::import
