// Where each document of a batch writes its result: DIR, with --mirror the
// input's folders below it, and the input's name with the output format's
// extension.  A name an earlier document of the batch already writes gets
// "-1", "-2", ... before its extension, so no result overwrites another.
#pragma once

#include <string>
#include <vector>

#include "output_formats.hpp"

namespace qrv::tool {

struct BatchOutput {
    std::string path;
    std::string wanted;    // the path it would have had, when renamed; else empty
    std::string taken_by;  // the input whose result has that path
};

// The folders of an input kept below DIR: its relative folders as given,
// with a root and ".." steps left out so that nothing lands outside DIR
// ("a/b/r.docx": "a/b"; "/data/x/r.docx": "data/x"; "../x/r.docx": "x").
std::string mirrored_folder(const std::string &input);

// One output for each input, in the inputs' order (the first keeps a name
// that two would write).
std::vector<BatchOutput> plan_outputs(const std::string &dir, const std::vector<std::string> &inputs,
                                      const filters::OutputFormat &format, bool mirror);

}  // namespace qrv::tool
