// Pictures: each format's reader keeps the picture's bytes as the
// document's resource, exactly as the package holds them, and names it on
// the object; the filters show it from a folder, embedded, or by name.
#include <gtest/gtest.h>
#include <qrvch.h>

#include <filesystem>
#include <string>
#include <vector>

#include "golden/run_tool.hpp"

#include "document_resources.hpp"
#include "docx_builder.hpp"
#include "imported_document.hpp"
#include "ods_builder.hpp"
#include "odt_builder.hpp"
#include "slides_builder.hpp"
#include "workbook_builder.hpp"
#include "pictures.hpp"
#include "writer/build_error.hpp"
#include "writer/picture_store.hpp"

namespace qrv::test {
namespace {

// Bytes no text step would pass unchanged: zeros, high bytes, a CR LF.
const std::string kPng = std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) + std::string(300, '\xff') + "end";

std::string docx_drawing(const std::string &rel, const std::string &alt, const char *cx, const char *cy) {
    return "<w:r><w:drawing><wp:inline><wp:extent cx=\"" + std::string(cx) + "\" cy=\"" + cy +
           "\"/><wp:docPr id=\"1\" name=\"Picture 1\" descr=\"" + alt +
           "\"/><a:graphic><a:graphicData uri=\"http://schemas.openxmlformats.org/drawingml/2006/picture\">"
           "<pic:pic><pic:blipFill><a:blip r:embed=\"" +
           rel + "\"/></pic:blipFill></pic:pic></a:graphicData></a:graphic></wp:inline></w:drawing></w:r>";
}

Docx docx_with_pictures() {
    Docx docx;
    docx.body = "<w:p>" + docx_drawing("rImg", "A red barn", "1270000", "635000") +
                docx_drawing("rImg", "The same barn", "127000", "127000") +
                docx_drawing("rOther", "A second one", "0", "0") + "</w:p>";
    docx.links = {{"rImg", "media/barn.png", false, "image"}, {"rOther", "other/barn.png", false, "image"}};
    docx.extra_parts = {{"word/media/barn.png", kPng}, {"word/other/barn.png", "GIF89a"}};
    return docx;
}

std::string pptx_picture(const std::string &rel, const std::string &alt) {
    return "<p:pic><p:nvPicPr><p:cNvPr id=\"4\" name=\"Picture 3\" descr=\"" + alt +
           "\"/><p:cNvPicPr/><p:nvPr/></p:nvPicPr><p:blipFill><a:blip r:embed=\"" + rel +
           "\"/></p:blipFill><p:spPr><a:xfrm><a:off x=\"0\" y=\"0\"/><a:ext cx=\"2540000\" cy=\"1270000\"/>"
           "</a:xfrm></p:spPr></p:pic>";
}

Pptx pptx_with_picture() {
    Pptx pptx;
    pptx.slides = {{pptx_picture("rP", "Chart of sales")}};
    pptx.slides[0].links = relationship("rP", "image", "../media/image1.png");
    pptx.extra_parts = {{"ppt/media/image1.png", kPng}};
    return pptx;
}

const std::string kOdfFrame =
    "<draw:frame draw:name=\"Image1\" svg:width=\"2in\" svg:height=\"1in\"><draw:image "
    "xlink:href=\"Pictures/p1.png\"><text:p/></draw:image><svg:desc>A logo</svg:desc></draw:frame>";

Odt odt_with_picture() {
    Odt odt;
    odt.body = "<text:p>" + kOdfFrame + "</text:p>";
    odt.extra_parts = {{"Pictures/p1.png", kPng}};
    return odt;
}

Odp odp_with_picture() {
    Odp odp;
    odp.pages = "<draw:page draw:name=\"p1\">" + kOdfFrame + "</draw:page>";
    odp.extra_parts = {{"Pictures/p1.png", kPng}};
    return odp;
}

std::string hex_of(const std::string &bytes) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string hex;
    for (const char c : bytes) {
        hex += kHex[static_cast<uint8_t>(c) >> 4];
        hex += kHex[static_cast<uint8_t>(c) & 15];
        if (hex.size() % 64 == 0) hex += "\r\n";  // lines break the digits anywhere
    }
    return hex;
}

std::string rtf_with_picture(const std::string &data) {
    return "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\pard A {\\*\\shppict{\\pict{\\*\\picprop x}\\pngblip\\picw10"
           "\\picwgoal1440\\pichgoal720\\picscalex50 " +
           data + "}}{\\nonshppict{\\pict\\wmetafile8 0102}} B\\par}";
}

