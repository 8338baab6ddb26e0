// The PPTX and ODP importers over mutated parts of a sound presentation,
// over flat presentations and over raw bytes: whatever comes, the import
// succeeds or refuses with a message and no handle, and a document it
// makes exports and closes with no range left locked.
//
// Input: byte 0 picks what the rest is (low four bits) and the filter
// (bit 7).  0: a whole .pptx; 1 to 7: one part of a small sound PPTX
// (presentation, its relationships, the first slide, its relationships,
// the layout, the master, the notes page); 8: a whole .odp; 9 to 11:
// content.xml, styles.xml or meta.xml of a small sound ODP; 12 to 15: a
// flat presentation.
#include <string>
#include <vector>

#include "import/slides_builder.hpp"
#include "import_export.hpp"
#include "mutated_package.hpp"

namespace {

using namespace qrv::test;

// Two slides and a hidden one: a title, bullets inherited from the layout
// and the master at two levels, a group, a table with spans, a picture, a
// slide number, alternative content and speaker notes.
std::vector<Part> sound_pptx() {
    Pptx p;
    p.text_styles =
        "<p:titleStyle><a:lvl1pPr/></p:titleStyle><p:bodyStyle><a:lvl1pPr><a:buChar char=\"o\"/></a:lvl1pPr>"
        "<a:lvl2pPr><a:buAutoNum type=\"romanUcPeriod\" startAt=\"3\"/></a:lvl2pPr></p:bodyStyle>";
    p.master_shapes = p_sp("<a:p/>", "type=\"body\"", 100, 2000);
    p.layout_shapes =
        p_sp("<a:lstStyle><a:lvl1pPr><a:buChar char=\"+\"/></a:lvl1pPr></a:lstStyle><a:p/>", "type=\"body\" idx=\"1\"");
    const std::string body =
        p_sp(a_p("one") + a_p("two", " lvl=\"1\"") + a_p("none", "", "<a:buNone/>"), "type=\"body\" idx=\"1\"");
    const std::string group =
        "<p:grpSp><p:nvGrpSpPr/><p:grpSpPr><a:xfrm><a:off x=\"10\" y=\"10\"/><a:ext cx=\"5\" cy=\"5\"/>"
        "<a:chOff x=\"0\" y=\"0\"/><a:chExt cx=\"10\" cy=\"10\"/></a:xfrm></p:grpSpPr>" +
        p_sp(a_p("g"), "", 1, 1) + p_pic("alt") + "</p:grpSp>";
    const std::string table =
        p_table("<a:tr>" + a_tc("s", " gridSpan=\"2\" rowSpan=\"2\"") + "<a:tc hMerge=\"1\"/></a:tr><a:tr>" +
                    "<a:tc vMerge=\"1\"/><a:tc hMerge=\"1\" vMerge=\"1\"/></a:tr>",
                2);
    p.slides.push_back({p_title("T") + body + group + table + "<mc:AlternateContent><mc:Choice Requires=\"p14\">" +
                            p_sp(a_p("c")) + "</mc:Choice><mc:Fallback>" + p_sp(a_p("f")) +
                            "</mc:Fallback></mc:AlternateContent>",
                        p_sp("", "type=\"sldImg\"") + p_sp(a_p("notes"), "type=\"body\" idx=\"1\"")});
    p.slides.push_back({p_title("H"), "", true});
    p.slides.push_back(
        {p_sp("<a:p><a:fld id=\"{1}\" type=\"slidenum\"><a:t>#</a:t></a:fld></a:p>", "type=\"sldNum\"")});
    p.core = "<dc:title>t</dc:title>";
    return p.parts();
}

// A titled page with an outline inheriting its levels from the master's
// style, a table with spans, a picture and notes, and a hidden page.
Odp sound_odp_document() {
    Odp o;
    o.styles =
        "<style:style style:name=\"outline1\" style:family=\"presentation\"><style:graphic-properties>"
        "<text:list-style><text:list-level-style-bullet text:level=\"1\" text:bullet-char=\"o\"/>"
        "<text:list-level-style-number text:level=\"2\" style:num-format=\"i\" style:num-suffix=\".\"/>"
        "</text:list-style></style:graphic-properties></style:style>";
    o.automatic =
        "<style:style style:name=\"pr1\" style:family=\"presentation\" style:parent-style-name=\"outline1\"/>"
        "<style:style style:name=\"dp1\" style:family=\"drawing-page\"><style:drawing-page-properties "
        "presentation:visibility=\"hidden\"/></style:style>";
    const std::string outline =
        "<text:list><text:list-item><text:p>a</text:p><text:list><text:list-item><text:p>b</text:p>"
        "</text:list-item></text:list></text:list-item></text:list>";
    const std::string table =
        "<draw:frame><table:table><table:table-row><table:table-cell table:number-columns-spanned=\"2\" "
        "table:number-rows-spanned=\"2\"><text:p>s</text:p></table:table-cell><table:covered-table-cell/>"
        "</table:table-row><table:table-row><table:covered-table-cell/><table:covered-table-cell/>"
        "</table:table-row></table:table></draw:frame>";
    o.pages = odp_page(odp_title("T") + odp_frame(outline, "outline", "2cm", " presentation:style-name=\"pr1\"") +
                       "<draw:g>" + table +
                       "</draw:g><draw:frame draw:name=\"p\"><draw:image xlink:href=\"a.png\"/>"
                       "<svg:desc>d</svg:desc></draw:frame><presentation:notes><draw:page-thumbnail "
                       "presentation:class=\"page\"/>" +
                       odp_frame(odp_p("n"), "notes") + "</presentation:notes>") +
              odp_page(odp_title("H"), "dp1");
    o.meta = "<dc:title>t</dc:title>";
    return o;
}

std::vector<Part> sound_odp() { return sound_odp_document().parts(); }

const char *const kPptxParts[] = {"ppt/presentation.xml",
                                  "ppt/_rels/presentation.xml.rels",
                                  "ppt/slides/slide1.xml",
                                  "ppt/slides/_rels/slide1.xml.rels",
                                  "ppt/slideLayouts/slideLayout1.xml",
                                  "ppt/slideMasters/slideMaster1.xml",
                                  "ppt/notesSlides/notesSlide1.xml"};
const char *const kOdpParts[] = {"content.xml", "styles.xml", "meta.xml"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 1) return 0;
    const uint8_t selector = data[0] & 15;
    const uint32_t output = data[0] & 0x80 ? QRV_OUTPUT_TEXT : QRV_OUTPUT_HTML;
    if (selector < 8) {
        const std::string file = qrv::fuzz::package_with_input(sound_pptx, kPptxParts, selector, data + 1, size - 1);
        qrv::fuzz::import_and_export(file, "fuzz.pptx", output);
        return 0;
    }
    const uint8_t part = selector - 8;
    const std::string file = qrv::fuzz::package_with_input(sound_odp, kOdpParts, part, data + 1, size - 1);
    qrv::fuzz::import_and_export(file, part > 3 ? "fuzz.fodp" : "fuzz.odp", output);
    return 0;
}
