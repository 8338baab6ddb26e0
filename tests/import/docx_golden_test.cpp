// Real-looking Word documents, built here as a word processor writes them
// (its styles, numbering, notes and properties), exported to HTML and
// compared byte for byte with tests/import/golden/NAME.html
// (golden_page.hpp).
#include "docx_builder.hpp"
#include "golden_page.hpp"

namespace qrv::test {
namespace {

std::string r(const std::string &text, const std::string &rpr = "") {
    return "<w:r>" + (rpr.empty() ? "" : "<w:rPr>" + rpr + "</w:rPr>") + "<w:t xml:space=\"preserve\">" + text +
           "</w:t></w:r>";
}
std::string paragraph(const std::string &runs, const std::string &ppr = "") {
    return "<w:p>" + (ppr.empty() ? "" : "<w:pPr>" + ppr + "</w:pPr>") + runs + "</w:p>";
}
std::string ps(const std::string &style_id) { return "<w:pStyle w:val=\"" + style_id + "\"/>"; }
std::string numbered(int num, int ilvl, const std::string &style_id = "ListParagraph") {
    return ps(style_id) + "<w:numPr><w:ilvl w:val=\"" + std::to_string(ilvl) + "\"/><w:numId w:val=\"" +
           std::to_string(num) + "\"/></w:numPr>";
}
std::string footnote_ref(int id) {
    return "<w:r><w:rPr><w:rStyle w:val=\"FootnoteReference\"/></w:rPr><w:footnoteReference w:id=\"" +
           std::to_string(id) + "\"/></w:r>";
}
std::string auto_width_cell(const std::string &content, const std::string &tcpr = "") {
    return "<w:tc><w:tcPr><w:tcW w:w=\"0\" w:type=\"auto\"/>" + tcpr + "</w:tcPr>" + content + "</w:tc>";
}
std::string grid(std::initializer_list<int> widths) {
    std::string out = "<w:tblGrid>";
    for (int w : widths) out += "<w:gridCol w:w=\"" + std::to_string(w) + "\"/>";
    return out + "</w:tblGrid>";
}

const std::string kOfficeTheme =
    "<?xml version=\"1.0\"?><a:theme xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
    "name=\"Office Theme\"><a:themeElements><a:fontScheme name=\"Office\"><a:majorFont><a:latin typeface=\"Calibri "
    "Light\"/></a:majorFont><a:minorFont><a:latin typeface=\"Calibri\"/></a:minorFont></a:fontScheme>"
    "</a:themeElements></a:theme>";

// The styles a new document of a word processor starts with.
const std::string kNewDocumentStyles =
    "<w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:asciiTheme=\"minorHAnsi\" w:hAnsiTheme=\"minorHAnsi\"/>"
    "<w:sz w:val=\"22\"/><w:lang w:val=\"en-GB\"/></w:rPr></w:rPrDefault><w:pPrDefault><w:pPr><w:spacing "
    "w:after=\"160\" w:line=\"259\" w:lineRule=\"auto\"/></w:pPr></w:pPrDefault></w:docDefaults>"
    "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:name "
    "w:val=\"Normal\"/><w:qFormat/></w:style>"
    "<w:style w:type=\"character\" w:default=\"1\" w:styleId=\"DefaultParagraphFont\"><w:name w:val=\"Default "
    "Paragraph Font\"/></w:style>" +
    style("Heading1", "heading 1",
          "<w:basedOn w:val=\"Normal\"/><w:next w:val=\"Normal\"/><w:pPr><w:keepNext/><w:keepLines/><w:spacing "
          "w:before=\"240\" w:after=\"0\"/><w:outlineLvl w:val=\"0\"/></w:pPr><w:rPr><w:rFonts "
          "w:asciiTheme=\"majorHAnsi\"/>"
          "<w:color w:val=\"2F5496\"/><w:sz w:val=\"32\"/></w:rPr>") +
    style("Heading2", "heading 2",
          "<w:basedOn w:val=\"Heading1\"/><w:next w:val=\"Normal\"/><w:pPr><w:spacing w:before=\"40\"/><w:outlineLvl "
          "w:val=\"1\"/></w:pPr><w:rPr><w:sz w:val=\"26\"/></w:rPr>") +
    style("Title", "Title",
          "<w:basedOn w:val=\"Normal\"/><w:next w:val=\"Normal\"/><w:pPr><w:spacing w:after=\"0\"/></w:pPr><w:rPr>"
          "<w:rFonts w:asciiTheme=\"majorHAnsi\"/><w:sz w:val=\"56\"/></w:rPr>") +
    style("ListParagraph", "List Paragraph",
          "<w:basedOn w:val=\"Normal\"/><w:pPr><w:ind w:left=\"720\"/><w:contextualSpacing/></w:pPr>") +
    style("Quote", "Quote",
          "<w:basedOn w:val=\"Normal\"/><w:pPr><w:jc w:val=\"center\"/></w:pPr><w:rPr><w:i/>"
          "<w:color w:val=\"404040\"/></w:rPr>") +
    style("Caption", "caption", "<w:basedOn w:val=\"Normal\"/><w:rPr><w:i/><w:sz w:val=\"18\"/></w:rPr>") +
    style("Hyperlink", "Hyperlink", "<w:rPr><w:color w:val=\"0563C1\"/><w:u w:val=\"single\"/></w:rPr>", "character") +
    style("Strong", "Strong", "<w:rPr><w:b/></w:rPr>", "character") +
    style("FootnoteReference", "footnote reference", "<w:rPr><w:vertAlign w:val=\"superscript\"/></w:rPr>",
          "character") +
    style("TableGrid", "Table Grid", "<w:tblPr><w:tblBorders/></w:tblPr>", "table");

const std::string kNumbering =
    "<w:abstractNum w:abstractNumId=\"0\"><w:multiLevelType w:val=\"hybridMultilevel\"/>"
    "<w:lvl w:ilvl=\"0\"><w:start w:val=\"1\"/><w:numFmt w:val=\"bullet\"/><w:lvlText w:val=\"\xEF\x82\xB7\"/>"
    "<w:lvlJc w:val=\"left\"/><w:pPr><w:ind w:left=\"720\" w:hanging=\"360\"/></w:pPr><w:rPr><w:rFonts "
    "w:ascii=\"Symbol\" w:hAnsi=\"Symbol\" w:hint=\"default\"/></w:rPr></w:lvl>"
    "<w:lvl w:ilvl=\"1\"><w:start w:val=\"1\"/><w:numFmt w:val=\"bullet\"/><w:lvlText w:val=\"o\"/><w:pPr><w:ind "
    "w:left=\"1440\" w:hanging=\"360\"/></w:pPr><w:rPr><w:rFonts w:ascii=\"Courier New\"/></w:rPr></w:lvl>"
    "</w:abstractNum>"
    "<w:abstractNum w:abstractNumId=\"1\"><w:multiLevelType w:val=\"multilevel\"/>"
    "<w:lvl w:ilvl=\"0\"><w:start w:val=\"1\"/><w:numFmt w:val=\"decimal\"/><w:lvlText w:val=\"%1.\"/>"
    "<w:pPr><w:ind w:left=\"360\" w:hanging=\"360\"/></w:pPr></w:lvl>"
    "<w:lvl w:ilvl=\"1\"><w:start w:val=\"1\"/><w:numFmt w:val=\"decimal\"/><w:lvlText w:val=\"%1.%2.\"/>"
    "<w:pPr><w:ind w:left=\"792\" w:hanging=\"432\"/></w:pPr></w:lvl>"
    "<w:lvl w:ilvl=\"2\"><w:start w:val=\"1\"/><w:numFmt w:val=\"lowerLetter\"/><w:lvlText w:val=\"%3)\"/>"
    "<w:pPr><w:ind w:left=\"1224\" w:hanging=\"504\"/></w:pPr></w:lvl></w:abstractNum>"
    "<w:abstractNum w:abstractNumId=\"2\"><w:lvl w:ilvl=\"0\"><w:start w:val=\"1\"/><w:numFmt w:val=\"decimal\"/>"
    "<w:lvlText w:val=\"%1\"/><w:pPr><w:ind w:left=\"432\" w:hanging=\"432\"/></w:pPr></w:lvl>"
    "<w:lvl w:ilvl=\"1\"><w:start w:val=\"1\"/><w:numFmt w:val=\"decimal\"/><w:lvlText w:val=\"%1.%2\"/></w:lvl>"
    "</w:abstractNum>"
    "<w:num w:numId=\"1\"><w:abstractNumId w:val=\"0\"/></w:num>"
    "<w:num w:numId=\"2\"><w:abstractNumId w:val=\"1\"/></w:num>"
    "<w:num w:numId=\"3\"><w:abstractNumId w:val=\"2\"/></w:num>"
    "<w:num w:numId=\"4\"><w:abstractNumId w:val=\"1\"/><w:lvlOverride w:ilvl=\"0\"><w:startOverride w:val=\"1\"/>"
    "</w:lvlOverride></w:num>";

const std::string kFootnotes =
    "<w:footnote w:type=\"separator\" w:id=\"-1\"><w:p><w:r><w:separator/></w:r></w:p></w:footnote>"
    "<w:footnote w:type=\"continuationSeparator\" w:id=\"0\"><w:p><w:r><w:continuationSeparator/></w:r></w:p>"
    "</w:footnote>"
    "<w:footnote w:id=\"1\"><w:p><w:pPr><w:pStyle w:val=\"FootnoteText\"/></w:pPr><w:r><w:rPr><w:rStyle "
    "w:val=\"FootnoteReference\"/></w:rPr><w:footnoteRef/></w:r><w:r><w:t xml:space=\"preserve\"> Figures are in "
    "thousands of euros.</w:t></w:r></w:p></w:footnote>"
    "<w:footnote w:id=\"2\"><w:p><w:r><w:footnoteRef/></w:r><w:r><w:t xml:space=\"preserve\"> The Porto office "
    "opened in March.</w:t></w:r></w:p></w:footnote>";

Docx base_document() {
    Docx docx;
    docx.styles = kNewDocumentStyles;
    docx.numbering = kNumbering;
    docx.theme = kOfficeTheme;
    docx.footnotes = kFootnotes;
    return docx;
}

// A memo: a title, properties, a list, a footnote, a link and a table with
// a header row.
Docx memo() {
    Docx docx = base_document();
    docx.core = "<dc:title>Office move</dc:title><dc:creator>Facilities</dc:creator>";
    docx.links = {{"rId20", "https://intranet.example.com/move"}};
    docx.body = paragraph(r("Office move"), ps("Title")) +
                paragraph(r("From the end of the month the team works from the new building. ") +
                          r("Please read the points below", "<w:b/>") + r(" before the move.")) +
                paragraph(r("Pack your desk by Thursday."), numbered(1, 0)) +
                paragraph(r("Label every box with your name and floor."), numbered(1, 0)) +
                paragraph(r("Boxes are at reception."), numbered(1, 1)) +
                paragraph(r("Return your old badge."), numbered(1, 0)) +
                paragraph(r("The costs") + footnote_ref(1) + r(" of the move are shared as follows:")) +
                "<w:tbl><w:tblPr><w:tblStyle w:val=\"TableGrid\"/><w:tblW w:w=\"0\" w:type=\"auto\"/></w:tblPr>" +
                grid({3000, 2000}) + "<w:tr><w:trPr><w:tblHeader/></w:trPr>" +
                auto_width_cell(paragraph(r("Item", "<w:b/>"))) + auto_width_cell(paragraph(r("Cost", "<w:b/>"))) +
                "</w:tr><w:tr>" + auto_width_cell(paragraph(r("Removal firm"))) +
                auto_width_cell(paragraph(r("12"), "<w:jc w:val=\"right\"/>")) + "</w:tr><w:tr>" +
                auto_width_cell(paragraph(r("New furniture"))) +
                auto_width_cell(paragraph(r("30"), "<w:jc w:val=\"right\"/>")) + "</w:tr></w:tbl>" +
                paragraph(r("Details are on the ") + "<w:hyperlink r:id=\"rId20\" w:history=\"1\">" +
                          r("intranet", "<w:rStyle w:val=\"Hyperlink\"/>") + "</w:hyperlink>" + r(".")) +
                "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/></w:sectPr>";
    return docx;
}

// A report: numbered headings, a multi-level numbered list, a table with
// merged cells, notes, a picture with its caption, a bookmark and a link to it.
Docx docx_report() {
    Docx docx = base_document();
    docx.endnotes =
        "<w:endnote w:id=\"1\"><w:p><w:r><w:endnoteRef/></w:r><w:r><w:t xml:space=\"preserve\"> Source: "
        "the regional offices.</w:t></w:r></w:p></w:endnote>";
    const std::string picture =
        "<w:r><w:drawing><wp:inline distT=\"0\" distB=\"0\"><wp:extent cx=\"3000000\" cy=\"2000000\"/><wp:docPr "
        "id=\"3\" name=\"Picture 3\" descr=\"Bar chart of revenue by region\"/><a:graphic><a:graphicData "
        "uri=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"><pic:pic><pic:blipFill><a:blip "
        "r:embed=\"rId30\"/></pic:blipFill></pic:pic></a:graphicData></a:graphic></wp:inline></w:drawing></w:r>";
    docx.body =
        paragraph(r("Annual report"), ps("Title")) +
        paragraph("<w:bookmarkStart w:id=\"0\" w:name=\"_Toc1\"/>" + r("Summary") + "<w:bookmarkEnd w:id=\"0\"/>",
                  numbered(3, 0, "Heading1")) +
        paragraph(r("Revenue grew in every region") + footnote_ref(1) + r(". The plan for next year:")) +
        paragraph(r("Keep costs flat"), numbered(2, 0)) + paragraph(r("Travel"), numbered(2, 1)) +
        paragraph(r("Offices"), numbered(2, 1)) + paragraph(r("Rent"), numbered(2, 2)) +
        paragraph(r("Energy"), numbered(2, 2)) + paragraph(r("Grow services"), numbered(2, 0)) +
        paragraph(r("Regions"), numbered(3, 1, "Heading2")) +
        "<w:tbl><w:tblPr><w:tblStyle w:val=\"TableGrid\"/></w:tblPr>" + grid({2400, 1800, 1800}) +
        "<w:tr><w:trPr><w:tblHeader/></w:trPr>" + auto_width_cell(paragraph(r("Region"))) +
        auto_width_cell(paragraph(r("Revenue")), "<w:gridSpan w:val=\"2\"/>") +
        "</w:tr>"
        "<w:tr>" +
        auto_width_cell(paragraph(r("North")), "<w:vMerge w:val=\"restart\"/>") +
        auto_width_cell(paragraph(r("2023"))) + auto_width_cell(paragraph(r("410"))) + "</w:tr><w:tr>" +
        auto_width_cell(paragraph(""), "<w:vMerge/>") + auto_width_cell(paragraph(r("2024"))) +
        auto_width_cell(paragraph(r("455"))) + "</w:tr><w:tr>" +
        auto_width_cell(paragraph(r("South") + footnote_ref(2))) + auto_width_cell(paragraph(r("2024"))) +
        auto_width_cell(paragraph(r("230"))) + "</w:tr></w:tbl>" + paragraph(picture, "<w:jc w:val=\"center\"/>") +
        paragraph(r("Figure ") + "<w:fldSimple w:instr=\" SEQ Figure \\* ARABIC \">" + r("1") + "</w:fldSimple>" +
                      r(": revenue by region") + "<w:r><w:endnoteReference w:id=\"1\"/></w:r>",
                  ps("Caption")) +
        paragraph(r("Outlook"), numbered(3, 0, "Heading1")) +
        paragraph(r("See the ") + "<w:hyperlink w:anchor=\"_Toc1\">" + r("summary", "<w:rStyle w:val=\"Hyperlink\"/>") +
                  "</w:hyperlink>" + r(" for the figures.")) +
        paragraph(r("Steady growth is expected."), ps("Quote"));
    return docx;
}

// Minutes: comments, tracked changes, a text box, content controls, fields
// and a tab with a leader.
Docx minutes() {
    Docx docx = base_document();
    docx.comments =
        "<w:comment w:id=\"0\" w:author=\"Jo Smith\" w:initials=\"JS\"><w:p><w:r><w:annotationRef/></w:r>"
        "<w:r><w:t>Confirm the date with Ann.</w:t></w:r></w:p></w:comment>";
    const std::string box =
        "<w:r><mc:AlternateContent><mc:Choice Requires=\"wps\"><w:drawing><wp:anchor><wp:docPr id=\"5\" "
        "name=\"Text Box 5\"/><a:graphic><a:graphicData "
        "uri=\"http://schemas.microsoft.com/office/word/2010/wordprocessingShape\"><wps:wsp><wps:txbx><w:txbxContent>" +
        paragraph(r("Next meeting: 4 June", "<w:b/>")) +
        "</w:txbxContent></wps:txbx></wps:wsp></a:graphicData></a:graphic></wp:anchor></w:drawing></mc:Choice>"
        "<mc:Fallback><w:pict><v:shape><v:textbox><w:txbxContent>" +
        paragraph(r("Next meeting: 4 June")) +
        "</w:txbxContent></v:textbox></v:shape></w:pict></mc:Fallback>"
        "</mc:AlternateContent></w:r>";
    docx.body =
        paragraph(r("Minutes of the board"), ps("Title")) +
        paragraph(r("Date:") + "<w:r><w:tab/></w:r>" + "<w:sdt><w:sdtPr><w:date/></w:sdtPr><w:sdtContent>" +
                      r("12 May") + "</w:sdtContent></w:sdt>",
                  "<w:tabs><w:tab w:val=\"right\" w:leader=\"dot\" w:pos=\"9000\"/></w:tabs>") +
        paragraph(r("Present"), ps("Heading1")) +
        paragraph(r("Ann, Bo, ") + "<w:del w:id=\"1\" w:author=\"Jo\"><w:r><w:delText>Cy, </w:delText></w:r></w:del>" +
                  "<w:ins w:id=\"2\" w:author=\"Jo\">" + r("Di, ") + "</w:ins>" + r("Ed.")) +
        paragraph(r("Decisions"), ps("Heading1")) +
        paragraph("<w:commentRangeStart w:id=\"0\"/>" + r("The move is set for the end of the month.") +
                  "<w:commentRangeEnd w:id=\"0\"/><w:r><w:commentReference w:id=\"0\"/></w:r>" + box) +
        paragraph(r("Page ") +
                      "<w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r><w:instrText> PAGE </w:instrText></w:r>"
                      "<w:r><w:fldChar w:fldCharType=\"separate\"/></w:r>" +
                      r("1") + "<w:r><w:fldChar w:fldCharType=\"end\"/></w:r>" + r(" of the minutes."),
                  "<w:jc w:val=\"right\"/>");
    return docx;
}

// A letter: fonts, colours, highlights, small capitals, character styles,
// alignment and indents.
Docx letter() {
    Docx docx = base_document();
    docx.body =
        paragraph(r("Harbour Books", "<w:smallCaps/><w:sz w:val=\"28\"/>"), "<w:jc w:val=\"right\"/>") +
        paragraph(r("12 Quay Street, Porto"), "<w:jc w:val=\"right\"/>") + paragraph(r("Dear Ms Silva,")) +
        paragraph(r("Thank you for your order. The books ") + r("listed below", "<w:rStyle w:val=\"Strong\"/>") +
                  r(" leave our store ") + r("today", "<w:highlight w:val=\"yellow\"/>") + r("; the ") +
                  r("invoice", "<w:u w:val=\"double\"/>") + r(" follows by post. Prices are ") +
                  r("without", "<w:strike/>") + r(" with tax.")) +
        paragraph(r("Moby-Dick, H. Melville", "<w:rFonts w:ascii=\"Georgia\" w:hAnsi=\"Georgia\"/><w:i/>"),
                  "<w:ind w:left=\"720\" w:right=\"720\"/>") +
        paragraph(r("Our reference: HB-2024-117", "<w:color w:val=\"C00000\"/><w:caps/>")) +
        paragraph(r("Kind regards,")) + paragraph(r("Rui Costa") + "<w:r><w:br/></w:r>" + r("Harbour Books", "<w:i/>"));
    return docx;
}

TEST(DocxGolden, RealLookingDocumentsExportAsBefore) {
    const std::pair<const char *, Docx> documents[] = {
        {"memo", memo()}, {"report", docx_report()}, {"minutes", minutes()}, {"letter", letter()}};
    for (const auto &[name, docx] : documents) {
        SCOPED_TRACE(name);
        Imported doc(docx);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_EQ(doc.message(), "");
        expect_golden_page(name, doc.exported());
    }
}

}  // namespace
}  // namespace qrv::test
