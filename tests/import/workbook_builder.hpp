// Small workbooks for importer tests: sheets given as the XML inside
// <sheetData> (or a whole worksheet), with optional shared strings, styles
// and extra parts, zipped at test time.
#pragma once

#include <string>
#include <vector>

#include "package_builder.hpp"

namespace qrv::test {

inline const std::string kSpreadsheetNs = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
inline const std::string kRelNs = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
inline const std::string kRelType = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

struct SheetSpec {
    SheetSpec(std::string n, std::string b, std::string r = "")
        : name(std::move(n)), body(std::move(b)), rels(std::move(r)) {}
    std::string name;
    std::string body;  // what goes inside <worksheet>, e.g. "<sheetData>...</sheetData>"
    std::string rels;  // <Relationship> elements of the sheet, if any
    std::string state;  // "hidden" or "veryHidden"; none: visible
};

struct WorkbookSpec {
    WorkbookSpec(std::vector<SheetSpec> s = {}) : sheets(std::move(s)) {}
    std::vector<SheetSpec> sheets;
    std::string shared;       // <si> elements; none: no shared strings part
    std::string styles;       // the inside of <styleSheet>; none: no styles part
    std::string workbook_pr;  // e.g. "<workbookPr date1904=\"1\"/>"
    std::string theme;        // the inside of <a:theme>; none: no theme part
    std::vector<Part> extra;  // further parts
};

inline std::string sheet_data(const std::string &rows) { return "<sheetData>" + rows + "</sheetData>"; }

inline std::vector<Part> workbook_parts(const WorkbookSpec &spec) {
    auto parts =
        package_frame("xl/workbook.xml", "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml");
    std::string sheets, rels;
    for (size_t i = 0; i < spec.sheets.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        sheets += "<sheet name=\"" + spec.sheets[i].name + "\" sheetId=\"" + n + "\" r:id=\"rId" + n + "\"" +
                  (spec.sheets[i].state.empty() ? "" : " state=\"" + spec.sheets[i].state + "\"") + "/>";
        rels += "<Relationship Id=\"rId" + n + "\" Type=\"" + kRelType + "worksheet\" Target=\"worksheets/sheet" + n +
                ".xml\"/>";
        parts.push_back({"xl/worksheets/sheet" + n + ".xml", "<worksheet xmlns=\"" + kSpreadsheetNs + "\" xmlns:r=\"" +
                                                                 kRelNs + "\">" + spec.sheets[i].body +
                                                                 "</worksheet>"});
        if (!spec.sheets[i].rels.empty())
            parts.push_back({"xl/worksheets/_rels/sheet" + n + ".xml.rels",
                             "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">" +
                                 spec.sheets[i].rels + "</Relationships>"});
    }
    if (!spec.shared.empty()) {
        rels += "<Relationship Id=\"rS\" Type=\"" + kRelType + "sharedStrings\" Target=\"sharedStrings.xml\"/>";
        parts.push_back({"xl/sharedStrings.xml", "<sst xmlns=\"" + kSpreadsheetNs + "\">" + spec.shared + "</sst>"});
    }
    if (!spec.styles.empty()) {
        rels += "<Relationship Id=\"rT\" Type=\"" + kRelType + "styles\" Target=\"styles.xml\"/>";
        parts.push_back(
            {"xl/styles.xml", "<styleSheet xmlns=\"" + kSpreadsheetNs + "\">" + spec.styles + "</styleSheet>"});
    }
    if (!spec.theme.empty()) {
        rels += "<Relationship Id=\"rH\" Type=\"" + kRelType + "theme\" Target=\"theme/theme1.xml\"/>";
        parts.push_back({"xl/theme/theme1.xml",
                         "<a:theme xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\">" + spec.theme +
                             "</a:theme>"});
    }
    parts.push_back({"xl/workbook.xml", "<workbook xmlns=\"" + kSpreadsheetNs + "\" xmlns:r=\"" + kRelNs + "\">" +
                                            spec.workbook_pr + "<sheets>" + sheets + "</sheets></workbook>"});
    parts.push_back({"xl/_rels/workbook.xml.rels",
                     "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">" + rels +
                         "</Relationships>"});
    for (const auto &p : spec.extra) parts.push_back(p);
    return parts;
}

inline std::string workbook_of(const WorkbookSpec &spec) { return zip_of(workbook_parts(spec)); }

// A workbook of one sheet, "S", that holds the rows.
inline WorkbookSpec one_sheet_book(const std::string &rows) { return WorkbookSpec({SheetSpec("S", sheet_data(rows))}); }

// The same as a package.
inline std::string workbook_of_rows(const std::string &rows) { return workbook_of(one_sheet_book(rows)); }

}  // namespace qrv::test
