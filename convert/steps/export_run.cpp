#include "export_run.hpp"

#include <qrvfa.h>
#include <qrvfilters.h>

#include <cstdlib>
#include <cstring>

#include "output_sink.hpp"
#include "results.hpp"

namespace qrv::convert {
namespace {

// Large pages are held back in scratch files while they are written.
Outcome scratch_failure(uint32_t error) {
    const char *dir = std::getenv("TMPDIR");
    const std::string folder = dir && *dir ? dir : "/tmp";
    return failure(Part::export_run, "export failed: cannot write a scratch file in the folder for temporary files (" +
                                         folder + "): " + std::strerror(static_cast<int>(error)) +
                                         "; TMPDIR names another");
}

}  // namespace

Outcome run_filter(Conversion &c, const FilterRun &run, const std::string &output_name) {
    uint32_t hExport = 0;
    QRVTakeScratchFileError();
    uint32_t rc = EXOpenExport(c.document, run.output_id, c.sink, run.option_word, 0, 0, run.callback, 0, &hExport);
    const char *stage = "open";
    if (rc == 0) {
        rc = EXRunExport(hExport);
        stage = "run";
        uint32_t closed = EXCloseExport(hExport);
        if (rc == 0) rc = closed, stage = "close";
    }
    uint32_t sink_error = 0;
    if (rc != 0 && FAGetSinkError(c.sink, &sink_error) == 0 && sink_error != 0)
        return sink_failure(output_name, c.sink);
    if (const uint32_t scratch_error = QRVTakeScratchFileError(); rc != 0 && scratch_error != 0)
        return scratch_failure(scratch_error);
    if (rc != 0) return failure(Part::export_run, std::string("export failed (") + stage + "): " + describe_result(rc));
    return {};
}

}  // namespace qrv::convert
