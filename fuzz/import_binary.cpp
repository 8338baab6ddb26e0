// The hand-written readers on hostile input: RTF as raw bytes, Excel
// 97-2003 workbooks either as a raw file (the compound file's own
// structures) or as a workbook stream in a sound compound file, so that
// the records themselves are what the fuzzer mutates, and Word 97-2003
// documents likewise.  Every input must import or fail with a message, and
// whatever imports must export.
//
// Input: byte 0 picks what the rest is (low two bits, and bit 2 for Word
// documents) and the filter (bit 7).  0: an RTF file; 1: an .xls file; 2: a
// workbook stream; 3: a workbook stream prefixed with a sound workbook's
// globals.  With bit 2: 0 and 3: a .doc file; 1: a WordDocument stream
// beside a sound table stream; 2: a table stream beside a sound
// WordDocument stream.
#include <string>

#include "import/biff_builder.hpp"
#include "import/doc_builder.hpp"
#include "import_export.hpp"

namespace {

using namespace qrv::test::biff;

// Globals with a font, a format, a cell style and a shared string, which
// the records that follow can refer to.
std::string sound_globals() {
    return record(0x0031, u16(200) + u16(0) + u16(0x7FFF) + u16(400) + u16(0) + u8(0) + u8(0) + u8(0) + u8(0) +
                              text("Arial", true)) +
           record(0x041E, u16(164) + text("0.00%")) +
           record(0x00E0, u16(0) + u16(164) + u16(0) + std::string(14, '\0')) +
           record(0x00FC, u32(1) + u32(1) + text("shared"));
}

// A small document with a style, a bold run, a font, tab stops, a table
// with its row's layout and a field.
const qrv::test::doc::DocBuilder &sound_doc() {
    using namespace qrv::test::doc;
    static const DocBuilder doc = [] {
        DocBuilder b;
        b.pieces = {{u"Title\rA\x07\x07\x13 HYPERLINK \"u\" \x14link\x15\r", true}};
        b.styles = {{0, 1, 0x0FFF, u"Normal", "", ""}, {1, 1, 0, u"heading 1", "", change(0x0835, u8(1))}};
        const std::string cell = change(0x2416, u8(1));
        const std::string row_end = cell + change(0x2417, u8(1)) + table_definition({0, 2000}, {0x0060});
        b.paragraphs = {{1, tab_changes({720}, {{1440, 0x0A}})}, {0, cell}, {0, row_end}, {0, ""}};
        b.runs = {{0, 3, change(0x0836, u8(1)) + change(0x4A4F, u16(1))}};
        b.fonts = {u"Times New Roman", u"Arial"};
        return b;
    }();
    return doc;
}

std::string doc_file(const std::string &main, const std::string &table) {
    qrv::test::CompoundFileBuilder file;
    file.add("WordDocument", main);
    file.add("1Table", table);
    return file.bytes();
}

void fuzz_doc(uint8_t pick, const std::string &rest, uint32_t output) {
    switch (pick & 3) {
    case 1: qrv::fuzz::import_and_export(doc_file(rest, sound_doc().table_stream()), "fuzz.doc", output); break;
    case 2: qrv::fuzz::import_and_export(doc_file(sound_doc().main_stream(), rest), "fuzz.doc", output); break;
    default: qrv::fuzz::import_and_export(rest, "fuzz.doc", output); break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 1) return 0;
    const std::string rest(reinterpret_cast<const char *>(data + 1), size - 1);
    const uint32_t output = data[0] & 0x80 ? QRV_OUTPUT_TEXT : QRV_OUTPUT_HTML;
    if (data[0] & 4) {
        fuzz_doc(data[0], rest, output);
        return 0;
    }
    switch (data[0] & 3) {
    case 0: qrv::fuzz::import_and_export(rest, "fuzz.rtf", output); break;
    case 1: qrv::fuzz::import_and_export(rest, "fuzz.xls", output); break;
    case 2: qrv::fuzz::import_and_export(xls_file(rest), "fuzz.xls", output); break;
    default:
        qrv::fuzz::import_and_export(xls_file(workbook(sound_globals(), {Sheet{"S", rest}})), "fuzz.xls", output);
        break;
    }
    return 0;
}
