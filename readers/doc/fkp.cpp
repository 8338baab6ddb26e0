#include "fkp.hpp"

#include <algorithm>

#include "cfb/little_endian.hpp"

namespace qrv::import::doc {
namespace {

constexpr size_t kPage = 512;
constexpr size_t kParagraphEntry = 13;  // a word offset and 12 bytes of height
constexpr uint32_t kPageNumberMask = 0x003FFFFF;

// A paragraph's entry: a length byte (in words, less one byte; 0 for a
// second length byte in words), the style's index, then the changes.
bool paragraph_entry(std::span<const uint8_t> page, size_t at, FormatRun &run) {
    if (at + 1 >= kPage) return false;
    size_t length = page[at];
    ++at;
    if (length == 0) {
        length = size_t{page[at]} * 2;
        ++at;
    } else {
        length = length * 2 - 1;
    }
    if (length < 2 || at + length > kPage - 1) return false;
    run.style = le16(page.data() + at);
    run.changes = page.subspan(at + 2, length - 2);
    return true;
}

// A character entry: a length byte, then the changes.
void character_entry(std::span<const uint8_t> page, size_t at, FormatRun &run) {
    if (at == 0 || at >= kPage - 1) return;
    const size_t length = std::min<size_t>(page[at], kPage - 1 - (at + 1));
    run.changes = page.subspan(at + 1, length);
}

}  // namespace

FormatRuns::FormatRuns(std::span<const uint8_t> stream, std::span<const uint8_t> table, Span place, PageKind kind,
                       Diagnostics &diagnostics) {
    if (place.offset > table.size() || place.length > table.size() - place.offset || place.length < 8) return;
    const size_t count = (place.length - 4) / 8;
    const uint8_t *numbers = table.data() + place.offset + (count + 1) * 4;
    size_t missing = 0;
    for (size_t i = 0; i < count; ++i) {
        const uint64_t at = uint64_t{le32(numbers + i * 4) & kPageNumberMask} * kPage;
        if (at + kPage > stream.size()) {
            ++missing;
            continue;
        }
        read_page(stream.subspan(at, kPage), kind);
    }
    if (missing) diagnostics.warn("formatting pages lie beyond the WordDocument stream; their text is left plain");
    std::stable_sort(runs_.begin(), runs_.end(),
                     [](const FormatRun &a, const FormatRun &b) { return a.start < b.start; });
}

void FormatRuns::read_page(std::span<const uint8_t> page, PageKind kind) {
    const size_t count = page[kPage - 1];
    const size_t entry = kind == PageKind::Characters ? 1 : kParagraphEntry;
    if ((count + 1) * 4 + count * entry > kPage - 1) return;
    const uint8_t *entries = page.data() + (count + 1) * 4;
    for (size_t i = 0; i < count; ++i) {
        FormatRun run;
        run.start = le32(page.data() + i * 4);
        run.end = le32(page.data() + (i + 1) * 4);
        if (run.end <= run.start) continue;
        const size_t at = size_t{entries[i * entry]} * 2;
        if (kind == PageKind::Characters) {
            character_entry(page, at, run);
        } else if (at != 0 && !paragraph_entry(page, at, run)) {
            continue;
        }
        runs_.push_back(run);
    }
}

const FormatRun *FormatRuns::find(uint32_t offset) const {
    auto it = std::upper_bound(runs_.begin(), runs_.end(), offset,
                               [](uint32_t o, const FormatRun &r) { return o < r.start; });
    if (it == runs_.begin()) return nullptr;
    --it;
    return offset < it->end ? &*it : nullptr;
}

}  // namespace qrv::import::doc
