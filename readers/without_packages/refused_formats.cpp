// A build without libzip and expat reads no packages: their formats are
// told apart as usual and refused with the reason.
#include "core/error.hpp"
#include "core/import_job.hpp"

namespace qrv::import {
namespace {

[[noreturn]] void refuse(const char *format) {
    throw ImportError(IM_ERR_UNSUPPORTED,
                      std::string("reading ") + format + " needs the package importers, which this build leaves out");
}

}  // namespace

CHHandle import_xlsx(ImportJob &) { refuse("XLSX"); }
CHHandle import_xlsb(ImportJob &) { refuse("XLSB"); }
CHHandle import_docx(ImportJob &) { refuse("DOCX"); }
CHHandle import_ods(ImportJob &) { refuse("ODS"); }
CHHandle import_odt(ImportJob &) { refuse("ODT"); }
CHHandle import_pptx(ImportJob &) { refuse("PPTX"); }
CHHandle import_odp(ImportJob &) { refuse("ODP"); }
CHHandle import_xls(ImportJob &) { refuse("XLS"); }
CHHandle import_rtf(ImportJob &) { refuse("RTF"); }
CHHandle import_doc(ImportJob &) { refuse("DOC"); }

}  // namespace qrv::import
