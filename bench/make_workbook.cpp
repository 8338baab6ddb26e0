// Writes the workbook of the export benchmark: one sheet of ROWS rows and
// ten columns (1,000,000 cells by default) of numbers, dates, shared
// strings and percentages, zipped with libzip as a spreadsheet program
// would.  bench/export_xlsx.sh times the whole export of it beside a peer.
// Usage: bench_make_workbook OUT.xlsx [ROWS]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "zip_parts.hpp"

namespace {

constexpr int kColumns = 10;
constexpr int kDistinctStrings = 1000;

const char *kContentTypes =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/xl/workbook.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
    "<Override PartName=\"/xl/worksheets/sheet1.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
    "<Override PartName=\"/xl/styles.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>"
    "<Override PartName=\"/xl/sharedStrings.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml\"/></Types>";

const char *kRootRels =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
    "officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>";

const char *kWorkbook =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
    "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
    "<sheets><sheet name=\"Data\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";

const char *kWorkbookRels =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
    "worksheet\" Target=\"worksheets/sheet1.xml\"/>"
    "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
    "styles\" Target=\"styles.xml\"/>"
    "<Relationship Id=\"rId3\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
    "sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>";

// Cell formats: 0 general, 1 a date (built-in 14), 2 a percentage (10),
// 3 two decimals (2).
const char *kStyles =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
    "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
    "<fonts count=\"1\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font></fonts>"
    "<cellXfs count=\"4\"><xf numFmtId=\"0\" fontId=\"0\"/><xf numFmtId=\"14\" fontId=\"0\" applyNumberFormat=\"1\"/>"
    "<xf numFmtId=\"10\" fontId=\"0\" applyNumberFormat=\"1\"/><xf numFmtId=\"2\" fontId=\"0\" "
    "applyNumberFormat=\"1\"/></cellXfs></styleSheet>";

std::string column_name(int c) { return std::string(1, static_cast<char>('A' + c)); }

std::string worksheet(int rows) {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>";
    xml.reserve(static_cast<size_t>(rows) * 420);
    char cell[96];
    for (int r = 1; r <= rows; ++r) {
        xml += "<row r=\"" + std::to_string(r) + "\">";
        for (int c = 0; c < kColumns; ++c) {
            const std::string ref = column_name(c) + std::to_string(r);
            switch (c % 5) {
            case 0: std::snprintf(cell, sizeof cell, "<c r=\"%s\"><v>%d</v></c>", ref.c_str(), r * 7 + c); break;
            case 1:
                std::snprintf(cell, sizeof cell, "<c r=\"%s\" s=\"1\"><v>%d</v></c>", ref.c_str(), 40000 + r % 3650);
                break;
            case 2:
                std::snprintf(cell, sizeof cell, "<c r=\"%s\" t=\"s\"><v>%d</v></c>", ref.c_str(),
                              (r * 31 + c) % kDistinctStrings);
                break;
            case 3:
                std::snprintf(cell, sizeof cell, "<c r=\"%s\" s=\"2\"><v>%.4f</v></c>", ref.c_str(),
                              (r % 1000) / 1000.0);
                break;
            default:
                std::snprintf(cell, sizeof cell, "<c r=\"%s\" s=\"3\"><v>%.3f</v></c>", ref.c_str(), r * 1.125 - c);
                break;
            }
            xml += cell;
        }
        xml += "</row>";
    }
    return xml + "</sheetData></worksheet>";
}

std::string shared_strings() {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">";
    for (int i = 0; i < kDistinctStrings; ++i) xml += "<si><t>Item " + std::to_string(i) + " of the ledger</t></si>";
    return xml + "</sst>";
}

std::vector<qrv::bench::PackagePart> parts_of(int rows) {
    return {{"[Content_Types].xml", kContentTypes},
            {"_rels/.rels", kRootRels},
            {"xl/workbook.xml", kWorkbook},
            {"xl/_rels/workbook.xml.rels", kWorkbookRels},
            {"xl/styles.xml", kStyles},
            {"xl/sharedStrings.xml", shared_strings()},
            {"xl/worksheets/sheet1.xml", worksheet(rows)}};
}

}  // namespace

int main(int argc, char **argv) { return qrv::bench::generate_package(argc, argv, "xlsx", kColumns, parts_of); }
