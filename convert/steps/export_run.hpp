// One run of an export filter over the open document into the open sink.
#pragma once

#include <qrvex/export.h>

#include <cstdint>
#include <string>

#include "conversion.hpp"

namespace qrv::convert {

struct FilterRun {
    uint32_t output_id;    // QRV_OUTPUT_*
    uint32_t option_word;  // QRV_FILTER_* bits
    EXCallbackFunc callback;
};

// Opens, runs and closes the export.  A failure to write names the output;
// a scratch file that cannot be written names the folder for temporary files.
Outcome run_filter(Conversion &c, const FilterRun &run, const std::string &output_name);

}  // namespace qrv::convert
