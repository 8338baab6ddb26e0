// Running the change walk over a short run of items.
#pragma once

#include "styles/style_doc.hpp"

#include <string>

namespace qrv::gathertest {

using styletest::Doc;
using styletest::Records;
using styletest::Sheet;

// The items, one a line, followed by a text run labelled @text; the first
// item is labelled @first.
inline std::string run_of(const std::string &items, const std::string &before = "") {
    return before + "@first: " + items + "\n@text: text \"x\"\n";
}

struct WalkResult {
    uint32_t result = 0;
    uint32_t stopped = 0;
    Records records;
};

inline WalkResult walk(const Doc &doc, const Sheet &sheet, Records start = {}) {
    WalkResult w;
    w.records = start;
    w.result = styletest::gather_from(doc, sheet, w.records, doc["first"], CH_NO_ITEM, &w.stopped);
    return w;
}

}  // namespace qrv::gathertest
