// The generated document of the export benchmark and of the big-export
// tests: report paragraphs with a bold run each, and a spreadsheet section
// of cells formatted #,##0.00 whose values step by 1.25 from -5000.
#pragma once

#include <qrvch.h>

#include <string>

namespace qrv::test {

inline constexpr uint32_t kGeneratedFormatKey = 1;

inline void append_item(CHHandle h, uint32_t type, uint32_t value = 0, uint32_t data1 = 0, uint32_t data2 = 0) {
    CHItem item{type, value, data1, data2};
    CHAppendItem(h, &item, nullptr);
}

inline void append_text(CHHandle h, const std::u16string &text) {
    CHAppendText(h, reinterpret_cast<const QRVWCHAR *>(text.data()), static_cast<uint32_t>(text.size()), nullptr);
}

// #,##0.00, listed under kGeneratedFormatKey.
inline void append_number_format(CHHandle h) {
    CHAppendTagBegin(h, CH_TAG_NUMBER_FORMAT, 0, 0, 1, kGeneratedFormatKey, nullptr);
    for (uint32_t token : {0x10Au, 0x101u, 0x100u, 0x103u, 0x100u, 0x100u}) append_item(h, CH_ITEM_SPECIAL_CHAR, token);
    CHAppendTagEnd(h, CH_INNERMOST_TAG, nullptr);
}

// A text section of count paragraphs, five items each.
inline void append_report_paragraphs(CHHandle h, uint32_t count) {
    CHAppendSection(h, 0, nullptr);
    for (uint32_t p = 0; p < count; ++p) {
        append_text(
            h, u"Paragraph " + std::u16string(1, static_cast<char16_t>(u'A' + p % 26)) + u" of the generated report, ");
        append_item(h, CH_ITEM_CHAR_ATTR, 2, 1);
        append_text(h, u"with a bold run");
        append_item(h, CH_ITEM_CHAR_ATTR, 2, 0);
        append_item(h, CH_ITEM_BREAK, CH_BREAK_PARAGRAPH);
    }
}

// A spreadsheet section of columns x rows formatted cells, two items each.
inline void append_formatted_sheet(CHHandle h, uint32_t columns, uint32_t rows) {
    CHAppendSection(h, 2, nullptr);
    append_item(h, CH_ITEM_COLUMN_LIST_BEGIN);
    for (uint32_t c = 0; c < columns; ++c) append_item(h, CH_ITEM_COLUMN_ENTRY, 10, 0, 2);
    append_item(h, CH_ITEM_COLUMN_LIST_END);
    append_item(h, CH_ITEM_BREAK, CH_BREAK_PARAGRAPH);
    CHAppendCellRun(h, CH_COUNT_CELLS, nullptr);
    for (uint32_t cell = 0; cell < columns * rows; ++cell) {
        append_item(h, CH_ITEM_SS_CELL_70, 0, kGeneratedFormatKey);
        const double value = cell * 1.25 - 5000.0;
        CHAppendDataValue(h, &value, sizeof value, CH_STORAGE_DOUBLE, 0, nullptr);
    }
}

inline CHHandle generated_report(uint32_t paragraphs, uint32_t columns, uint32_t rows) {
    CHHandle h = 0;
    CHNewDocument(CH_DEFAULT_CHUNK_SIZE, &h);
    append_number_format(h);
    append_report_paragraphs(h, paragraphs);
    append_formatted_sheet(h, columns, rows);
    return h;
}

}  // namespace qrv::test