// Every reader keeps the bytes exactly, once per part, with the size the
// document gives; the page refers to the folder's file.
struct FormatCase {
    const char *name;
    std::string bytes;
    const char *file_name;
    std::string expected_img;
};

TEST(Pictures, EachReaderKeepsThePartsBytesAndSize) {
    const FormatCase cases[] = {
        {"docx", docx_with_pictures().bytes(), Docx::kFileName,
         "<img class=\"picture\" src=\"pics/barn.png\" alt=\"A red barn\" width=\"133\" height=\"67\">"},
        {"pptx", pptx_with_picture().bytes(), Pptx::kFileName,
         "<img class=\"picture\" src=\"pics/image1.png\" alt=\"Chart of sales\" width=\"267\" height=\"133\">"},
        {"odt", odt_with_picture().bytes(), Odt::kFileName,
         "<img class=\"picture\" src=\"pics/p1.png\" alt=\"A logo\" width=\"192\" height=\"96\">"},
        {"odp", odp_with_picture().bytes(), Odp::kFileName,
         "<img class=\"picture\" src=\"pics/p1.png\" alt=\"A logo\" width=\"192\" height=\"96\">"},
        {"rtf hex", rtf_with_picture(hex_of(kPng)), "test.rtf",
         "A <img class=\"picture\" src=\"pics/picture1.png\" alt=\"\" width=\"48\" height=\"48\"> B"},
        {"rtf bin", rtf_with_picture("\\bin" + std::to_string(kPng.size()) + " " + kPng), "test.rtf",
         "src=\"pics/picture1.png\""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Imported doc(c.bytes, c.file_name);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        const std::vector<Resource> kept = resources_of(doc);
        ASSERT_FALSE(kept.empty());
        EXPECT_EQ(kept[0].bytes, kPng);
        EXPECT_EQ(kept[0].media_type, "image/png");
        const std::string page = doc.exported(QRV_OUTPUT_HTML, 0, "pics");
        EXPECT_NE(page.find(c.expected_img), std::string::npos) << page;
    }
}

// The same part twice is kept once; another part of the same file name
// gets a name of its own.
TEST(Pictures, NamesAreUniqueAndEachPartKeptOnce) {
    Imported doc(docx_with_pictures());
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    const std::vector<Resource> kept = resources_of(doc);
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0].name, "barn.png");
    EXPECT_EQ(kept[1].name, "barn-2.png");
    EXPECT_EQ(kept[1].bytes, "GIF89a");
    const std::string page = doc.exported(QRV_OUTPUT_HTML, 0, "my pics");
    EXPECT_NE(page.find("src=\"my%20pics/barn-2.png\" alt=\"A second one\">"), std::string::npos) << page;
}

std::string sheet_anchor(const char *element, int column, int row, const std::string &shape) {
    return "<xdr:" + std::string(element) + "><xdr:from><xdr:col>" + std::to_string(column) +
           "</xdr:col><xdr:colOff>0</xdr:colOff><xdr:row>" + std::to_string(row) +
           "</xdr:row><xdr:rowOff>0</xdr:rowOff></xdr:from><xdr:ext cx=\"1270000\" cy=\"635000\"/>" + shape +
           "<xdr:clientData/></xdr:" + element + ">";
}

// A workbook of one sheet (body: what stands inside <worksheet>) whose
// drawing holds the anchors given; rI is the logo picture.
std::string workbook_with_drawing(const std::string &body, const std::string &anchors) {
    WorkbookSpec book({SheetSpec(
        "S", body, "<Relationship Id=\"rD\" Type=\"" + kRelType + "drawing\" Target=\"../drawings/d1.xml\"/>")});
    book.extra = {
        {"xl/drawings/d1.xml",
         "<xdr:wsDr xmlns:xdr=\"http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing\" "
         "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" xmlns:r=\"" +
             kRelNs + "\">" + anchors + "</xdr:wsDr>"},
        {"xl/drawings/_rels/d1.xml.rels",
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"><Relationship "
         "Id=\"rI\" Type=\"" +
             kRelType + "image\" Target=\"../media/logo.png\"/></Relationships>"},
        {"xl/media/logo.png", kPng}};
    return workbook_of(book);
}

// The logo as a drawing's picture; frame_ext: the cx and cy of its own
// frame, if it has one.
std::string logo_picture(const std::string &frame_ext = "") {
    const std::string frame =
        frame_ext.empty() ? ""
                          : "<xdr:spPr><a:xfrm><a:off x=\"0\" y=\"0\"/><a:ext " + frame_ext + "/></a:xfrm></xdr:spPr>";
    return "<xdr:pic><xdr:nvPicPr><xdr:cNvPr id=\"2\" name=\"Picture 1\" descr=\"Logo\"/></xdr:nvPicPr>"
           "<xdr:blipFill><a:blip r:embed=\"rI\"/></xdr:blipFill>" +
           frame + "</xdr:pic>";
}

