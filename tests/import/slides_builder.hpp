// Presentations built at test time: a PowerPoint package (slides with one
// layout and one master, notes pages, core properties) and an OpenDocument
// presentation (pages, styles, meta), each stated in a few lines of XML and
// zipped with package_builder.hpp.  Any part can be replaced by other bytes
// or left out, for broken packages.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "odf_namespaces.hpp"
#include "package_builder.hpp"

namespace qrv::test {

// Replaces the parts named in `replaced` (an empty content leaves the part
// out) and adds the extra parts.
inline std::string zip_with(std::vector<Part> parts, const std::map<std::string, std::string> &replaced,
                            const std::vector<Part> &extra) {
    std::vector<Part> out;
    for (auto &p : parts) {
        const auto r = replaced.find(p.name);
        if (r == replaced.end()) {
            out.push_back(std::move(p));
        } else if (!r->second.empty()) {
            p.content = r->second;
            out.push_back(std::move(p));
        }
    }
    for (const auto &p : extra) out.push_back(p);
    return zip_of(out);
}

inline const char *const kPresentationNamespaces =
    " xmlns:p=\"http://schemas.openxmlformats.org/presentationml/2006/main\""
    " xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\""
    " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\""
    " xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\"";

inline const std::string kOfficeRelationships = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

inline std::string relationships(const std::string &inside) {
    return "<?xml version=\"1.0\"?><Relationships "
           "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">" +
           inside + "</Relationships>";
}

inline std::string relationship(const std::string &id, const std::string &type, const std::string &target) {
    return "<Relationship Id=\"" + id + "\" Type=\"" + kOfficeRelationships + type + "\" Target=\"" + target + "\"/>";
}

// A PowerPoint presentation: slides in the order the presentation lists
// them, each in ppt/slides/<file>, on one layout and one master.
struct Pptx {
    struct Slide {
        std::string shapes;   // content of p:spTree
        std::string notes{};  // content of the notes page's p:spTree; empty for none
        bool hidden = false;
        std::string file{};   // default slideN.xml, N its place in the list
        std::string links{};  // further relationships of the slide
    };
    std::vector<Slide> slides{};
    std::string layout_shapes{};  // content of the layout's p:spTree
    std::string master_shapes{};  // content of the master's p:spTree
    std::string text_styles{};    // content of the master's p:txStyles
    std::string core{};           // content of cp:coreProperties
    std::map<std::string, std::string> replaced{};
    std::vector<Part> extra_parts{};
    static constexpr const char *kFileName = "test.pptx";

    std::string file_of(size_t i) const {
        return slides[i].file.empty() ? "slide" + std::to_string(i + 1) + ".xml" : slides[i].file;
    }

    std::vector<Part> parts() const {
        std::vector<Part> parts =
            package_frame("ppt/presentation.xml",
                          "application/vnd.openxmlformats-officedocument.presentationml.presentation.main+xml");
        std::string ids, rels = relationship("rM", "slideMaster", "slideMasters/slideMaster1.xml");
        for (size_t i = 0; i < slides.size(); ++i) {
            const std::string id = "rS" + std::to_string(i + 1);
            ids += "<p:sldId id=\"" + std::to_string(256 + i) + "\" r:id=\"" + id + "\"/>";
            rels += relationship(id, "slide", "slides/" + file_of(i));
            add_slide(parts, i);
        }
        parts.push_back({"ppt/presentation.xml", root("presentation",
                                                      "<p:sldMasterIdLst><p:sldMasterId id=\"2147483648\" "
                                                      "r:id=\"rM\"/></p:sldMasterIdLst><p:sldIdLst>" +
                                                          ids + "</p:sldIdLst>")});
        parts.push_back({"ppt/_rels/presentation.xml.rels", relationships(rels)});
        parts.push_back({"ppt/slideLayouts/slideLayout1.xml", root("sldLayout", tree(layout_shapes))});
        parts.push_back({"ppt/slideLayouts/_rels/slideLayout1.xml.rels",
                         relationships(relationship("rM", "slideMaster", "../slideMasters/slideMaster1.xml"))});
        parts.push_back({"ppt/slideMasters/slideMaster1.xml",
                         root("sldMaster", tree(master_shapes) + "<p:txStyles>" + text_styles + "</p:txStyles>")});
        if (!core.empty()) add_core_properties(parts, core);
        return parts;
    }

