// A generated Word document of 500 pages as LibreOffice lays it out (some
// 180,000 words): chapters with headings on three levels, paragraphs of
// mixed runs (bold, italic, coloured, a character style), numbered and
// bulleted lists on two levels, tables with merged cells, and footnotes, in
// a package with the styles, numbering and notes parts a word processor
// writes.
#pragma once

#include <string>
#include <vector>

#include "import/package_builder.hpp"

namespace qrv::bench {

inline constexpr int kChapters = 307;

namespace docx_document {

inline const char *const kNamespaces =
    " xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\""
    " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"";

inline const char *const kWords[] = {
    "the",    "quarterly", "figures", "show",  "a",        "steady", "rise", "in",    "revenue", "across",
    "every",  "region",    "while",   "costs", "remained", "flat",   "and",  "the",   "new",     "offices",
    "opened", "on",        "time",    "with",  "staff",    "from",   "both", "teams", "working", "together"};

inline std::string words(int seed, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) {
        if (i) out += ' ';
        out += kWords[(seed * 7 + i * 13) % std::size(kWords)];
    }
    return out;
}

inline std::string run(const std::string &text, const std::string &rpr = "") {
    return "<w:r>" + (rpr.empty() ? "" : "<w:rPr>" + rpr + "</w:rPr>") + "<w:t xml:space=\"preserve\">" + text +
           "</w:t></w:r>";
}

inline std::string paragraph(const std::string &runs, const std::string &ppr = "") {
    return "<w:p>" + (ppr.empty() ? "" : "<w:pPr>" + ppr + "</w:pPr>") + runs + "</w:p>";
}

inline std::string styled(const char *style) { return std::string("<w:pStyle w:val=\"") + style + "\"/>"; }

inline std::string list_item(int num, int level, const std::string &text) {
    return paragraph(run(text), styled("ListParagraph") + "<w:numPr><w:ilvl w:val=\"" + std::to_string(level) +
                                    "\"/><w:numId w:val=\"" + std::to_string(num) + "\"/></w:numPr>");
}

// A paragraph of about sixty words in five runs of mixed formatting.
inline std::string body_paragraph(int seed, int &footnote) {
    std::string runs = run(words(seed, 14) + " ") + run(words(seed + 1, 6) + " ", "<w:b/>") +
                       run(words(seed + 2, 16) + " ") +
                       run(words(seed + 3, 5) + " ", "<w:i/><w:color w:val=\"C00000\"/>") +
                       run(words(seed + 4, 12), "<w:rStyle w:val=\"Strong\"/>") + run(". " + words(seed + 5, 8) + ".");
    if (seed % 5 == 0)
        runs += "<w:r><w:rPr><w:vertAlign w:val=\"superscript\"/></w:rPr><w:footnoteReference w:id=\"" +
                std::to_string(++footnote) + "\"/></w:r>";
    return paragraph(runs, styled("Normal"));
}

inline std::string cell(const std::string &text, const std::string &tcpr = "") {
    return "<w:tc><w:tcPr><w:tcW w:w=\"2000\" w:type=\"dxa\"/>" + tcpr + "</w:tcPr>" + paragraph(run(text)) + "</w:tc>";
}

inline std::string table(int seed) {
    std::string t = "<w:tbl><w:tblPr><w:tblStyle w:val=\"TableGrid\"/></w:tblPr><w:tblGrid>";
    for (int c = 0; c < 4; ++c) t += "<w:gridCol w:w=\"2000\"/>";
    t += "</w:tblGrid><w:tr><w:trPr><w:tblHeader/></w:trPr>" + cell("Region") + cell("Quarter") +
         cell("Revenue", "<w:gridSpan w:val=\"2\"/>") + "</w:tr>";
    for (int r = 0; r < 6; ++r) {
        const std::string first =
            r % 2 == 0 ? cell(words(seed + r, 2), "<w:vMerge w:val=\"restart\"/>") : cell("", "<w:vMerge/>");
        t += "<w:tr>" + first + cell("Q" + std::to_string(r % 4 + 1)) + cell(std::to_string(seed * 37 % 1000 + r)) +
             cell(words(seed + r, 3)) + "</w:tr>";
    }
    return t + "</w:tbl>";
}

inline std::string chapter(int c, int &footnote) {
    std::string out = paragraph(run("Chapter " + std::to_string(c + 1) + ": " + words(c, 4)), styled("Heading1"));
    for (int s = 0; s < 2; ++s) {
        out += paragraph(run(words(c + s, 5)), styled("Heading2"));
        for (int p = 0; p < 3; ++p) out += body_paragraph(c * 11 + s * 3 + p, footnote);
        if (s == 0) {
            for (int i = 0; i < 4; ++i) out += list_item(1, i % 2, words(c + i, 9));
        } else {
            for (int i = 0; i < 3; ++i) out += list_item(2, i == 1 ? 1 : 0, words(c + i, 7));
        }
        out += paragraph(run(words(c + 9, 4)), styled("Heading3"));
        out += body_paragraph(c * 11 + s * 3 + 9, footnote);
    }
    if (c % 2 == 0) out += table(c);
    return out;
}

inline std::string styles() {
    auto style = [](const char *id, const char *name, const char *type, const std::string &inside) {
        return std::string("<w:style w:type=\"") + type + "\" w:styleId=\"" + id + "\"><w:name w:val=\"" + name +
               "\"/>" + inside + "</w:style>";
    };
    return "<w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii=\"Calibri\" w:hAnsi=\"Calibri\"/><w:sz "
           "w:val=\"22\"/></w:rPr></w:rPrDefault><w:pPrDefault><w:pPr><w:spacing w:after=\"160\" w:line=\"259\" "
           "w:lineRule=\"auto\"/></w:pPr></w:pPrDefault></w:docDefaults>" +
           style("Normal", "Normal", "paragraph", "") +
           style("Heading1", "heading 1", "paragraph",
                 "<w:basedOn w:val=\"Normal\"/><w:pPr><w:keepNext/><w:outlineLvl w:val=\"0\"/></w:pPr><w:rPr><w:b/>"
                 "<w:sz w:val=\"32\"/><w:color w:val=\"2F5496\"/></w:rPr>") +
           style("Heading2", "heading 2", "paragraph",
                 "<w:basedOn w:val=\"Heading1\"/><w:pPr><w:outlineLvl w:val=\"1\"/></w:pPr><w:rPr><w:sz w:val=\"26\"/>"
                 "</w:rPr>") +
           style("Heading3", "heading 3", "paragraph",
                 "<w:basedOn w:val=\"Heading2\"/><w:pPr><w:outlineLvl w:val=\"2\"/></w:pPr><w:rPr><w:sz w:val=\"24\"/>"
                 "</w:rPr>") +
           style("ListParagraph", "List Paragraph", "paragraph",
                 "<w:basedOn w:val=\"Normal\"/><w:pPr><w:ind w:left=\"720\"/></w:pPr>") +
           style("Strong", "Strong", "character", "<w:rPr><w:b/></w:rPr>") +
           style("TableGrid", "Table Grid", "table", "<w:tblPr/>");
}

inline std::string numbering() {
    auto level = [](int ilvl, const char *format, const char *text) {
        return "<w:lvl w:ilvl=\"" + std::to_string(ilvl) + "\"><w:start w:val=\"1\"/><w:numFmt w:val=\"" + format +
               "\"/><w:lvlText w:val=\"" + text + "\"/><w:pPr><w:ind w:left=\"" + std::to_string(720 * (ilvl + 1)) +
               "\" w:hanging=\"360\"/></w:pPr></w:lvl>";
    };
    return "<w:abstractNum w:abstractNumId=\"0\">" + level(0, "decimal", "%1.") + level(1, "lowerLetter", "%2)") +
           "</w:abstractNum><w:abstractNum w:abstractNumId=\"1\">" + level(0, "bullet", "\xE2\x80\xA2") +
           level(1, "bullet", "o") +
           "</w:abstractNum><w:num w:numId=\"1\"><w:abstractNumId w:val=\"0\"/></w:num>"
           "<w:num w:numId=\"2\"><w:abstractNumId w:val=\"1\"/></w:num>";
}

inline std::string part(const char *root, const std::string &content) {
    return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<w:") + root + kNamespaces +
           ">" + content + "</w:" + root + ">";
}

}  // namespace docx_document

