// The DOCX importer over mutated parts of a sound package and over raw
// bytes: whatever comes, the import succeeds or refuses with a message and
// no handle, and a document it makes exports and closes with no range left
// locked.
//
// Input: byte 0 picks what the rest is (low three bits) and the filter
// (bit 7).  0: the whole file; 1 to 6: word/document.xml, word/styles.xml,
// word/numbering.xml, word/footnotes.xml, word/comments.xml or the main
// part's relationships, the other parts coming from a small sound document.
#include <string>
#include <vector>

#include "import_export.hpp"
#include "mutated_package.hpp"

namespace {

using qrv::test::Part;

constexpr const char *kW =
    "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"";

std::string root(const char *name, const std::string &content) {
    return std::string("<?xml version=\"1.0\"?><w:") + name + " " + kW + ">" + content + "</w:" + name + ">";
}

// The sound document the mutated part replaces one part of.
std::vector<Part> sound_parts() {
    const std::string type = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    std::vector<Part> parts = qrv::test::package_frame(
        "word/document.xml", "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml");
    parts.push_back(
        {"word/document.xml", root("document",
                                   "<w:body><w:p><w:pPr><w:pStyle w:val=\"H\"/></w:pPr><w:r><w:t>T</w:t></w:r>"
                                   "</w:p><w:p><w:pPr><w:numPr><w:ilvl w:val=\"0\"/><w:numId w:val=\"1\"/></w:numPr>"
                                   "</w:pPr><w:r><w:t>a</w:t></w:r><w:r><w:footnoteReference w:id=\"1\"/></w:r>"
                                   "<w:r><w:commentReference w:id=\"0\"/></w:r></w:p></w:body>")});
    parts.push_back({"word/styles.xml", root("styles",
                                             "<w:style w:type=\"paragraph\" w:styleId=\"H\"><w:name "
                                             "w:val=\"heading 1\"/></w:style>")});
    parts.push_back(
        {"word/numbering.xml", root("numbering",
                                    "<w:abstractNum w:abstractNumId=\"0\"><w:lvl w:ilvl=\"0\"><w:numFmt "
                                    "w:val=\"decimal\"/><w:lvlText w:val=\"%1.\"/></w:lvl></w:abstractNum><w:num "
                                    "w:numId=\"1\"><w:abstractNumId w:val=\"0\"/></w:num>")});
    parts.push_back({"word/footnotes.xml", root("footnotes",
                                                "<w:footnote w:id=\"1\"><w:p><w:r><w:t>n</w:t></w:r>"
                                                "</w:p></w:footnote>")});
    parts.push_back({"word/comments.xml", root("comments",
                                               "<w:comment w:id=\"0\" w:author=\"x\"><w:p><w:r><w:t>c"
                                               "</w:t></w:r></w:p></w:comment>")});
    std::string rels =
        "<?xml version=\"1.0\"?><Relationships "
        "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    for (const char *part : {"styles", "numbering", "footnotes", "comments"})
        rels += "<Relationship Id=\"r" + std::string(part) + "\" Type=\"" + type + part + "\" Target=\"" + part +
                ".xml\"/>";
    parts.push_back({"word/_rels/document.xml.rels", rels + "</Relationships>"});
    return parts;
}

const char *const kMutated[] = {"word/document.xml",  "word/styles.xml",   "word/numbering.xml",
                                "word/footnotes.xml", "word/comments.xml", "word/_rels/document.xml.rels"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 1) return 0;
    const std::string file = qrv::fuzz::package_with_input(sound_parts, kMutated, data[0] & 7, data + 1, size - 1);
    qrv::fuzz::import_and_export(file, "fuzz.docx", data[0] & 0x80 ? QRV_OUTPUT_TEXT : QRV_OUTPUT_HTML);
    return 0;
}
