// Writes the spreadsheet of the ODS export benchmark: one table of ROWS
// rows and ten columns (1,000,000 cells by default) of numbers, dates,
// texts, percentages and two-decimal numbers with their display text, then
// empty rows repeated to the last row as LibreOffice writes them, zipped
// with libzip.  bench/export_spreadsheet.sh times the whole export of it
// beside a peer.
// Usage: bench_make_spreadsheet OUT.ods [ROWS]
#include <cstdint>
#include <cstdio>
#include <string>

#include "zip_parts.hpp"

namespace {

constexpr int kColumns = 10;
constexpr int kLastRow = 1 << 20;
constexpr const char *kMediaType = "application/vnd.oasis.opendocument.spreadsheet";

const char *kNamespaces =
    " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
    " xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
    " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
    " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
    " xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\""
    " xmlns:number=\"urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0\"";

std::string manifest() {
    return std::string(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
               "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" "
               "manifest:version=\"1.3\"><manifest:file-entry manifest:full-path=\"/\" "
               "manifest:media-type=\"") +
           kMediaType +
           "\"/><manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>"
           "</manifest:manifest>";
}

// Cell styles: ce1 a date (MM/DD/YY), ce2 a percentage (0%), ce3 two
// decimals (0.00).
const char *kAutomaticStyles =
    "<office:automatic-styles>"
    "<style:style style:name=\"co1\" style:family=\"table-column\"><style:table-column-properties "
    "style:column-width=\"0.889in\"/></style:style>"
    "<number:date-style style:name=\"N1\"><number:month number:style=\"long\"/><number:text>/</number:text>"
    "<number:day number:style=\"long\"/><number:text>/</number:text><number:year/></number:date-style>"
    "<number:percentage-style style:name=\"N2\"><number:number number:decimal-places=\"0\" "
    "number:min-integer-digits=\"1\"/><number:text>%</number:text></number:percentage-style>"
    "<number:number-style style:name=\"N3\"><number:number number:decimal-places=\"2\" "
    "number:min-integer-digits=\"1\"/></number:number-style>"
    "<style:style style:name=\"ce1\" style:family=\"table-cell\" style:data-style-name=\"N1\"/>"
    "<style:style style:name=\"ce2\" style:family=\"table-cell\" style:data-style-name=\"N2\"/>"
    "<style:style style:name=\"ce3\" style:family=\"table-cell\" style:data-style-name=\"N3\"/>"
    "</office:automatic-styles>";

struct Date {
    int year;
    unsigned month, day;
};

// The calendar date of a spreadsheet day number (day 1 is 1 January 1900;
// the numbers used here lie well after February 1900).
Date date_of(int serial) {
    const int64_t z = serial - 25569 + 719468;  // days since 0000-03-01
    const int64_t era = z / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned day = doy - (153 * mp + 2) / 5 + 1;
    const unsigned month = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(yoe + era * 400 + (month <= 2)), month, day};
}

void append_cell(std::string &xml, int r, int c) {
    char cell[256];
    switch (c % 5) {
    case 0: {
        const int n = r * 7 + c;
        std::snprintf(cell, sizeof cell,
                      "<table:table-cell office:value-type=\"float\" office:value=\"%d\"><text:p>%d</text:p>"
                      "</table:table-cell>",
                      n, n);
        break;
    }
    case 1: {
        const Date d = date_of(40000 + r % 3650);
        std::snprintf(cell, sizeof cell,
                      "<table:table-cell table:style-name=\"ce1\" office:value-type=\"date\" "
                      "office:date-value=\"%04d-%02u-%02u\"><text:p>%02u/%02u/%02d</text:p></table:table-cell>",
                      d.year, d.month, d.day, d.month, d.day, d.year % 100);
        break;
    }
    case 2:
        std::snprintf(cell, sizeof cell,
                      "<table:table-cell office:value-type=\"string\"><text:p>Item %d of the ledger</text:p>"
                      "</table:table-cell>",
                      (r * 31 + c) % 1000);
        break;
    case 3:
        std::snprintf(cell, sizeof cell,
                      "<table:table-cell table:style-name=\"ce2\" office:value-type=\"percentage\" "
                      "office:value=\"%.3f\"><text:p>%d%%</text:p></table:table-cell>",
                      (r % 1000) / 1000.0, (r % 1000) / 10);
        break;
    default:
        std::snprintf(cell, sizeof cell,
                      "<table:table-cell table:style-name=\"ce3\" office:value-type=\"float\" "
                      "office:value=\"%.3f\"><text:p>%.2f</text:p></table:table-cell>",
                      r * 1.125 - c, r * 1.125 - c);
        break;
    }
    xml += cell;
}

std::string content(int rows) {
    std::string xml = std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?><office:document-content") + kNamespaces +
                      " office:version=\"1.3\">" + kAutomaticStyles +
                      "<office:body><office:spreadsheet><table:table table:name=\"Data\">"
                      "<table:table-column table:style-name=\"co1\" table:number-columns-repeated=\"" +
                      std::to_string(kColumns) + "\"/>";
    xml.reserve(static_cast<size_t>(rows) * 1300);
    for (int r = 1; r <= rows; ++r) {
        xml += "<table:table-row>";
        for (int c = 0; c < kColumns; ++c) append_cell(xml, r, c);
        xml += "</table:table-row>";
    }
    if (rows < kLastRow)
        xml += "<table:table-row table:number-rows-repeated=\"" + std::to_string(kLastRow - rows) +
               "\"><table:table-cell table:number-columns-repeated=\"" + std::to_string(kColumns) +
               "\"/></table:table-row>";
    return xml + "</table:table></office:spreadsheet></office:body></office:document-content>";
}

std::vector<qrv::bench::PackagePart> parts_of(int rows) {
    return {{"mimetype", kMediaType, true}, {"META-INF/manifest.xml", manifest()}, {"content.xml", content(rows)}};
}

}  // namespace

int main(int argc, char **argv) { return qrv::bench::generate_package(argc, argv, "ods", kColumns, parts_of); }
