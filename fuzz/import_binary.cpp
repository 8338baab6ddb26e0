// The hand-written readers on hostile input: RTF as raw bytes, and Excel
// 97-2003 workbooks either as a raw file (the compound file's own
// structures) or as a workbook stream in a sound compound file, so that
// the records themselves are what the fuzzer mutates.  Every input must
// import or fail with a message, and whatever imports must export.
//
// Input: byte 0 picks what the rest is (low two bits) and the filter
// (bit 7).  0: an RTF file; 1: an .xls file; 2: a workbook stream; 3: a
// workbook stream prefixed with a sound workbook's globals.
#include <string>

#include "import/biff_builder.hpp"
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 1) return 0;
    const std::string rest(reinterpret_cast<const char *>(data + 1), size - 1);
    const uint32_t output = data[0] & 0x80 ? QRV_OUTPUT_TEXT : QRV_OUTPUT_HTML;
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