// The bytes of the whole package.
inline std::string generated_docx() {
    using namespace docx_document;
    std::string body;
    int footnotes = 0;
    for (int c = 0; c < kChapters; ++c) body += chapter(c, footnotes);
    std::string notes =
        "<w:footnote w:type=\"separator\" w:id=\"-1\"><w:p><w:r><w:separator/></w:r></w:p></w:footnote>";
    for (int n = 1; n <= footnotes; ++n)
        notes += "<w:footnote w:id=\"" + std::to_string(n) + "\"><w:p><w:r><w:footnoteRef/></w:r>" +
                 run(" " + words(n, 12) + ".") + "</w:p></w:footnote>";
    std::vector<test::Part> parts = test::package_frame(
        "word/document.xml", "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml");
    const std::string type = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    std::string rels =
        "<?xml version=\"1.0\"?><Relationships "
        "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    for (const char *p : {"styles", "numbering", "footnotes"})
        rels += "<Relationship Id=\"r" + std::string(p) + "\" Type=\"" + type + p + "\" Target=\"" + p + ".xml\"/>";
    parts.push_back({"word/_rels/document.xml.rels", rels + "</Relationships>"});
    parts.push_back({"word/document.xml", part("document", "<w:body>" + body + "</w:body>")});
    parts.push_back({"word/styles.xml", part("styles", styles())});
    parts.push_back({"word/numbering.xml", part("numbering", numbering())});
    parts.push_back({"word/footnotes.xml", part("footnotes", notes)});
    // [Content_Types].xml names the parts a word processor looks for.
    parts[0].content.insert(parts[0].content.find("</Types>"),
                            "<Override PartName=\"/word/styles.xml\" ContentType=\"application/vnd.openxmlformats-"
                            "officedocument.wordprocessingml.styles+xml\"/><Override PartName=\"/word/numbering.xml\" "
                            "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.numbering+xml"
                            "\"/><Override PartName=\"/word/footnotes.xml\" ContentType=\"application/vnd."
                            "openxmlformats-officedocument.wordprocessingml.footnotes+xml\"/>");
    return test::zip_of(parts);
}

}  // namespace qrv::bench
