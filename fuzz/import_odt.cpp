// The ODT importer over mutated parts of a sound package, over flat
// documents and over raw bytes: whatever comes, the import succeeds or
// refuses with a message and no handle, and a document it makes exports
// and closes with no range left locked.
//
// Input: byte 0 picks what the rest is (low three bits) and the filter
// (bit 7).  0: the whole file; 1 to 4: content.xml, styles.xml, meta.xml or
// META-INF/manifest.xml, the other parts coming from a small sound
// document; 5: a flat document.
#include <string>
#include <vector>

#include "import_export.hpp"
#include "mutated_package.hpp"

namespace {

using qrv::test::Part;

constexpr const char *kNamespaces =
    "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
    "xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\" "
    "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
    "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
    "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\" "
    "xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\" "
    "xmlns:xlink=\"http://www.w3.org/1999/xlink\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
    "xmlns:meta=\"urn:oasis:names:tc:opendocument:xmlns:meta:1.0\"";

std::string root(const char *name, const std::string &content) {
    return std::string("<?xml version=\"1.0\"?><office:") + name + " " + kNamespaces + ">" + content +
           "</office:" + name + ">";
}

// The sound document the mutated part replaces one part of: styles with a
// chain, an automatic style, a list, a table with spans, a note, a frame,
// a comment, a tracked change, a link and a bookmark.
std::vector<Part> sound_parts() {
    std::vector<Part> parts = {{"mimetype", "application/vnd.oasis.opendocument.text", true}};
    parts.push_back({"META-INF/manifest.xml",
                     "<?xml version=\"1.0\"?><manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:"
                     "xmlns:manifest:1.0\"><manifest:file-entry manifest:full-path=\"/\" manifest:media-type=\""
                     "application/vnd.oasis.opendocument.text\"/></manifest:manifest>"});
    parts.push_back(
        {"content.xml",
         root("document-content",
              "<office:automatic-styles><style:style style:name=\"P1\" style:family=\"paragraph\" "
              "style:parent-style-name=\"H\"><style:text-properties fo:color=\"#ff0000\"/></style:style>"
              "<text:list-style style:name=\"L1\"><text:list-level-style-number text:level=\"1\" "
              "style:num-format=\"1\" style:num-suffix=\".\"/></text:list-style></office:automatic-styles>"
              "<office:body><office:text><text:tracked-changes><text:changed-region text:id=\"c\"><text:deletion>"
              "<text:p>gone</text:p></text:deletion></text:changed-region></text:tracked-changes>"
              "<text:h text:style-name=\"P1\" text:outline-level=\"1\">T<text:bookmark text:name=\"b\"/></text:h>"
              "<text:list text:style-name=\"L1\"><text:list-item><text:p>a<text:note text:note-class=\"footnote\">"
              "<text:note-body><text:p>n</text:p></text:note-body></text:note><text:change text:change-id=\"c\"/>"
              "</text:p></text:list-item></text:list><table:table><table:table-column/><table:table-column/>"
              "<table:table-row><table:table-cell table:number-columns-spanned=\"2\"><text:p>c</text:p>"
              "</table:table-cell><table:covered-table-cell/></table:table-row></table:table><text:p>"
              "<text:a xlink:href=\"#b\">l</text:a><draw:frame draw:name=\"f\"><draw:image xlink:href=\"x.png\"/>"
              "</draw:frame><office:annotation><dc:creator>x</dc:creator><text:p>c</text:p></office:annotation>"
              "</text:p></office:text></office:body>")});
    parts.push_back({"styles.xml", root("document-styles",
                                        "<office:styles><style:style style:name=\"H\" style:family=\"paragraph\" "
                                        "style:default-outline-level=\"1\"><style:text-properties "
                                        "fo:font-weight=\"bold\"/></style:style></office:styles>")});
    parts.push_back({"meta.xml", root("document-meta", "<office:meta><dc:title>t</dc:title></office:meta>")});
    return parts;
}

const char *const kMutated[] = {"content.xml", "styles.xml", "meta.xml", "META-INF/manifest.xml"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 1) return 0;
    const uint8_t selector = data[0] & 7;
    const std::string file = qrv::fuzz::package_with_input(sound_parts, kMutated, selector, data + 1, size - 1);
    qrv::fuzz::import_and_export(file, selector == 5 ? "fuzz.fodt" : "fuzz.odt",
                                 data[0] & 0x80 ? QRV_OUTPUT_TEXT : QRV_OUTPUT_HTML);
    return 0;
}