const std::string kNameRow = "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>Name</t></is></c></row>";

// A workbook's pictures stand in the cell they are anchored over: a cell
// with a value keeps it, an empty one is made; a chart shows by name.
TEST(Pictures, SheetPicturesStandInTheirAnchorCell) {
    const std::string pic = logo_picture();
    const std::string chart =
        "<xdr:graphicFrame><xdr:nvGraphicFramePr><xdr:cNvPr id=\"3\" name=\"Chart 1\"/></xdr:nvGraphicFramePr>"
        "<a:graphic><a:graphicData uri=\"http://schemas.openxmlformats.org/drawingml/2006/chart\"/></a:graphic>"
        "</xdr:graphicFrame>";
    Imported doc(workbook_with_drawing(sheet_data(kNameRow), sheet_anchor("oneCellAnchor", 0, 0, pic) +
                                                                 sheet_anchor("oneCellAnchor", 2, 1, chart)),
                 "test.xlsx");
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    ASSERT_EQ(resources_of(doc).size(), 1u);
    EXPECT_EQ(resources_of(doc)[0].bytes, kPng);
    const std::string page = doc.exported(QRV_OUTPUT_HTML, 0, "f");
    EXPECT_NE(page.find("Name<img class=\"picture\" src=\"f/logo.png\" alt=\"Logo\" width=\"133\" height=\"67\">"),
              std::string::npos)
        << page;
    EXPECT_NE(page.find("[Chart: Chart 1]"), std::string::npos) << page;
    const std::string text = doc.exported(QRV_OUTPUT_TEXT, 0, "f");
    EXPECT_NE(text.find("Name [image: Logo]"), std::string::npos) << text;
    EXPECT_NE(text.find("[chart]"), std::string::npos) << text;
    const std::string json = doc.exported(QRV_OUTPUT_JSON, 0, "f");
    EXPECT_NE(json.find(R"("images":[{"kind":"picture","alt":"Logo","path":"f/logo.png")"), std::string::npos) << json;
    const std::string markdown = doc.exported(QRV_OUTPUT_MARKDOWN, 0, "f");
    EXPECT_NE(markdown.find("| Name ![Logo](f/logo.png) |"), std::string::npos) << markdown;
}

struct AnchorSpanCase {
    const char *what;
    std::string sheet_head;  // what stands before <sheetData>
    std::string rows;
    std::string from, to;   // <xdr:col>..<xdr:rowOff> of each corner
    std::string frame_ext;  // cx and cy of the picture's own frame
    const char *size;       // the <img> size shown
};

std::string corner(int column, int column_px, int row, int row_px) {
    constexpr int kEmuPerPixel = 9525;
    return "<xdr:col>" + std::to_string(column) + "</xdr:col><xdr:colOff>" + std::to_string(column_px * kEmuPerPixel) +
           "</xdr:colOff><xdr:row>" + std::to_string(row) + "</xdr:row><xdr:rowOff>" +
           std::to_string(row_px * kEmuPerPixel) + "</xdr:rowOff>";
}

// A two-cell anchor whose frame gives no size (as Excel leaves a chart's)
// is as large as the columns and rows between its corners show.
TEST(Pictures, TwoCellAnchorsSpanTheirCells) {
    // columns A of 12 characters (84 pixels) and B of 24 (168), B as given
    const auto columns = [](const std::string &b) {
        return "<cols><col min=\"1\" max=\"1\" width=\"12\" customWidth=\"1\"/><col min=\"2\" max=\"2\" width=\"24\" " +
               b + "/></cols>";
    };
    const std::string widths = columns("customWidth=\"1\""), hidden_b = columns("hidden=\"1\"");
    const std::string tall_row = "<row r=\"2\" ht=\"30\" customHeight=\"1\"/>";
    const std::string none = "cx=\"0\" cy=\"0\"";
    const AnchorSpanCase cases[] = {
        {"own widths, default rows", widths, "", corner(0, 0, 0, 0), corner(2, 0, 3, 0), none,
         "width=\"252\" height=\"60\""},
        {"offsets in the corner cells", widths, "", corner(0, 8, 0, 4), corner(2, 4, 3, 0), none,
         "width=\"248\" height=\"56\""},
        {"a hidden column, a tall row", hidden_b, tall_row, corner(0, 0, 0, 0), corner(2, 0, 3, 0), none,
         "width=\"84\" height=\"80\""},
        {"the sheet's defaults", "<sheetFormatPr defaultRowHeight=\"18\"/>", "", corner(0, 0, 0, 0), corner(2, 0, 3, 0),
         none, "width=\"128\" height=\"72\""},
        {"the frame's own size wins", widths, "", corner(0, 0, 0, 0), corner(2, 0, 3, 0),
         "cx=\"1270000\" cy=\"635000\"", "width=\"133\" height=\"67\""},
    };
    for (const AnchorSpanCase &c : cases) {
        const std::string anchor = "<xdr:twoCellAnchor><xdr:from>" + c.from + "</xdr:from><xdr:to>" + c.to +
                                   "</xdr:to>" + logo_picture(c.frame_ext) + "<xdr:clientData/></xdr:twoCellAnchor>";
        Imported doc(workbook_with_drawing(c.sheet_head + sheet_data(kNameRow + c.rows), anchor), "test.xlsx");
        ASSERT_EQ(doc.result(), 0u) << c.what << ": " << doc.message();
        const std::string page = doc.exported(QRV_OUTPUT_HTML, 0, "f");
        EXPECT_NE(page.find(std::string("alt=\"Logo\" ") + c.size + ">"), std::string::npos) << c.what << "\n" << page;
    }
}

