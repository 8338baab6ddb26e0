// How a step of a conversion ended: the part that failed and one line
// saying why, naming the file or the stage.  The C library hands the part
// on as its error code; qrvex-export turns it into its exit status.
#pragma once

#include <string>

namespace qrv::convert {

enum class Part {
    none,           // the step succeeded
    argument,       // a null or inconsistent argument
    input_format,   // an input format name that no importer has
    output_format,  // an output format name that no filter writes
    input,          // the input cannot be read, or is not a document
    locale,         // the locale file cannot be read or has a mistake
    setup,          // the export options or the document's model cannot be made
    output,         // the output cannot be written
    export_run,     // the filter failed
    memory,         // no memory for the result
};

struct Outcome {
    Part part = Part::none;
    std::string message;  // empty when part is none

    bool failed() const { return part != Part::none; }
};

inline Outcome failure(Part part, std::string message) { return {part, std::move(message)}; }

}  // namespace qrv::convert