    std::string bytes() const { return zip_with(parts(), replaced, extra_parts); }

private:
    static std::string root(const std::string &name, const std::string &inside, const std::string &attributes = "") {
        return "<?xml version=\"1.0\"?><p:" + name + kPresentationNamespaces + attributes + ">" + inside +
               "</p:" + name + ">";
    }
    static std::string tree(const std::string &shapes) {
        return "<p:cSld><p:spTree>" + shapes + "</p:spTree></p:cSld>";
    }

    void add_slide(std::vector<Part> &parts, size_t i) const {
        const Slide &s = slides[i];
        const std::string file = file_of(i);
        std::string rels = relationship("rL", "slideLayout", "../slideLayouts/slideLayout1.xml") + s.links;
        if (!s.notes.empty()) {
            const std::string notes = "notesSlide" + std::to_string(i + 1) + ".xml";
            rels += relationship("rN", "notesSlide", "../notesSlides/" + notes);
            parts.push_back({"ppt/notesSlides/" + notes, root("notes", tree(s.notes))});
        }
        parts.push_back({"ppt/slides/" + file, root("sld", tree(s.shapes), s.hidden ? " show=\"0\"" : "")});
        parts.push_back({"ppt/slides/_rels/" + file + ".rels", relationships(rels)});
    }
};

// A paragraph of DrawingML text; ppr is the content of a:pPr, attributes
// its attributes (lvl="1").
inline std::string a_p(const std::string &text, const std::string &attributes = "", const std::string &ppr = "") {
    return "<a:p>" + (attributes.empty() && ppr.empty() ? "" : "<a:pPr" + attributes + ">" + ppr + "</a:pPr>") +
           "<a:r><a:t>" + text + "</a:t></a:r></a:p>";
}

// A shape with text: a placeholder when ph holds the attributes of its
// p:ph (type="title"), at x, y when given.
inline std::string p_sp(const std::string &paragraphs, const std::string &ph = "", int x = -1, int y = -1) {
    std::string sp = "<p:sp><p:nvSpPr><p:cNvPr id=\"2\" name=\"Shape\"/><p:cNvSpPr/><p:nvPr>" +
                     (ph.empty() ? "" : "<p:ph " + ph + "/>") + "</p:nvPr></p:nvSpPr><p:spPr>";
    if (x >= 0)
        sp += "<a:xfrm><a:off x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) +
              "\"/><a:ext cx=\"100\" cy=\"100\"/></a:xfrm>";
    return sp + "</p:spPr><p:txBody><a:bodyPr/>" + paragraphs + "</p:txBody></p:sp>";
}

inline std::string p_title(const std::string &text) { return p_sp(a_p(text), "type=\"title\""); }
inline std::string p_body(const std::string &paragraphs) { return p_sp(paragraphs, "type=\"body\" idx=\"1\""); }

// A picture with its alt text.
inline std::string p_pic(const std::string &description) {
    return "<p:pic><p:nvPicPr><p:cNvPr id=\"4\" name=\"Picture 3\" descr=\"" + description +
           "\"/><p:cNvPicPr/><p:nvPr/></p:nvPicPr><p:blipFill><a:blip r:embed=\"rImg\"/></p:blipFill>"
           "<p:spPr/></p:pic>";
}

// A table in a graphic frame; rows is the content of a:tbl after its grid.
inline std::string p_table(const std::string &rows, int columns) {
    std::string grid;
    for (int i = 0; i < columns; ++i) grid += "<a:gridCol w=\"914400\"/>";
    return "<p:graphicFrame><p:nvGraphicFramePr><p:cNvPr id=\"5\" name=\"Table\"/><p:cNvGraphicFramePr/><p:nvPr/>"
           "</p:nvGraphicFramePr><p:xfrm><a:off x=\"0\" y=\"0\"/><a:ext cx=\"1\" cy=\"1\"/></p:xfrm><a:graphic>"
           "<a:graphicData uri=\"http://schemas.openxmlformats.org/drawingml/2006/table\"><a:tbl><a:tblGrid>" +
           grid + "</a:tblGrid>" + rows + "</a:tbl></a:graphicData></a:graphic></p:graphicFrame>";
}

inline std::string a_tc(const std::string &text, const std::string &attributes = "") {
    return "<a:tc" + attributes + "><a:txBody><a:bodyPr/>" + a_p(text) + "</a:txBody></a:tc>";
}

// An OpenDocument presentation.
struct Odp {
    std::string pages{};      // content of office:presentation
    std::string automatic{};  // content of office:automatic-styles (content.xml)
    std::string styles{};     // content of office:styles (styles.xml)
    std::string meta{};       // content of office:meta (meta.xml)
    std::map<std::string, std::string> replaced{};
    std::vector<Part> extra_parts{};
    std::string masters{};    // content of office:master-styles (styles.xml)
    static constexpr const char *kFileName = "test.odp";
    static constexpr const char *kMediaType = "application/vnd.oasis.opendocument.presentation";

