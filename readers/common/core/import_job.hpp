// One import as the format importers see it: the input, the bounds, and
// where warnings go.  An importer builds a document with a DocumentWriter
// and hands back its released handle, or throws ImportError.
#pragma once

#include <qrvch.h>

#include "writer/diagnostics.hpp"
#include "input.hpp"
#include "writer/limits.hpp"

namespace qrv::import {

struct ImportJob {
    const Input &input;
    const Limits &limits;
    Diagnostics &diagnostics;
};

using Importer = CHHandle (*)(ImportJob &job);

// The importers, one a format (each in its format's folder).
CHHandle import_text(ImportJob &job);
CHHandle import_csv(ImportJob &job);
CHHandle import_tsv(ImportJob &job);
CHHandle import_xlsx(ImportJob &job);
CHHandle import_docx(ImportJob &job);
CHHandle import_ods(ImportJob &job);
CHHandle import_odt(ImportJob &job);

}  // namespace qrv::import
