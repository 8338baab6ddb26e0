// One export from end to end: import the input, run the filter, its output
// going where the arguments say as the filter writes it (an output file
// that a failure leaves unfinished is removed).  A single run calls it once; a batch calls
// it for each document, several at a time on threads of their own: every
// export holds its own records and reports only to its own observer.
#pragma once

#include <cstdint>
#include <string>

#include "arguments.hpp"

namespace qrv::tool {

constexpr int kExitFailed = 1;  // the export failed
constexpr int kExitUsage = 2;   // a bad command line, or an input that cannot be read

// What an export reports while it runs, on the thread that runs it.
class ExportObserver {
public:
    virtual ~ExportObserver() = default;
    virtual void progress(uint32_t percent) = 0;
    // The importer's warnings, or a part the filter could not read.
    virtual void warning(const std::string &line) = 0;
};

struct ExportResult {
    int status = 0;       // 0, kExitFailed or kExitUsage
    std::string message;  // why it failed, one line without the program's name
};

ExportResult export_document(const Arguments &args, ExportObserver &observer);

}  // namespace qrv::tool
