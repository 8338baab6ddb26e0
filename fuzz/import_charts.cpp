// Charts over mutated chart parts: a workbook's chart part or drawing, or a
// text document's embedded chart object, replaced by the input.  Whatever
// comes, the import succeeds or refuses with a message and no handle, and a
// document it makes exports (the chart drawn, or its data listed) and
// closes with no range left locked.
//
// Input: byte 0 picks the part (low two bits: 0 xl/charts/chart1.xml, 1
// xl/drawings/drawing1.xml, 2 the ODT's Object 1/content.xml, 3 the whole
// input as a workbook) and the output (bit 7: text, else HTML).
#include <string>
#include <vector>

#include "import_export.hpp"
#include "mutated_package.hpp"

namespace {

using qrv::test::Part;

const std::string kChartNs = "http://schemas.openxmlformats.org/drawingml/2006/chart";
const std::string kRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

std::string relationships(const std::string &inside) {
    return "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">" + inside +
           "</Relationships>";
}

std::string relationship(const char *id, const char *type, const char *target) {
    return std::string("<Relationship Id=\"") + id + "\" Type=\"" + kRel + "/" + type + "\" Target=\"" + target +
           "\"/>";
}

// A workbook of one sheet whose drawing holds one chart of two series.
std::vector<Part> workbook_parts() {
    std::vector<Part> parts = qrv::test::package_frame(
        "xl/workbook.xml", "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml");
    const std::string ss = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
    parts.push_back({"xl/workbook.xml", "<workbook xmlns=\"" + ss + "\" xmlns:r=\"" + kRel +
                                            "\"><sheets><sheet name=\"S\" sheetId=\"1\" r:id=\"rS\"/></sheets>"
                                            "</workbook>"});
    parts.push_back({"xl/_rels/workbook.xml.rels", relationships(relationship("rS", "worksheet", "sheet1.xml"))});
    parts.push_back({"xl/sheet1.xml", "<worksheet xmlns=\"" + ss + "\"><sheetData/></worksheet>"});
    parts.push_back({"xl/_rels/sheet1.xml.rels", relationships(relationship("rD", "drawing", "drawings/drawing1.xml"))});
    parts.push_back({"xl/drawings/drawing1.xml",
                     "<xdr:wsDr xmlns:xdr=\"http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing\" "
                     "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" xmlns:r=\"" +
                         kRel +
                         "\"><xdr:oneCellAnchor><xdr:from><xdr:col>1</xdr:col><xdr:row>1</xdr:row></xdr:from>"
                         "<xdr:ext cx=\"5080000\" cy=\"3175000\"/><xdr:graphicFrame><a:graphic><a:graphicData uri=\"" +
                         kChartNs + "\"><c:chart xmlns:c=\"" + kChartNs +
                         "\" r:id=\"rC\"/></a:graphicData></a:graphic></xdr:graphicFrame></xdr:oneCellAnchor>"
                         "</xdr:wsDr>"});
    parts.push_back({"xl/drawings/_rels/drawing1.xml.rels", relationships(relationship("rC", "chart", "../charts/chart1.xml"))});
    const std::string series =
        "<c:ser><c:tx><c:v>A</c:v></c:tx><c:cat><c:strLit><c:ptCount val=\"2\"/><c:pt idx=\"0\"><c:v>x</c:v></c:pt>"
        "<c:pt idx=\"1\"><c:v>y</c:v></c:pt></c:strLit></c:cat><c:val><c:numLit><c:ptCount val=\"2\"/><c:pt "
        "idx=\"0\"><c:v>1</c:v></c:pt><c:pt idx=\"1\"><c:v>2</c:v></c:pt></c:numLit></c:val></c:ser>";
    parts.push_back({"xl/charts/chart1.xml",
                     "<c:chartSpace xmlns:c=\"" + kChartNs +
                         "\" xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\"><c:chart><c:title><c:tx>"
                         "<c:rich><a:p><a:r><a:t>T</a:t></a:r></a:p></c:rich></c:tx></c:title><c:plotArea><c:barChart>"
                         "<c:barDir val=\"col\"/><c:grouping val=\"stacked\"/>" +
                         series + series +
                         "</c:barChart><c:catAx><c:axPos val=\"b\"/></c:catAx></c:plotArea><c:legend><c:legendPos "
                         "val=\"b\"/></c:legend></c:chart></c:chartSpace>"});
    return parts;
}

// A text document of one frame whose embedded object is a chart.
std::vector<Part> text_parts() {
    const char *office = "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                         "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
                         "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
                         "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\" "
                         "xmlns:chart=\"urn:oasis:names:tc:opendocument:xmlns:chart:1.0\" "
                         "xmlns:xlink=\"http://www.w3.org/1999/xlink\"";
    const std::string row = "<table:table-row><table:table-cell><text:p>r</text:p></table:table-cell><table:table-cell "
                            "office:value-type=\"float\" office:value=\"3\"/></table:table-row>";
    return {
        {"mimetype", "application/vnd.oasis.opendocument.text", true},
        {"content.xml", std::string("<office:document-content ") + office +
                            "><office:body><office:text><text:p><draw:frame><draw:object xlink:href=\"./Object 1\"/>"
                            "</draw:frame></text:p></office:text></office:body></office:document-content>"},
        {"Object 1/content.xml",
         std::string("<office:document-content ") + office +
             "><office:body><office:chart><chart:chart chart:class=\"chart:circle\"><chart:plot-area><chart:axis "
             "chart:dimension=\"x\"><chart:categories table:cell-range-address=\"t.A2:t.A3\"/></chart:axis>"
             "<chart:series chart:values-cell-range-address=\"t.B2:t.B3\" chart:label-cell-address=\"t.B1\"/>"
             "</chart:plot-area><table:table><table:table-rows>" +
             row + row + row + "</table:table-rows></table:table></chart:chart></office:chart></office:body>"
                              "</office:document-content>"},
    };
}

const char *const kWorkbookParts[] = {"xl/charts/chart1.xml", "xl/drawings/drawing1.xml"};
const char *const kTextParts[] = {"Object 1/content.xml"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 1) return 0;
    const uint8_t part = data[0] & 3;
    const uint32_t output = data[0] & 0x80 ? QRV_OUTPUT_TEXT : QRV_OUTPUT_HTML;
    if (part == 2) {
        const std::string file = qrv::fuzz::package_with_input(text_parts, kTextParts, 1, data + 1, size - 1);
        qrv::fuzz::import_and_export(file, "fuzz.odt", output);
        return 0;
    }
    const uint8_t selector = part == 3 ? 0 : part + 1;
    const std::string file = qrv::fuzz::package_with_input(workbook_parts, kWorkbookParts, selector, data + 1, size - 1);
    qrv::fuzz::import_and_export(file, "fuzz.xlsx", output);
    return 0;
}
