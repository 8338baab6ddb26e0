// The rest of a Word document: notes, bookmarks, links, fields, objects,
// comments, text boxes, tracked changes, content controls, sections and
// properties, and the document tree the filters build from them.
#include <qrvmodel/conventions.hpp>

#include "docx_builder.hpp"

namespace qrv::test {
namespace {

std::string run_of(const std::string &inside) { return "<w:r>" + inside + "</w:r>"; }
std::string t(const std::string &text) { return run_of("<w:t xml:space=\"preserve\">" + text + "</w:t>"); }
std::string paragraph_of(const std::string &inside) { return "<w:p>" + inside + "</w:p>"; }

std::string note_part(const char *kind, const std::string &notes) {
    return std::string("<w:") + kind +
           " w:type=\"separator\" w:id=\"-1\"><w:p><w:r><w:separator/></w:r></w:p></w:" + kind + ">" + notes;
}

std::string docx_note(const char *kind, int id, const std::string &text) {
    return std::string("<w:") + kind + " w:id=\"" + std::to_string(id) + "\"><w:p><w:r><w:" + kind +
           "Ref/></w:r><w:r><w:t xml:space=\"preserve\"> " + text + "</w:t></w:r></w:p></w:" + kind + ">";
}

// The plain text of a document, its notes and comments left to the HTML.
std::string docx_body_text(const Docx &docx) {
    Imported doc(docx);
    EXPECT_EQ(doc.result(), 0u) << doc.message();
    return doc.text();
}

TEST(DocxContent, WhatTheBodyShows) {
    struct Case {
        const char *name;
        std::string body;
        std::string shown;
    } cases[] = {
        {"insertions kept, deletions and moves away dropped",
         paragraph_of(t("kept ") + "<w:ins w:id=\"1\" w:author=\"a\">" + t("added ") +
                      "</w:ins><w:del w:id=\"2\" w:author=\"a\">" + run_of("<w:delText>gone </w:delText>") +
                      "</w:del><w:moveFrom w:id=\"3\">" + t("moved ") + "</w:moveFrom>" + "<w:moveTo w:id=\"4\">" +
                      t("arrived") + "</w:moveTo>"),
         "kept added arrived\n"},
        {"complex fields show their result",
         paragraph_of(t("Page ") + run_of("<w:fldChar w:fldCharType=\"begin\"/>") +
                      run_of("<w:instrText> PAGE </w:instrText>") + run_of("<w:fldChar w:fldCharType=\"separate\"/>") +
                      t("7") + run_of("<w:fldChar w:fldCharType=\"end\"/>") + t(" of 9")),
         "Page 7 of 9\n"},
        {"nested fields",
         paragraph_of(run_of("<w:fldChar w:fldCharType=\"begin\"/>") + run_of("<w:instrText>IF </w:instrText>") +
                      run_of("<w:fldChar w:fldCharType=\"begin\"/>") + run_of("<w:instrText>PAGE</w:instrText>") +
                      run_of("<w:fldChar w:fldCharType=\"separate\"/>") + t("hidden") +
                      run_of("<w:fldChar w:fldCharType=\"end\"/>") + run_of("<w:instrText> = 1 \"one\"</w:instrText>") +
                      run_of("<w:fldChar w:fldCharType=\"separate\"/>") + t("one") +
                      run_of("<w:fldChar w:fldCharType=\"end\"/>")),
         "one\n"},
        {"a field never finished hides no more than its paragraph",
         paragraph_of(t("before ") + run_of("<w:fldChar w:fldCharType=\"begin\"/>") +
                      run_of("<w:instrText>PAGE</w:instrText>") + t("lost")) +
             paragraph_of(t("after")),
         "before \n\nafter\n"},
        {"simple fields show their content",
         paragraph_of("<w:fldSimple w:instr=\"DATE\">" + t("1 May") + "</w:fldSimple>"), "1 May\n"},
        {"content controls and smart tags show their content",
         "<w:sdt><w:sdtPr><w:alias w:val=\"x\"/></w:sdtPr><w:sdtContent>" +
             paragraph_of("<w:sdt><w:sdtPr/><w:sdtContent>" + t("inline ") +
                          "</w:sdtContent></w:sdt><w:smartTag w:element=\"x\">" + t("tagged") + "</w:smartTag>") +
             "</w:sdtContent></w:sdt>",
         "inline tagged\n"},
        {"a text box follows its paragraph",
         paragraph_of(
             t("anchor ") +
             run_of("<w:drawing><wp:anchor><wp:docPr id=\"1\" name=\"Box\"/><a:graphic><a:graphicData "
                    "uri=\"http://schemas.microsoft.com/office/word/2010/wordprocessingShape\"><wps:wsp>"
                    "<wps:txbx><w:txbxContent>" +
                    paragraph_of(t("boxed")) +
                    "</w:txbxContent></wps:txbx></wps:wsp></a:graphicData></a:graphic></wp:anchor></w:drawing>") +
             t("here")) +
             paragraph_of(t("next")),
         "anchor here\n\nboxed\n\nnext\n"},
        {"alternate content: the choice this reader knows, else the fallback",
         paragraph_of(run_of("<mc:AlternateContent><mc:Choice "
                             "Requires=\"w16se\"><w:t>new</w:t></mc:Choice><mc:Fallback><w:t>old</w:t>"
                             "</mc:Fallback></mc:AlternateContent>") +
                      run_of("<mc:AlternateContent><mc:Choice Requires=\"wps\"><w:t xml:space=\"preserve\"> "
                             "chosen</w:t></mc:Choice><mc:Fallback><w:t> not"
                             "</w:t></mc:Fallback></mc:AlternateContent>")),
         "old chosen\n"},
        {"math keeps its letters",
         paragraph_of(t("area ") + "<m:oMath><m:r><m:t>πr</m:t></m:r><m:sSup><m:e><m:r><m:t>r</m:t></m:r>"
                                   "</m:e></m:sSup></m:oMath>"),
         "area πrr\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Docx docx;
        docx.body = c.body;
        EXPECT_EQ(docx_body_text(docx), c.shown);
    }
}

// Notes are tags at their references holding their text; the filters
// number footnotes and endnotes in one sequence and link both ways.
TEST(DocxContent, NotesAtTheirReferences) {
    Docx docx;
    docx.footnotes =
        note_part("footnote", docx_note("footnote", 1, "First note.") + docx_note("footnote", 2, "Second note."));
    docx.endnotes = note_part("endnote", docx_note("endnote", 1, "Closing note."));
    docx.body = paragraph_of(t("One") + run_of("<w:footnoteReference w:id=\"2\"/>") + t(" two") +
                             run_of("<w:endnoteReference w:id=\"1\"/>") + t(" three") +
                             run_of("<w:footnoteReference w:id=\"1\"/>") + run_of("<w:footnoteReference w:id=\"5\"/>"));
    Imported doc(docx);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_NE(doc.message().find("footnote '5', which the document does not have"), std::string::npos);
    std::vector<std::pair<uint32_t, std::u16string>> notes;
    for (const auto &[id, item] : doc.items())
        if (item.type == CH_ITEM_TAG_BEGIN && item.value == model::kNoteTag)
            notes.push_back({item.data1, u""});
        else if (item.type == CH_ITEM_TEXT && !notes.empty() && notes.back().second.empty() &&
                 doc.text_of(item).find(u"note") != std::u16string::npos)
            notes.back().second = doc.text_of(item);
    EXPECT_EQ(notes, (std::vector<std::pair<uint32_t, std::u16string>>{{model::kFootnoteKind, u"Second note."},
                                                                       {model::kEndnoteKind, u"Closing note."},
                                                                       {model::kFootnoteKind, u"First note."}}));
    const std::string html = doc.exported();
    EXPECT_NE(html.find("One<sup><a href=\"#note-1\" id=\"ref-1\">1</a></sup> two<sup><a href=\"#note-2\""),
              std::string::npos)
        << html;
    EXPECT_NE(html.find("<li id=\"note-2\">Closing note. <a href=\"#ref-2\">&#8617;</a></li>"), std::string::npos);
    // Plain text keeps the references and lists the notes after the text.
    EXPECT_EQ(doc.exported(QRV_OUTPUT_TEXT),
              "One[1] two[2] three[3]\n\n[1] Second note.\n[2] Closing note.\n[3] First note.\n");
}

TEST(DocxContent, BookmarksAndLinks) {
    Docx docx;
    docx.links = {{"rId9", "https://example.com/a?b=1&amp;c=2"}};
    docx.body =
        paragraph_of("<w:bookmarkStart w:id=\"0\" w:name=\"_GoBack\"/><w:bookmarkStart w:id=\"1\" w:name=\"top\"/>" +
                     t("Top") + "<w:bookmarkEnd w:id=\"1\"/>") +
        paragraph_of("<w:hyperlink r:id=\"rId9\">" + t("out") + "</w:hyperlink>" + t(", ") +
                     "<w:hyperlink w:anchor=\"top\">" + t("up") + "</w:hyperlink>" + t(", ") +
                     "<w:hyperlink r:id=\"rId404\">" + t("lost") + "</w:hyperlink>" + t(", ") +
                     run_of("<w:fldChar w:fldCharType=\"begin\"/>") +
                     run_of("<w:instrText>HYPERLINK \"http://x.org/\" \\l \"part\" \\o \"tip\"</w:instrText>") +
                     run_of("<w:fldChar w:fldCharType=\"separate\"/>") + t("field") +
                     run_of("<w:fldChar w:fldCharType=\"end\"/>"));
    Imported doc(docx);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_NE(doc.message().find("relationship 'rId404'"), std::string::npos) << doc.message();
    const std::string html = doc.exported();
    EXPECT_NE(html.find("<a id=\"bm-top\"></a>Top"), std::string::npos) << html;
    EXPECT_EQ(html.find("_GoBack"), std::string::npos);
    EXPECT_NE(html.find("<a href=\"https://example.com/a?b=1&amp;c=2\">out</a>, <a href=\"#bm-top\">up</a>, lost, "
                        "<a href=\"http://x.org/#part\">field</a>"),
              std::string::npos)
        << html;
}

TEST(DocxContent, ObjectsShowByTheirDescription) {
    const std::string picture =
        "<w:drawing><wp:inline><wp:docPr id=\"1\" name=\"Picture 1\" descr=\"A red barn\"/><a:graphic><a:graphicData "
        "uri=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"><pic:pic/></a:graphicData></a:graphic>"
        "</wp:inline></w:drawing>";
    const std::string chart =
        "<w:drawing><wp:inline><wp:docPr id=\"2\" name=\"Chart 2\"/><a:graphic><a:graphicData "
        "uri=\"http://schemas.openxmlformats.org/drawingml/2006/chart\"/></a:graphic></wp:inline></w:drawing>";
    const std::string vml = "<w:pict><v:shape alt=\"Old logo\"><v:imagedata r:id=\"rId5\"/></v:shape></w:pict>";
    Docx docx;
    docx.body = paragraph_of(t("See ") + run_of(picture) + t(", ") + run_of(chart) + t(" and ") + run_of(vml));
    Imported doc(docx);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    const std::string html = doc.exported();
    EXPECT_NE(html.find("See <span class=\"object\" role=\"img\" aria-label=\"Image: A red barn\">[Image: A red "
                        "barn]</span>, <span class=\"object\" role=\"img\" aria-label=\"Chart: Chart 2\">"),
              std::string::npos)
        << html;
    EXPECT_NE(html.find("[Image: Old logo]"), std::string::npos);
    EXPECT_EQ(doc.text(), "See [image: A red barn], [chart] and [image: Old logo]\n");
}

// Comments stay out of the text and are listed after it with their authors.
TEST(DocxContent, CommentsAreListedNotShownInTheText) {
    Docx docx;
    docx.comments = "<w:comment w:id=\"0\" w:author=\"Ann\"><w:p><w:r><w:annotationRef/></w:r>" +
                    t("Check this figure.") + "</w:p></w:comment>";
    docx.body = paragraph_of("<w:commentRangeStart w:id=\"0\"/>" + t("Revenue rose.") +
                             "<w:commentRangeEnd w:id=\"0\"/>" + run_of("<w:commentReference w:id=\"0\"/>"));
    Imported doc(docx);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    const std::string html = doc.exported();
    EXPECT_NE(html.find("<p>Revenue rose.</p>"), std::string::npos) << html;
    EXPECT_NE(html.find("<b>Ann:</b> Check this figure.</li>"), std::string::npos) << html;
    EXPECT_EQ(doc.text(), "Revenue rose.\n");
}

// Headings become the document tree: the contents of the HTML, with notes
// under the headings they were met in; each section of the document is a
// section of the tree.
TEST(DocxContent, HeadingsSectionsAndTheContents) {
    Docx docx;
    docx.styles = style("Heading1", "heading 1", "<w:pPr><w:outlineLvl w:val=\"0\"/></w:pPr>") +
                  style("Heading2", "heading 2", "<w:pPr><w:outlineLvl w:val=\"1\"/></w:pPr>");
    docx.footnotes = note_part("footnote", docx_note("footnote", 1, "A note."));
    docx.body = para("Plan", "<w:pStyle w:val=\"Heading1\"/>") + para("Costs", "<w:pStyle w:val=\"Heading2\"/>") +
                paragraph_of(t("Flat") + run_of("<w:footnoteReference w:id=\"1\"/>")) +
                para("Next", "<w:pStyle w:val=\"Heading1\"/><w:sectPr/>") +
                para("Later", "<w:pStyle w:val=\"Heading2\"/>");
    Imported doc(docx);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    uint32_t sections = 0;
    CHGetItemCount(doc.handle(), CH_STORE_SECTIONS, &sections);
    EXPECT_EQ(sections, 2u);
    const std::string html = doc.exported(QRV_OUTPUT_HTML, QRV_FILTER_TOC);
    const size_t contents = html.find("<nav class=\"contents\">");
    ASSERT_NE(contents, std::string::npos);
    const std::string nav = html.substr(contents, html.find("</nav>") - contents);
    for (const char *entry : {">Plan</a><ul>", ">Costs</a></li>", ">Next</a><ul>", ">Later</a></li>"})
        EXPECT_NE(nav.find(entry), std::string::npos) << entry << "\n" << nav;
    EXPECT_NE(html.find("<li id=\"note-1\">A note."), std::string::npos);
}

// Documents with macros and templates are read as documents.
TEST(DocxContent, MacroDocumentsAndTemplates) {
    for (const char *type : {"application/vnd.ms-word.document.macroEnabled.main+xml",
                             "application/vnd.openxmlformats-officedocument.wordprocessingml.template.main+xml",
                             "application/vnd.ms-word.template.macroEnabledTemplate.main+xml"}) {
        Docx docx;
        docx.main_type = type;
        docx.body = para("inside");
        Imported doc(docx.bytes(), "noname");
        ASSERT_EQ(doc.result(), 0u) << type << ": " << doc.message();
        EXPECT_EQ(doc.text(), "inside\n") << type;
    }
}

TEST(DocxContent, DocumentProperties) {
    Docx docx;
    docx.core =
        "<dc:title>Annual plan</dc:title><dc:creator>Ann &amp; Bo</dc:creator><cp:keywords>plan, 2025"
        "</cp:keywords>";
    docx.body = para("Body text.");
    Imported doc(docx);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    const std::string html = doc.exported();
    EXPECT_NE(html.find("<title>Annual plan</title>\n<meta name=\"author\" content=\"Ann &amp; Bo\">\n"
                        "<meta name=\"keywords\" content=\"plan, 2025\">"),
              std::string::npos)
        << html;
}

}  // namespace
}  // namespace qrv::test
