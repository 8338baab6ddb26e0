// The importers on hostile input: raw bytes as any format, and a sound
// workbook with one part replaced by the fuzzer's bytes (the first byte
// picks the part).  Every input must import or fail with a message, and
// whatever imports must export.
#include <qrvch.h>
#include <qrvim.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "import/workbook_builder.hpp"

namespace {

const char *const kNames[] = {"in.xlsx", "in.csv", "in.tsv", "in.qrvt", "in"};

// A sound workbook with shared strings, styles, a merge and a link.
std::vector<qrv::test::Part> sound_parts() {
    qrv::test::WorkbookSpec book({qrv::test::SheetSpec(
        "S",
        qrv::test::sheet_data("<row r=\"1\"><c r=\"A1\" t=\"s\" s=\"1\"><v>0</v></c><c r=\"B1\"><v>2.5</v></c></row>") +
            "<mergeCells><mergeCell ref=\"A1:B2\"/></mergeCells>")});
    book.shared = "<si><r><rPr><b/></rPr><t>x</t></r></si>";
    book.styles = "<fonts><font><b/></font></fonts><cellXfs><xf numFmtId=\"14\" fontId=\"0\"/>"
                  "<xf numFmtId=\"0\" fontId=\"0\"/></cellXfs>";
    return qrv::test::workbook_parts(book);
}

void import_and_drop(const void *data, size_t size, const char *name) {
    IMOptions options{sizeof(IMOptions), 0, 1u << 22, 1u << 24, 1u << 20, 256};
    CHHandle h = 0;
    char message[512];
    if (IMImportMemory(data, size, name, &options, &h, message, sizeof message) == 0) {
        char *text = nullptr;
        size_t length = 0;
        if (CHDumpDocumentText(h, &text, &length) == 0) CHFreeText(text);
        CHCloseDocument(h);
    }
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
    static const std::vector<qrv::test::Part> parts = sound_parts();
    std::vector<qrv::test::Part> mutated = parts;
    mutated[selector % mutated.size()].content.assign(reinterpret_cast<const char *>(data), size);
    const std::string bytes = qrv::test::zip_of(mutated);
    import_and_drop(bytes.data(), bytes.size(), "in.xlsx");
    return 0;
}