// An ODS frame in a cell stands in that cell beside its text.
TEST(Pictures, OdsFramesStandInTheirCell) {
    std::vector<Part> parts = ods_parts(
        OdsSpec(ods_table("T", ods_row(ods_string("Name") + ods_cell("", kOdfFrame) +
                                       ods_cell("",
                                                "<draw:frame draw:name=\"Chart1\"><draw:object "
                                                "draw:notify-on-update-of-ranges=\"T.A1:A2\"/></draw:frame>")))));
    parts.push_back({"Pictures/p1.png", kPng});
    Imported doc(zip_of(parts), "test.ods");
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    ASSERT_EQ(resources_of(doc).size(), 1u);
    EXPECT_EQ(resources_of(doc)[0].bytes, kPng);
    const std::string text = doc.exported(QRV_OUTPUT_TEXT, 0, "f");
    EXPECT_NE(text.find("Name"), std::string::npos) << text;
    EXPECT_NE(text.find("Name | [image] | [chart]"), std::string::npos) << text;

    EXPECT_NE(doc.exported(QRV_OUTPUT_HTML, 0, "f").find("src=\"f/p1.png\" alt=\"Image1\" width=\"192\" height=\"96\""),
              std::string::npos);
}

// How each output shows a picture, in each mode.
TEST(Pictures, OutputsShowThePictureByMode) {
    Imported doc(pptx_with_picture());
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    struct Case {
        uint32_t output, option_word;
        const char *folder;
        std::string expected;
    };
    std::string base64;
    filters::append_base64(kPng, base64);
    const Case cases[] = {
        {QRV_OUTPUT_HTML, 0, "", "[Image: Chart of sales]</span>"},
        {QRV_OUTPUT_HTML, QRV_FILTER_EMBED_PICTURES, "f", "src=\"data:image/png;base64," + base64 + "\""},
        {QRV_OUTPUT_MARKDOWN, 0, "f", "![Chart of sales](f/image1.png)"},
        {QRV_OUTPUT_MARKDOWN, 0, "", "![Chart of sales]()"},
        {QRV_OUTPUT_TEXT, 0, "f", "[image: Chart of sales]"},
        {QRV_OUTPUT_JSON, 0, "f",
         R"("kind":"picture","alt":"Chart of sales","path":"f/image1.png","media_type":"image/png","width":200,"height":100)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.expected);
        const std::string page = doc.exported(c.output, c.option_word, c.folder);
        EXPECT_NE(page.find(c.expected), std::string::npos) << page;
    }
}

// Pictures are not read at all when the host asks for none, and a picture
// that cannot be had (missing, external) is shown by name with no file.
TEST(Pictures, NoneAskedOrNoneToBeHad) {
    IMOptions options{};
    options.StructSize = sizeof options;
    options.Flags = IM_READ_NO_PICTURES;
    Imported none(docx_with_pictures(), &options);
    ASSERT_EQ(none.result(), 0u) << none.message();
    EXPECT_TRUE(resources_of(none).empty());

    Docx missing = docx_with_pictures();
    missing.extra_parts.clear();
    Imported lost(missing);
    ASSERT_EQ(lost.result(), 0u) << lost.message();
    EXPECT_TRUE(resources_of(lost).empty());
    EXPECT_NE(lost.message().find("the picture cannot be read"), std::string::npos) << lost.message();
    EXPECT_NE(lost.exported(QRV_OUTPUT_HTML, 0, "f").find("[Image: A red barn]"), std::string::npos);

    Odt linked = odt_with_picture();
    linked.body =
        "<text:p><draw:frame><draw:image xlink:href=\"http://example.com/a.png\"/></draw:frame>"
        "<draw:frame><draw:image xlink:href=\"../../etc/passwd\"/></draw:frame></text:p>";
    Imported outside(linked);
    ASSERT_EQ(outside.result(), 0u) << outside.message();
    EXPECT_TRUE(resources_of(outside).empty());
}

// Names are plain file names, unique in the document, whatever the part
// is called; past the bound, pictures are named only.
TEST(Pictures, StoreNamesAndBound) {
    import::Limits limits;
    limits.max_picture_bytes = 10;
    import::Diagnostics diagnostics;
    import::DocumentWriter out(limits);
    import::PictureStore store(out, limits, diagnostics, true);
    const auto bytes = [](size_t n) { return [n] { return std::string(n, 'x'); }; };
    const std::pair<const char *, const char *> cases[] = {
        {"a/b/image.png", "image.png"},
        {"c/image.png", "image-2.png"},
        {"x/.hidden", "_hidden"},
        {"x/na me?.jpg", "na_me_.jpg"},
        {"y/noext", "noext"},
        {"z/noext", "noext-2"},
        {"", ""},
    };
    for (const auto &[source, name] : cases) EXPECT_EQ(store.keep(source, "", bytes(1)), name) << source;
    EXPECT_EQ(store.keep("a/b/image.png", "", bytes(1)), "image.png");  // kept once, bytes not read again
    EXPECT_EQ(store.keep("big.png", "", bytes(5)), "");
    EXPECT_NE(diagnostics.report().find("pass their bound"), std::string::npos) << diagnostics.report();
    const auto broken = []() -> std::string { throw import::ImportError(1, "damaged"); };
    EXPECT_EQ(store.keep("broken.png", "", broken), "");
}

// qrvex-export writes the pictures into NAME_files/ beside the page; with
// --images embed or none, or to standard output, it writes no folder.
TEST(Pictures, ToolWritesTheFolderBesideThePage) {
    namespace fs = std::filesystem;
    const std::string dir = testing::scratch_path("pictures");
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string input = dir + "/in.docx";
    testing::write_all(input, docx_with_pictures().bytes());
    struct Case {
        std::string arguments;
        bool folder;
        std::string in_page;
    };
    const Case cases[] = {
        {input + " -o " + dir + "/page.html", true, "src=\"page_files/barn.png\""},
        {input + " -o " + dir + "/page.md", true, "](page_files/barn-2.png)"},
        {input + " --images embed -o " + dir + "/page.html", false, "src=\"data:image/png;base64,"},
        {input + " --images none -o " + dir + "/page.html", false, "[Image: A red barn]"},
        {input + " -o " + dir + "/page.txt", false, "[image: A red barn]"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments);
        fs::remove_all(dir + "/page_files");
        const testing::ToolRun run = testing::run_tool(c.arguments);
        ASSERT_EQ(run.status, 0) << run.err;
        const std::string page = testing::read_all(dir + "/page" + fs::path(c.arguments).extension().string());
        EXPECT_NE(page.find(c.in_page), std::string::npos) << page.substr(0, 2000);
        EXPECT_EQ(fs::exists(dir + "/page_files"), c.folder);
        if (c.folder) {
            EXPECT_EQ(testing::read_all(dir + "/page_files/barn.png"), kPng);
        }
    }
    const testing::ToolRun piped = testing::run_tool(input + " --format html");
    EXPECT_NE(piped.out.find("[Image: A red barn]"), std::string::npos);
    const testing::ToolRun bad = testing::run_tool(input + " --images all -o " + dir + "/x.html");
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("--images takes files, embed or none"), std::string::npos) << bad.err;
    fs::remove_all(dir);
}

TEST(Pictures, Base64AndUrlSteps) {
    const std::pair<std::string, std::string> base64_cases[] = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="},
        {"foobar", "Zm9vYmFy"},
        {std::string("\xff\xfe\0", 3), "//4A"},
    };
    for (const auto &[bytes, expected] : base64_cases) {
        std::string out;
        filters::append_base64(bytes, out);
        EXPECT_EQ(out, expected);
    }
    EXPECT_EQ(filters::url_path_step("a b(1)\"<x>.png"), "a%20b%281%29%22%3Cx%3E.png");
    EXPECT_EQ(filters::url_path_step("caf\xc3\xa9-~_.jpg"), "caf%C3%A9-~_.jpg");
}

}  // namespace
}  // namespace qrv::test
