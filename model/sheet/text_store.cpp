#include "text_store.hpp"

#include <qrvex/items.h>

#include <cstdint>

#include "writer/utf16.hpp"

namespace qrv::import {

void TextStore::store_run(std::u16string_view chars, uint32_t format, size_t first_run, bool piece) {
    if (chars.empty()) return;
    const auto *bytes = reinterpret_cast<const uint8_t *>(chars.data());
    const uint32_t offset = writer_.store_data(CH_STORE_TEXT, {bytes, chars.size() * sizeof(char16_t)});
    const uint32_t length = static_cast<uint32_t>(chars.size());
    if (piece && runs_.size() > first_run) {
        StoredRun &last = runs_.back();
        if (last.format == format && uint64_t{last.offset} + last.length == offset &&
            uint64_t{last.length} + length <= UINT32_MAX) {
            last.length += length;
            return;
        }
    }
    runs_.push_back({offset, length, format});
}

uint32_t TextStore::add_runs(const std::vector<Run> &runs) {
    const size_t first_run = runs_.size();
    for (const Run &run : runs) store_run(run.chars, run.format, first_run, false);
    texts_.push_back({static_cast<uint32_t>(first_run), static_cast<uint32_t>(runs_.size() - first_run)});
    return static_cast<uint32_t>(texts_.size() - 1);
}

uint32_t TextStore::add_utf8(std::string_view utf8) {
    const size_t first_run = runs_.size();
    std::u16string piece;
    while (!utf8.empty()) {
        const size_t end = utf8_piece_end(utf8, kUtf8PieceBytes);
        piece.clear();
        append_utf16(utf8.substr(0, end), piece);
        store_run(piece, kCellFormat, first_run, true);
        utf8.remove_prefix(end);
    }
    texts_.push_back({static_cast<uint32_t>(first_run), static_cast<uint32_t>(runs_.size() - first_run)});
    return static_cast<uint32_t>(texts_.size() - 1);
}

bool TextStore::empty(uint32_t text) const { return text >= texts_.size() || texts_[text].run_count == 0; }

void TextStore::write(uint32_t text, uint32_t cell_format, const CharFormatTable &formats) const {
    if (text >= texts_.size()) return;
    const CharFormat plain;
    const CharFormat *in_force = &plain;
    texts_.used(text);
    const Text &t = texts_[text];
    for (uint32_t i = t.first_run; i < t.first_run + t.run_count; ++i) {
        runs_.used(i);
        const StoredRun &run = runs_[i];
        const CharFormat &wanted = formats[run.format == kCellFormat ? cell_format : run.format];
        write_format_change(writer_, *in_force, wanted);
        in_force = &wanted;
        writer_.item(CH_ITEM_TEXT, run.offset, run.length);
    }
}

}  // namespace qrv::import