    static std::string root_attributes() {
        return kOdfNamespaces +
               " xmlns:presentation=\"urn:oasis:names:tc:opendocument:xmlns:presentation:1.0\""
               " office:version=\"1.3\"";
    }

    std::vector<Part> parts() const {
        std::vector<Part> parts = {{"mimetype", kMediaType, true}};
        parts.push_back({"META-INF/manifest.xml",
                         "<?xml version=\"1.0\"?><manifest:manifest "
                         "xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\">"
                         "<manifest:file-entry manifest:full-path=\"/\" manifest:media-type=\"" +
                             std::string(kMediaType) + "\"/></manifest:manifest>"});
        parts.push_back({"content.xml", "<?xml version=\"1.0\"?>\n<office:document-content" + root_attributes() + ">" +
                                            region("automatic-styles", automatic) +
                                            "<office:body><office:presentation>" + pages +
                                            "</office:presentation></office:body></office:document-content>"});
        if (!styles.empty() || !masters.empty())
            parts.push_back({"styles.xml", "<?xml version=\"1.0\"?><office:document-styles" + root_attributes() + ">" +
                                               region("styles", styles) + region("master-styles", masters) +
                                               "</office:document-styles>"});
        if (!meta.empty())
            parts.push_back({"meta.xml", "<?xml version=\"1.0\"?><office:document-meta" + root_attributes() +
                                             "><office:meta>" + meta + "</office:meta></office:document-meta>"});
        return parts;
    }

    std::string bytes() const { return zip_with(parts(), replaced, extra_parts); }

    // The same presentation as one flat XML file.
    std::string flat() const {
        return "<?xml version=\"1.0\"?>\n<office:document" + root_attributes() + " office:mimetype=\"" + kMediaType +
               "\">" + region("meta", meta) + region("styles", styles) + region("automatic-styles", automatic) +
               region("master-styles", masters) + "<office:body><office:presentation>" + pages + "</office:presentation></office:body></office:document>";
    }

private:
    static std::string region(const std::string &name, const std::string &content) {
        return content.empty() ? "" : "<office:" + name + ">" + content + "</office:" + name + ">";
    }
};

// A page, with a page style when given.
inline std::string odp_page(const std::string &inside, const std::string &style = "") {
    return "<draw:page draw:name=\"page\"" + (style.empty() ? "" : " draw:style-name=\"" + style + "\"") + ">" +
           inside + "</draw:page>";
}

// A frame holding a text box; cls is its presentation class (none for a
// free shape), attributes further ones (presentation:style-name).
inline std::string odp_frame(const std::string &paragraphs, const std::string &cls = "", const std::string &y = "1cm",
                             const std::string &attributes = "") {
    return "<draw:frame" + (cls.empty() ? "" : " presentation:class=\"" + cls + "\"") + " svg:x=\"1cm\" svg:y=\"" + y +
           "\"" + attributes + "><draw:text-box>" + paragraphs + "</draw:text-box></draw:frame>";
}

inline std::string odp_p(const std::string &text) { return "<text:p>" + text + "</text:p>"; }

inline std::string odp_title(const std::string &text) { return odp_frame(odp_p(text), "title", "0cm"); }

}  // namespace qrv::test
