// The chunker's text format loader over any text; a document that loads is
// written back (the dump must load again and dump to the same text) and
// exported through the library's export frame with the HTML filter, or the
// plain text one, into a memory sink.
//
// Input: byte 0 picks the filter, the rest is the document text.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "export_document.hpp"

namespace {

using qrv::fuzz::export_document;

[[noreturn]] void fail(const char *what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

std::string dump(CHHandle h) {
    char *text = nullptr;
    size_t length = 0;
    if (CHDumpDocumentText(h, &text, &length) != 0) fail("a loaded document cannot be dumped");
    std::string s(text, length);
    CHFreeText(text);
    return s;
}

void check_round_trip(CHHandle h) {
    const std::string first = dump(h);
    CHHandle again = 0;
    char error[256] = {};
    if (CHLoadDocumentText(first.data(), first.size(), &again, error, sizeof error) != 0) {
        std::fprintf(stderr, "the dump does not load: %s\n%s\n", error, first.c_str());
        fail("round trip");
    }
    const std::string second = dump(again);
    CHCloseDocument(again);
    if (first != second) fail("the dump of the reloaded document differs");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 1) return 0;
    const uint32_t output_id = data[0] & 1 ? QRV_OUTPUT_TEXT : QRV_OUTPUT_HTML;
    CHHandle h = 0;
    char error[128];
    if (CHLoadDocumentText(reinterpret_cast<const char *>(data + 1), size - 1, &h, error, sizeof error) != 0) {
        if (h != 0) fail("a failed load handed out a handle");
        return 0;
    }
    check_round_trip(h);
    export_document(h, output_id);
    if (CHCloseDocument(h) != 0) fail("the export left an item range locked");
    return 0;
}
