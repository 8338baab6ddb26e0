// ODT (and flat .fodt): an OpenDocument text into a text document.  A
// package's parts are read in the order meta.xml, styles.xml, content.xml;
// a flat document holds the same regions in the same order.  The first
// reading gathers the definitions (properties, font faces, common and
// automatic styles, list styles) and learns which lists the body starts
// and continues; once the definitions are resolved and written, a second
// reading streams the body into the items.  The second reading plays the
// body's events as the first one kept them, where they fitted the tape's
// bound; a larger body is parsed again.
#include "writer/document_writer.hpp"
#include "registry/detect_package.hpp"
#include "core/error.hpp"
#include "core/import_job.hpp"
#include "package/byte_source.hpp"
#include "package/optional_part.hpp"
#include "package/package.hpp"
#include "package/root_check.hpp"
#include "package/xml_tape.hpp"
#include "textdoc/item_writer.hpp"
#include "odf/document_regions.hpp"
#include "odf/manifest.hpp"
#include "odt_body_reader.hpp"
#include "odt_master_pages.hpp"
#include "odt_meta_reader.hpp"
#include "odt_styles_reader.hpp"

namespace qrv::import::odf {
namespace {

// Events of a body read only to learn its lists.
class NoSink final : public textdoc::TextSink {
public:
    void begin_paragraph(const textdoc::ParagraphStart &) override {}
    void end_paragraph() override {}
    void run(const textdoc::RunStart &) override {}
    void text(std::string_view) override {}
    void line_break() override {}
    void page_break() override {}
    void begin_table(const textdoc::TableStart &) override {}
    void begin_row(const textdoc::RowStart &) override {}
    void begin_cell(const textdoc::CellStart &) override {}
    void end_cell() override {}
    void end_row() override {}
    void end_table() override {}
    void note(textdoc::NoteKind, const textdoc::Recording &) override {}
    void comment(std::string_view, const textdoc::Recording &) override {}
    void frame(const textdoc::Recording &) override {}
    void bookmark(std::string_view) override {}
    void begin_link(std::string_view) override {}
    void end_link() override {}
    void object(const textdoc::ObjectRef &) override {}
    void end_section() override {}
};

// Where the document's XML comes from: the parts of a package, or one
// flat document holding every region.
class Source {
public:
    explicit Source(ImportJob &job) : job_(job) {
        if (!looks_like_zip(job.input.bytes())) return;
        package_.emplace(job.input.bytes(), job.limits, job.diagnostics);
        refuse_encrypted(*package_);
        if (!package_->has("content.xml")) broken("content.xml: the part is missing from the package");
    }

    // The definitions: meta.xml and styles.xml (each may be missing or
    // broken: left out with a warning), then content.xml with the body.
    void read_definitions(OdtMetaReader &meta, OdtStyleSheet &sheet, textdoc::TextDocument &doc, XmlHandler &body) {
        using Origin = OdtStylesReader::Origin;
        OdtStylesReader common(Origin::Common, sheet, doc), automatic(Origin::Automatic, sheet, doc);
        RegionRouter router;
        router.route(Region::kMeta, &meta);  // in a flat document
        router.route(Region::kFontFaces, &common);
        router.route(Region::kStyles, &common);
        router.route(Region::kAutomaticStyles, &automatic);
        router.route(Region::kBody, &body);
        if (!package_) return read_flat(router);
        if (package_->has("meta.xml")) {
            RegionRouter properties;
            properties.route(Region::kMeta, &meta);
            read_optional_part(*package_, "meta.xml", properties, "the document properties are");
        }
        if (package_->has("styles.xml")) {
            // The automatic styles there are those of headers and footers.
            OdtStylesReader common_in_styles(Origin::Common, sheet, doc);
            RegionRouter styles;
            styles.route(Region::kFontFaces, &common_in_styles);
            styles.route(Region::kStyles, &common_in_styles);
            read_optional_part(*package_, "styles.xml", styles, "the styles are");
        }
        read_content(router);
    }

    void read_content(XmlHandler &router) {
        RootCheck content(router, Ns::Office, "document-content", "OpenDocument");
        package_->read("content.xml", content, Parse::AheadWhenLarge);
    }

    Package *package() { return package_ ? &*package_ : nullptr; }

    // A flat document's faults name no part.
    std::string body_part() const { return package_ ? "content.xml" : ""; }

    void read_body(const XmlTape &kept, XmlHandler &body) {
        if (kept.whole()) return kept.play(body);
        RegionRouter router;
        router.route(Region::kBody, &body);
        if (package_)
            read_content(router);
        else
            read_flat(router);
    }

    // The master pages, where the headers and footers are: in styles.xml
    // (or the flat document).
    void read_master_pages(XmlHandler &masters) {
        RegionRouter router;
        router.route(Region::kMasterStyles, &masters);
        if (!package_)
            read_flat(router);
        else if (package_->has("styles.xml"))
            read_optional_part(*package_, "styles.xml", router, "the headers and footers are");
    }

private:
    void read_flat(XmlHandler &handler) {
        MemorySource source(job_.input.bytes(), "");
        read_xml(source, handler, job_.limits);
    }

    ImportJob &job_;
    std::optional<Package> package_;
};

void define_lists(const OdtStyleSheet &sheet, const ListInstances &lists, textdoc::TextDocument &doc) {
    lists.define_lists(doc);
    if (!sheet.outline()) return;
    textdoc::ListDefinition outline = *sheet.outline();
    outline.counter = std::string(kOutlineList);
    doc.add_list(std::string(kOutlineList), std::move(outline));
}

}  // namespace
}  // namespace qrv::import::odf

namespace qrv::import {

CHHandle import_odt(ImportJob &job) {
    using namespace odf;
    Source source(job);
    textdoc::TextDocument doc;
    OdtStyleSheet sheet;
    OdtMetaReader meta(doc);
    ListInstances learnt(sheet);
    NoSink nowhere;
    Diagnostics said_again_later;  // the body's warnings come with the second reading
    OdtBodyReader scan(sheet, doc, learnt, said_again_later, nowhere);
    XmlTape body_events(source.body_part());
    XmlTapeRecorder recorder(body_events, scan);
    source.read_definitions(meta, sheet, doc, recorder);
    if (!scan.saw_text()) broken("the document holds no text body (office:text)");
    meta.finish();
    doc.fall_back_to_default_paragraph_style("Standard");
    define_lists(sheet, learnt, doc);
    doc.resolve(job.diagnostics);

    DocumentWriter out(job.limits);
    PictureStore store(out, job.limits, job.diagnostics, job.keeps_pictures());
    std::optional<FramePictures> pictures;
    textdoc::ItemWriter writer(out, doc, job.diagnostics);
    writer.begin();
    ListInstances lists(sheet);
    OdtBodyReader body(sheet, doc, lists, job.diagnostics, writer);
    if (Package *package = source.package()) body.keep_pictures(pictures.emplace(*package, store));
    source.read_body(body_events, body);
    OdtMasterPages masters(sheet, doc, lists, job.diagnostics);
    source.read_master_pages(masters);
    masters.write(writer);
    writer.finish();
    return out.release();
}

}  // namespace qrv::import
