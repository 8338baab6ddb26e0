#include "text_store.hpp"

#include <qrvex/items.h>

namespace qrv::import {

uint32_t TextStore::add_runs(const std::vector<Run> &runs) {
    const Text text{static_cast<uint32_t>(runs_.size()), 0};
    for (const Run &run : runs) {
        if (run.chars.empty()) continue;
        const auto *bytes = reinterpret_cast<const uint8_t *>(run.chars.data());
        const uint32_t offset = writer_.store_data(CH_STORE_TEXT, {bytes, run.chars.size() * sizeof(char16_t)});
        runs_.push_back({offset, static_cast<uint32_t>(run.chars.size()), run.format});
    }
    texts_.push_back({text.first_run, static_cast<uint32_t>(runs_.size()) - text.first_run});
    return static_cast<uint32_t>(texts_.size() - 1);
}

bool TextStore::empty(uint32_t text) const { return text >= texts_.size() || texts_[text].run_count == 0; }

void TextStore::write(uint32_t text, uint32_t cell_format, const CharFormatTable &formats) const {
    if (text >= texts_.size()) return;
    const CharFormat plain;
    const CharFormat *in_force = &plain;
    const Text &t = texts_[text];
    for (uint32_t i = t.first_run; i < t.first_run + t.run_count; ++i) {
        const StoredRun &run = runs_[i];
        const CharFormat &wanted = formats[run.format == kCellFormat ? cell_format : run.format];
        write_format_change(writer_, *in_force, wanted);
        in_force = &wanted;
        writer_.item(CH_ITEM_TEXT, run.offset, run.length);
    }
}

}  // namespace qrv::import
