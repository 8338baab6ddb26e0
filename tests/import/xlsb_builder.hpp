// Binary workbooks (.xlsb) built in memory for tests: records (type and
// size as seven-bit groups, low first, the high bit saying more follow),
// the strings, numbers and cell headers they hold, and whole packages of
// a workbook, its styles, shared strings and sheets from a short
// description of them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "biff_builder.hpp"
#include "package_builder.hpp"

namespace qrv::test::xlsb {

using biff::f64;
using biff::rk_of_double;
using biff::rk_of_integer;
using test::u16;
using test::u32;
using test::u8;

// The record types the tests write.
enum Brt : uint16_t {
    kRowHeader = 0, kCellBlank = 1, kCellRk = 2, kCellError = 3, kCellBool = 4, kCellReal = 5, kCellString = 6,
    kCellSharedString = 7, kFormulaString = 8, kFormulaNumber = 9, kFormulaBool = 10, kFormulaError = 11,
    kStringItem = 19, kFont = 43, kNumberFormat = 44, kXf = 47, kColumnInfo = 60, kCellRichString = 62,
    kBeginSheet = 129, kEndSheet = 130, kBeginBook = 131, kEndBook = 132, kBeginSheetView = 137,
    kBeginSheetData = 145, kEndSheetData = 146, kWorkbookProperties = 153, kBundleSheet = 156, kBeginSst = 159,
    kEndSst = 160, kMergeCell = 176, kSheetFormatInfo = 485, kHyperlink = 494, kBeginCellXfs = 617, kEndCellXfs = 618,
};

// Seven bits a byte, low first; up to max_bytes bytes.
inline std::string varint(uint32_t value, unsigned max_bytes = 4) {
    std::string out;
    for (unsigned i = 1; i < max_bytes && value >= 0x80; ++i, value >>= 7)
        out += static_cast<char>((value & 0x7F) | 0x80);
    return out + static_cast<char>(value & 0x7F);
}
inline std::string record(uint16_t type, const std::string &data = "") {
    return varint(type, 2) + varint(static_cast<uint32_t>(data.size())) + data;
}
// A count of UTF-16 units, then the units; all ones for no string at all.
inline std::string wide(std::u16string_view chars) {
    std::string out = u32(static_cast<uint32_t>(chars.size()));
    for (char16_t c : chars) out += u16(c);
    return out;
}
inline std::string no_string() { return u32(0xFFFFFFFFu); }
inline std::string wide(const std::string &ascii) { return wide(std::u16string(ascii.begin(), ascii.end())); }
// A string item or rich cell's string: flags, the text, and runs that
// each start at a character with a font of the styles part.
inline std::string rich_string(std::u16string_view chars, const std::vector<std::pair<uint16_t, uint16_t>> &runs = {}) {
    std::string out = u8(runs.empty() ? 0 : 1) + wide(chars);
    if (runs.empty()) return out;
    out += u32(static_cast<uint32_t>(runs.size()));
    for (const auto &[start, font] : runs) out += u16(start) + u16(font);
    return out;
}

// Sheet records.  Every cell starts with its column and its cell format.
inline std::string cell(uint32_t column, uint32_t xf = 0) { return u32(column) + u32(xf); }
// Hidden: bit 12 of the options; a height of its own: bit 13.
inline std::string row(uint32_t number, uint16_t height = 300, uint16_t options = 0) {
    return record(kRowHeader, u32(number) + u32(0) + u16(height) + u16(options) + u8(0) + u32(0));
}
inline std::string real(uint32_t column, double value, uint32_t xf = 0) {
    return record(kCellReal, cell(column, xf) + f64(value));
}
inline std::string rk(uint32_t column, uint32_t packed, uint32_t xf = 0) {
    return record(kCellRk, cell(column, xf) + u32(packed));
}
inline std::string shared(uint32_t column, uint32_t index, uint32_t xf = 0) {
    return record(kCellSharedString, cell(column, xf) + u32(index));
}
inline std::string text(uint32_t column, std::u16string_view chars) {
    return record(kCellString, cell(column) + wide(chars));
}
// A formula's cached result, then its flags and an empty expression.
inline std::string formula(Brt type, uint32_t column, const std::string &result) {
    return record(type, cell(column) + result + u16(0) + u32(0) + u32(0));
}
// Columns first to last, width in 256ths of a character; bit 0 of the
// options hides them.
inline std::string columns(uint32_t first, uint32_t last, uint32_t width, uint16_t options = 0) {
    return record(kColumnInfo, u32(first) + u32(last) + u32(width) + u32(0) + u16(options));
}
inline std::string merge(uint32_t top, uint32_t bottom, uint32_t left, uint32_t right) {
    return record(kMergeCell, u32(top) + u32(bottom) + u32(left) + u32(right));
}

// A link from a cell: its relationship ("" for none), then a place in the
// workbook, a tip and the text shown.
inline std::string hyperlink(uint32_t row, uint32_t column, const std::string &id, std::u16string_view location) {
    return record(kHyperlink, u32(row) + u32(row) + u32(column) + u32(column) + (id.empty() ? no_string() : wide(id)) +
                                  wide(location) + wide(u"") + wide(u""));
}
// A view of the sheet: bit 2 of its options shows gridlines, bit 4 zeros.
inline std::string sheet_view(uint16_t options) { return record(kBeginSheetView, u16(options) + std::string(28, '\0')); }

// Styles records.  Fonts: height in twips, then bold (weight 700) or not.
inline std::string font(bool bold = false, std::u16string_view name = u"Calibri") {
    const std::string colour = u8(3 << 1) + u8(1) + u16(0) + u32(0);  // the theme's text colour
    return record(kFont, u16(220) + u16(0) + u16(bold ? 700 : 400) + u16(0) + u8(0) + u8(2) + u8(0) + u8(0) +
                             colour + u8(0) + wide(name));
}
inline std::string number_format(uint16_t id, std::u16string_view code) {
    return record(kNumberFormat, u16(id) + wide(code));
}
inline std::string xf(uint16_t format_id, uint16_t font = 0) {
    return record(kXf, u16(0xFFFF) + u16(format_id) + u16(font) + u16(0) + u16(0) + u8(0) + u8(0) + u16(0) + u16(0));
}
inline std::string cell_xfs(const std::vector<std::string> &xfs) {
    std::string out = record(kBeginCellXfs, u32(static_cast<uint32_t>(xfs.size())));
    for (const auto &x : xfs) out += x;
    return out + record(kEndCellXfs);
}
// A shared strings part of plain strings.
inline std::string sst(const std::vector<std::u16string> &strings) {
    const std::string count = u32(static_cast<uint32_t>(strings.size()));
    std::string out = record(kBeginSst, count + count);
    for (const auto &s : strings) out += record(kStringItem, rich_string(s));
    return out + record(kEndSst);
}

struct BinarySheet {
    BinarySheet(std::string n, std::string r, uint32_t s = 0, std::string l = "")
        : name(std::move(n)), records(std::move(r)), state(s), rels(std::move(l)) {}
    std::string name;
    std::string records;  // of the sheet, between its begin and end
    uint32_t state = 0;   // visible 0, hidden 1, very hidden 2
    std::string rels;     // <Relationship> elements of the sheet, if any
};

struct BinaryBookSpec {
    BinaryBookSpec(std::vector<BinarySheet> s = {}) : sheets(std::move(s)) {}
    std::vector<BinarySheet> sheets;
    bool date1904 = false;
    std::string styles;   // records of the styles part; none: no part
    std::string shared;   // records of the shared strings part; none: no part
    std::vector<Part> extra;
};

inline const std::string kBinaryMainType = "application/vnd.ms-excel.sheet.binary.macroEnabled.main";

inline std::string workbook_records(const BinaryBookSpec &spec) {
    std::string out = record(kBeginBook) + record(kWorkbookProperties, u32(spec.date1904 ? 1 : 0) + u32(0) + wide(u""));
    for (size_t i = 0; i < spec.sheets.size(); ++i) {
        const std::string id = "rId" + std::to_string(i + 1);
        out += record(kBundleSheet, u32(spec.sheets[i].state) + u32(static_cast<uint32_t>(i + 1)) +
                                        wide(id) + wide(spec.sheets[i].name));
    }
    return out + record(kEndBook);
}

inline std::string relationships(const std::string &inside) {
    return "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">" + inside +
           "</Relationships>";
}
inline std::string relationship(const std::string &id, const std::string &type, const std::string &target) {
    return "<Relationship Id=\"" + id + "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
           "relationships/" + type + "\" Target=\"" + target + "\"/>";
}

inline std::vector<Part> binary_parts(const BinaryBookSpec &spec) {
    auto parts = package_frame("xl/workbook.bin", kBinaryMainType);
    std::string rels;
    for (size_t i = 0; i < spec.sheets.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        const BinarySheet &sheet = spec.sheets[i];
        rels += relationship("rId" + n, "worksheet", "worksheets/sheet" + n + ".bin");
        parts.push_back({"xl/worksheets/sheet" + n + ".bin", record(kBeginSheet) + sheet.records + record(kEndSheet)});
        if (!sheet.rels.empty())
            parts.push_back({"xl/worksheets/_rels/sheet" + n + ".bin.rels", relationships(sheet.rels)});
    }
    if (!spec.shared.empty()) {
        rels += relationship("rS", "sharedStrings", "sharedStrings.bin");
        parts.push_back({"xl/sharedStrings.bin", spec.shared});
    }
    if (!spec.styles.empty()) {
        rels += relationship("rT", "styles", "styles.bin");
        parts.push_back({"xl/styles.bin", spec.styles});
    }
    parts.push_back({"xl/workbook.bin", workbook_records(spec)});
    parts.push_back({"xl/_rels/workbook.bin.rels", relationships(rels)});
    for (const auto &p : spec.extra) parts.push_back(p);
    return parts;
}

inline std::string binary_workbook(const BinaryBookSpec &spec) { return zip_of(binary_parts(spec)); }

// A sheet's data, then what follows it (merges for instance).
inline std::string sheet_data(const std::string &cells, const std::string &after = "") {
    return record(kBeginSheetData) + cells + record(kEndSheetData) + after;
}
// A workbook of one sheet, "S", of those records.
inline BinaryBookSpec one_sheet(const std::string &cells, const std::string &after = "") {
    return BinaryBookSpec({BinarySheet("S", sheet_data(cells, after))});
}

}  // namespace qrv::test::xlsb
