// Word documents built at test time: a few lines of WordprocessingML for
// the body and the parts a test needs, zipped into a package, imported
// through QRVIM (imported_document.hpp).
#pragma once

#include <string>
#include <vector>

#include "imported_document.hpp"
#include "package_builder.hpp"

namespace qrv::test {

inline const char *const kWordNamespaces =
    " xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\""
    " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\""
    " xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\""
    " xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\""
    " xmlns:pic=\"http://schemas.openxmlformats.org/drawingml/2006/picture\""
    " xmlns:wps=\"http://schemas.microsoft.com/office/word/2010/wordprocessingShape\""
    " xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\""
    " xmlns:v=\"urn:schemas-microsoft-com:vml\""
    " xmlns:m=\"http://schemas.openxmlformats.org/officeDocument/2006/math\"";

// The parts of a document; empty parts are left out of the package.
struct Docx {
    std::string body{};       // content of w:body
    std::string styles{};     // content of w:styles
    std::string numbering{};  // content of w:numbering
    std::string footnotes{};  // content of w:footnotes
    std::string endnotes{};   // content of w:endnotes
    std::string comments{};   // content of w:comments
    std::string theme{};      // a whole theme part
    std::string core{};       // content of cp:coreProperties
    // Further relationships of the main part: id, target, external.
    struct Link {
        std::string id, target;
        bool external = true;
        std::string type = "hyperlink";
    };
    std::vector<Link> links{};
    std::vector<Part> extra_parts{};
    std::string main_type = "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml";
    static constexpr const char *kFileName = "test.docx";

    std::string bytes() const {
        std::vector<Part> parts = package_frame("word/document.xml", main_type);
        std::string rels =
            "<?xml version=\"1.0\"?><Relationships "
            "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
        const std::string type = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
        auto add = [&](const std::string &name, const std::string &root, const std::string &content,
                       const std::string &rel_type) {
            if (content.empty()) return;
            parts.push_back({"word/" + name, "<?xml version=\"1.0\"?><w:" + root + kWordNamespaces + ">" + content +
                                                 "</w:" + root + ">"});
            rels += "<Relationship Id=\"r" + rel_type + "\" Type=\"" + type + rel_type + "\" Target=\"" + name + "\"/>";
        };
        add("styles.xml", "styles", styles, "styles");
        add("numbering.xml", "numbering", numbering, "numbering");
        add("footnotes.xml", "footnotes", footnotes, "footnotes");
        add("endnotes.xml", "endnotes", endnotes, "endnotes");
        add("comments.xml", "comments", comments, "comments");
        if (!theme.empty()) {
            parts.push_back({"word/theme/theme1.xml", theme});
            rels += "<Relationship Id=\"rtheme\" Type=\"" + type + "theme\" Target=\"theme/theme1.xml\"/>";
        }
        for (const auto &l : links)
            rels += "<Relationship Id=\"" + l.id + "\" Type=\"" + type + l.type + "\" Target=\"" + l.target + "\"" +
                    (l.external ? " TargetMode=\"External\"" : "") + "/>";
        parts.push_back({"word/_rels/document.xml.rels", rels + "</Relationships>"});
        parts.push_back({"word/document.xml", "<?xml version=\"1.0\"?><w:document" + std::string(kWordNamespaces) +
                                                  "><w:body>" + body + "</w:body></w:document>"});
        if (!core.empty()) add_core_properties(parts, core);
        for (const auto &p : extra_parts) parts.push_back(p);
        return zip_of(parts);
    }
};

// A paragraph of plain text, with paragraph properties.
inline std::string para(const std::string &text, const std::string &ppr = "") {
    return "<w:p>" + (ppr.empty() ? "" : "<w:pPr>" + ppr + "</w:pPr>") + "<w:r><w:t xml:space=\"preserve\">" + text +
           "</w:t></w:r></w:p>";
}

// A paragraph style with properties.
inline std::string style(const std::string &id, const std::string &name, const std::string &inside,
                         const std::string &type = "paragraph") {
    return "<w:style w:type=\"" + type + "\" w:styleId=\"" + id + "\"><w:name w:val=\"" + name + "\"/>" + inside +
           "</w:style>";
}

}  // namespace qrv::test
