// The importers on hostile input: raw bytes as any format, and a sound
// workbook, binary workbook or OpenDocument spreadsheet with one part
// replaced by the fuzzer's bytes.  The first byte picks: below 0x80 the
// format of the raw bytes, 0x80 to 0x9F a part of the workbook, 0xA0 to
// 0xBF one of the binary workbook, 0xC0 to 0xFF one of the spreadsheet.
// Every input must import or fail with a message, and whatever imports
// must export.
#include <qrvch.h>
#include <qrvim.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "import/ods_builder.hpp"
#include "import/workbook_builder.hpp"
#include "import/xlsb_builder.hpp"

namespace {

const char *const kNames[] = {"in.xlsx", "in.csv", "in.tsv", "in.qrvt", "in", "in.ods", "in.fods", "in.xlsb"};

// A sound workbook with shared strings, styles, a merge and comments.
std::vector<qrv::test::Part> sound_parts() {
    using qrv::test::kRelType;
    qrv::test::WorkbookSpec book({qrv::test::SheetSpec(
        "S",
        qrv::test::sheet_data("<row r=\"1\"><c r=\"A1\" t=\"s\" s=\"1\"><v>0</v></c><c r=\"B1\"><v>2.5</v></c></row>") +
            "<mergeCells><mergeCell ref=\"A1:B2\"/></mergeCells>",
        "<Relationship Id=\"rC\" Type=\"" + kRelType + "comments\" Target=\"../comments1.xml\"/>")});
    book.extra.push_back({"xl/comments1.xml", "<comments xmlns=\"" + qrv::test::kSpreadsheetNs +
                                                  "\"><authors><author>a</author></authors><commentList><comment "
                                                  "ref=\"B1\" authorId=\"0\"><text><r><t>x</t></r><rPh><t>y</t>"
                                                  "</rPh></text></comment></commentList></comments>"});
    book.shared = "<si><r><rPr><b/></rPr><t>x</t></r></si>";
    book.styles =
        "<fonts><font><b/></font></fonts><cellXfs><xf numFmtId=\"14\" fontId=\"0\"/>"
        "<xf numFmtId=\"0\" fontId=\"0\"/></cellXfs>";
    return qrv::test::workbook_parts(book);
}

// A sound binary workbook with packed numbers, rich shared strings, a
// custom number format, a bold cell format, a merge, a hidden row,
// column widths and a comment.
std::vector<qrv::test::Part> sound_binary_parts() {
    using namespace qrv::test::xlsb;
    BinaryBookSpec book({BinarySheet(
        "S", columns(0, 1, 12 * 256) + record(kSheetFormatInfo, u32(0xFFFFFFFFu) + u16(8) + u16(300)) +
                 sheet_data(row(0) + shared(0, 0, 1) + rk(1, rk_of_integer(1234, true), 2) + row(1, 300, 0x1000) +
                                record(kCellBool, cell(0) + u8(1)) + formula(kFormulaString, 1, wide(u"f")),
                            merge(0, 1, 2, 3)))});
    book.shared = record(kStringItem, rich_string(u"ab", {{1, 1}}));
    book.styles = number_format(164, u"0.0%") + font() + font(true) + cell_xfs({xf(0), xf(0, 1), xf(164)});
    book.sheets[0].rels = relationship("rC", "comments", "../comments1.bin");
    // Comment authors (632), a comment on B1 (635), its text (637) and its end (636).
    book.extra.push_back({"xl/comments1.bin", record(632, wide(u"a")) +
                                                  record(635, u32(0) + u32(0) + u32(0) + u32(1) + u32(1) +
                                                                  std::string(16, '\0')) +
                                                  record(637, rich_string(u"x")) + record(636)});
    return binary_parts(book);
}

// A sound spreadsheet with data styles and a map, rich text, a merge,
// repeats, an annotation, a link and properties.
std::vector<qrv::test::Part> sound_ods_parts() {
    using namespace qrv::test;
    OdsSpec spec(ods_table(
        "S", "<table:table-column table:style-name=\"co\" table:number-columns-repeated=\"2\"/>" +
                 ods_row(ods_cell("office:value-type=\"float\" office:value=\"-2.5\" table:style-name=\"ce\" "
                                  "table:number-columns-spanned=\"2\"") +
                         "<table:covered-table-cell/>") +
                 ods_row(ods_cell("office:value-type=\"string\"",
                                  "<office:annotation><text:p>n</text:p></office:annotation><text:p>a<text:span "
                                  "text:style-name=\"T\">b</text:span><text:s text:c=\"2\"/><text:a "
                                  "xlink:href=\"#S.A1\">c</text:a></text:p>") +
                             ods_cell("office:value-type=\"date\" office:date-value=\"2024-02-29T06:00:00\" "
                                      "table:number-columns-repeated=\"3\""),
                         " table:number-rows-repeated=\"2\" table:visibility=\"collapse\"")));
    spec.automatic_styles =
        "<style:style style:name=\"co\" style:family=\"table-column\"><style:table-column-properties "
        "style:column-width=\"2cm\"/></style:style><style:style style:name=\"ce\" style:family=\"table-cell\" "
        "style:parent-style-name=\"Default\" style:data-style-name=\"N\"/><style:style style:name=\"T\" "
        "style:family=\"text\"><style:text-properties fo:font-weight=\"bold\"/></style:style>";
    spec.styles =
        "<number:number-style style:name=\"P\"><number:number number:decimal-places=\"2\" "
        "number:min-integer-digits=\"1\" number:grouping=\"true\"/></number:number-style>"
        "<number:number-style style:name=\"N\"><style:text-properties fo:color=\"#ff0000\"/>"
        "<number:text>-</number:text><number:number number:decimal-places=\"2\" "
        "number:min-integer-digits=\"1\"/><style:map style:condition=\"value()&gt;=0\" "
        "style:apply-style-name=\"P\"/></number:number-style>"
        "<style:style style:name=\"Default\" style:family=\"table-cell\"/>";
    spec.meta = "<dc:title>t</dc:title>";
    return ods_parts(spec);
}

void import_and_drop(const void *data, size_t size, const char *name) {
    IMOptions options{sizeof(IMOptions), 0, 1u << 22, 1u << 24, 1u << 20, 256, 0};
    CHHandle h = 0;
    char message[512];
    if (IMImportMemory(data, size, name, &options, &h, message, sizeof message) == 0) {
        char *text = nullptr;
        size_t length = 0;
        if (CHDumpDocumentText(h, &text, &length) == 0) CHFreeText(text);
        CHCloseDocument(h);
    }
}

// A sound package, the bits of the selector that pick its part, and its name.
struct SoundPackage {
    std::vector<qrv::test::Part> parts;
    uint8_t mask;
    const char *name;
};

const SoundPackage &sound_package(uint8_t selector) {
    static const SoundPackage workbook{sound_parts(), 0x1F, "in.xlsx"};
    static const SoundPackage binary_workbook{sound_binary_parts(), 0x1F, "in.xlsb"};
    static const SoundPackage spreadsheet{sound_ods_parts(), 0x3F, "in.ods"};
    return selector >= 0xC0 ? spreadsheet : selector >= 0xA0 ? binary_workbook : workbook;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0) return 0;
    const uint8_t selector = data[0];
    ++data, --size;
    if (selector < 0x80) {
        import_and_drop(data, size, kNames[selector % (sizeof kNames / sizeof *kNames)]);
        return 0;
    }
    const SoundPackage &sound = sound_package(selector);
    std::vector<qrv::test::Part> mutated = sound.parts;
    mutated[(selector & sound.mask) % mutated.size()].content.assign(reinterpret_cast<const char *>(data), size);
    const std::string bytes = qrv::test::zip_of(mutated);
    import_and_drop(bytes.data(), bytes.size(), sound.name);
    return 0;
}
