// Formatting pages of the main stream: a table in the table stream lists
// 512-byte pages, and each page maps runs of stream offsets to a list of
// property changes (character properties for the character pages; a style
// and property changes for the paragraph pages, keyed by the offset of the
// paragraph's mark).  The runs of all pages are kept sorted by offset.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "writer/diagnostics.hpp"
#include "fib.hpp"

namespace qrv::import::doc {

struct FormatRun {
    uint32_t start = 0, end = 0;  // stream offsets [start, end)
    uint16_t style = 0;           // paragraph runs: the style's index
    std::span<const uint8_t> changes;
};

enum class PageKind : uint8_t { Characters, Paragraphs };

class FormatRuns {
public:
    // Reads the pages the table at place lists; pages that lie beyond the
    // stream are left out with a warning.
    FormatRuns(std::span<const uint8_t> stream, std::span<const uint8_t> table, Span place, PageKind kind,
               Diagnostics &diagnostics);

    // The run that holds offset, or null.
    const FormatRun *find(uint32_t offset) const;

private:
    void read_page(std::span<const uint8_t> page, PageKind kind);

    std::vector<FormatRun> runs_;
};

}  // namespace qrv::import::doc
