// Small OpenDocument spreadsheets for importer tests: tables given as the
// XML inside <office:spreadsheet>, with optional styles, automatic styles
// and properties, as a package (zipped at test time) or as one flat XML
// document holding the same regions.
#pragma once

#include <string>
#include <vector>

#include "odf_namespaces.hpp"
#include "package_builder.hpp"

namespace qrv::test {

inline const std::string kOdsMediaType = "application/vnd.oasis.opendocument.spreadsheet";

struct OdsSpec {
    OdsSpec(std::string t = "") : tables(std::move(t)) {}
    std::string tables;            // inside <office:spreadsheet>
    std::string automatic_styles;  // inside <office:automatic-styles> of content.xml
    std::string styles;            // inside <office:styles>; none: no styles.xml
    std::string font_faces;        // inside <office:font-face-decls>
    std::string meta;              // inside <office:meta>; none: no meta.xml
    std::string settings;          // inside <office:settings>; none: no settings.xml
    std::string manifest_entries;  // further <manifest:file-entry> elements
    std::string body;              // the whole inside of <office:body>, in place of the spreadsheet
};

// A table named name holding rows (the XML of its rows and columns).
inline std::string ods_table(const std::string &name, const std::string &rows, const std::string &attributes = "") {
    return "<table:table table:name=\"" + name + "\"" + attributes + ">" + rows + "</table:table>";
}

inline std::string ods_row(const std::string &cells, const std::string &attributes = "") {
    return "<table:table-row" + attributes + ">" + cells + "</table:table-row>";
}

inline std::string ods_cell(const std::string &attributes, const std::string &inside = "") {
    return "<table:table-cell " + attributes + ">" + inside + "</table:table-cell>";
}

inline std::string ods_float(double value) {
    std::string v = std::to_string(value);
    v.erase(v.find_last_not_of('0') + 1);
    if (v.back() == '.') v.pop_back();
    return ods_cell("office:value-type=\"float\" office:value=\"" + v + "\"", "<text:p>" + v + "</text:p>");
}

inline std::string ods_string(const std::string &text) {
    return ods_cell("office:value-type=\"string\"", "<text:p>" + text + "</text:p>");
}

namespace detail {

inline std::string regions(const OdsSpec &spec, bool with_styles) {
    std::string out;
    if (!spec.font_faces.empty()) out += "<office:font-face-decls>" + spec.font_faces + "</office:font-face-decls>";
    if (with_styles && !spec.styles.empty()) out += "<office:styles>" + spec.styles + "</office:styles>";
    out += "<office:automatic-styles>" + spec.automatic_styles + "</office:automatic-styles>";
    const std::string body =
        spec.body.empty() ? "<office:spreadsheet>" + spec.tables + "</office:spreadsheet>" : spec.body;
    return out + "<office:body>" + body + "</office:body>";
}

}  // namespace detail

inline std::vector<Part> ods_parts(const OdsSpec &spec) {
    std::vector<Part> parts = {{"mimetype", kOdsMediaType, true}};
    parts.push_back({"META-INF/manifest.xml",
                     "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\">"
                     "<manifest:file-entry manifest:full-path=\"/\" manifest:media-type=\"" +
                         kOdsMediaType +
                         "\"/>"
                         "<manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>" +
                         spec.manifest_entries + "</manifest:manifest>"});
    if (!spec.meta.empty())
        parts.push_back({"meta.xml", "<office:document-meta" + kOdfNamespaces + "><office:meta>" + spec.meta +
                                         "</office:meta></office:document-meta>"});
    if (!spec.settings.empty())
        parts.push_back({"settings.xml", "<office:document-settings" + kOdfNamespaces + "><office:settings>" +
                                             spec.settings + "</office:settings></office:document-settings>"});
    if (!spec.styles.empty())
        parts.push_back({"styles.xml", "<office:document-styles" + kOdfNamespaces + "><office:styles>" + spec.styles +
                                           "</office:styles></office:document-styles>"});
    parts.push_back({"content.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<office:document-content" +
                                        kOdfNamespaces + ">" + detail::regions(spec, false) +
                                        "</office:document-content>"});
    return parts;
}

inline std::string ods_of(const OdsSpec &spec) { return zip_of(ods_parts(spec)); }

// The same document as one flat XML file (.fods).
inline std::string fods_of(const OdsSpec &spec) {
    const std::string meta = spec.meta.empty() ? "" : "<office:meta>" + spec.meta + "</office:meta>";
    const std::string settings =
        spec.settings.empty() ? "" : "<office:settings>" + spec.settings + "</office:settings>";
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<office:document" + kOdfNamespaces + " office:mimetype=\"" +
           kOdsMediaType + "\">" + meta + settings + detail::regions(spec, true) + "</office:document>";
}

}  // namespace qrv::test
