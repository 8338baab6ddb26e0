// OpenDocument texts built at test time: a few lines of XML for the body,
// the automatic styles, the common styles and the properties, zipped into a
// package (or written as one flat document) and imported through QRVIM.
#pragma once

#include <string>
#include <vector>

#include "imported_document.hpp"
#include "odf_namespaces.hpp"
#include "package_builder.hpp"

namespace qrv::test {

// The namespaces and version of a document's root.
inline const std::string kOdtRoot = kOdfNamespaces + " office:version=\"1.3\"";

inline const char *const kOdtMediaType = "application/vnd.oasis.opendocument.text";

// The parts of a document; empty ones are left out.
struct Odt {
    std::string body{};              // content of office:text
    std::string automatic{};         // content of office:automatic-styles (content.xml)
    std::string styles{};            // content of office:styles (styles.xml)
    std::string font_faces{};        // content of office:font-face-decls (styles.xml)
    std::string master_styles{};     // content of office:master-styles (styles.xml)
    std::string meta{};              // content of office:meta (meta.xml)
    std::string manifest_entries{};  // further manifest:file-entry elements
    std::vector<Part> extra_parts{};
    static constexpr const char *kFileName = "test.odt";

    std::string content() const {
        return "<?xml version=\"1.0\"?>\n<office:document-content" + kOdtRoot + ">" +
               region("automatic-styles", automatic) + "<office:body><office:text>" + body +
               "</office:text></office:body></office:document-content>";
    }

    std::string bytes() const {
        std::vector<Part> parts = {{"mimetype", kOdtMediaType, true}};
        parts.push_back({"META-INF/manifest.xml",
                         "<?xml version=\"1.0\"?><manifest:manifest "
                         "xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\">"
                         "<manifest:file-entry manifest:full-path=\"/\" manifest:media-type=\"" +
                             std::string(kOdtMediaType) + "\"/>" + manifest_entries + "</manifest:manifest>"});
        parts.push_back({"content.xml", content()});
        if (!styles.empty() || !font_faces.empty() || !master_styles.empty())
            parts.push_back({"styles.xml", "<?xml version=\"1.0\"?><office:document-styles" + kOdtRoot + ">" +
                                               region("font-face-decls", font_faces) + region("styles", styles) +
                                               region("master-styles", master_styles) + "</office:document-styles>"});
        if (!meta.empty())
            parts.push_back({"meta.xml", "<?xml version=\"1.0\"?><office:document-meta" + kOdtRoot + "><office:meta>" +
                                             meta + "</office:meta></office:document-meta>"});
        for (const auto &p : extra_parts) parts.push_back(p);
        return zip_of(parts);
    }

    // The same document as one flat XML file.
    std::string flat() const {
        return "<?xml version=\"1.0\"?>\n<office:document" + kOdtRoot + " office:mimetype=\"" + kOdtMediaType + "\">" +
               region("meta", meta) + region("font-face-decls", font_faces) + region("styles", styles) +
               region("automatic-styles", automatic) + region("master-styles", master_styles) +
               "<office:body><office:text>" + body + "</office:text></office:body></office:document>";
    }

private:
    static std::string region(const std::string &name, const std::string &content) {
        return content.empty() ? "" : "<office:" + name + ">" + content + "</office:" + name + ">";
    }
};

// A paragraph (or a heading) with a style.
inline std::string odt_p(const std::string &inside, const std::string &style = "") {
    return "<text:p" + (style.empty() ? "" : " text:style-name=\"" + style + "\"") + ">" + inside + "</text:p>";
}

inline std::string odt_h(const std::string &inside, int level, const std::string &style = "") {
    return "<text:h text:outline-level=\"" + std::to_string(level) + "\"" +
           (style.empty() ? "" : " text:style-name=\"" + style + "\"") + ">" + inside + "</text:h>";
}

// A style of a family with its properties' XML.
inline std::string odt_style(const std::string &name, const std::string &family, const std::string &inside,
                             const std::string &attributes = "") {
    return "<style:style style:name=\"" + name + "\" style:family=\"" + family + "\"" + attributes + ">" + inside +
           "</style:style>";
}

// The plain text of an imported document, one paragraph a line.
inline std::string odt_lines(const Odt &odt) {
    Imported doc(odt);
    EXPECT_EQ(doc.result(), 0u) << doc.message();
    return lines_of(doc.text());
}

}  // namespace qrv::test
