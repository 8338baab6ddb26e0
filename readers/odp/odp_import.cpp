// ODP (and flat .fodp): an OpenDocument presentation into a text document,
// one section a page.  The styles (styles.xml, then the automatic styles
// of content.xml) are read first for the hidden pages and the list styles;
// the master pages with them (the text of their free shapes shows on each
// page that uses them); the pages are read whole, then the lists their
// bullets need are defined and the pages written.  Hidden pages are left
// out.
#include "writer/document_writer.hpp"
#include "registry/detect_package.hpp"
#include "core/error.hpp"
#include "core/import_job.hpp"
#include "package/byte_source.hpp"
#include "package/core_properties.hpp"
#include "package/optional_part.hpp"
#include "package/package.hpp"
#include "package/root_check.hpp"
#include "odf/frame_pictures.hpp"
#include "textdoc/item_writer.hpp"
#include "odf/document_regions.hpp"
#include "odf/manifest.hpp"
#include "odf/meta_properties.hpp"
#include "page_reader.hpp"

namespace qrv::import::odp {
namespace {

struct Readers {
    PropertiesReader meta{odf::meta_elements()};
    PageStyles styles;
    PageStylesReader styles_reader{styles};
};

void route_definitions(odf::RegionRouter &router, Readers &readers, PageReader &masters) {
    router.route(odf::Region::kMeta, &readers.meta);
    router.route(odf::Region::kStyles, &readers.styles_reader);
    router.route(odf::Region::kAutomaticStyles, &readers.styles_reader);
    router.route(odf::Region::kMasterStyles, &masters);
}

// The master text all pages together take: far past a real deck's, and
// what keeps a large master on many small pages from multiplying the file.
constexpr uint64_t kMasterTextBytes = uint64_t{64} << 20;

// What a page's master draws on it (its free shapes' text, and the header,
// footer, date and number the page shows, filled in) joins the page's own
// shapes, unless the page's style hides it.
void draw_masters(std::vector<slides::Slide> &slides, const std::vector<PageReader::PageMaster> &uses,
                  const MasterPages &masters, Diagnostics &diagnostics) {
    uint64_t drawn = 0;
    for (size_t i = 0; i < slides.size() && i < uses.size(); ++i) {
        const auto master = masters.find(uses[i].name);
        if (!uses[i].shown || master == masters.end()) continue;
        for (const MasterShape &shape : master->second) {
            slides::PlacedShape placed{shape.placed.role, shape.placed.at,
                                       decorate(shape.placed.content, shape.decoration, uses[i].decorations)};
            if (!placed.content.has_text()) continue;
            drawn += placed.content.text_bytes();
            if (drawn > kMasterTextBytes) {
                diagnostics.warn("the master pages' text is left out from page " + std::to_string(i + 1) +
                                 " on: it would pass " + std::to_string(kMasterTextBytes >> 20) + " MiB");
                return;
            }
            slides[i].shapes.push_back(std::move(placed));
        }
    }
}

// Reads the parts (or the flat document) into slides.
std::vector<slides::Slide> read_presentation(ImportJob &job, Readers &readers, slides::BulletLists &lists,
                                             PictureStore &store) {
    std::vector<slides::Slide> slides, master_pages;
    PageReader pages(readers.styles, lists, slides);
    MasterPages masters;
    PageReader master_reader(readers.styles, lists, master_pages);
    master_reader.read_masters_into(masters);
    if (!looks_like_zip(job.input.bytes())) {
        odf::RegionRouter definitions;
        route_definitions(definitions, readers, master_reader);
        MemorySource first(job.input.bytes(), "");
        read_xml(first, definitions, job.limits);
        odf::RegionRouter body;
        body.route(odf::Region::kBody, &pages);
        MemorySource second(job.input.bytes(), "");
        read_xml(second, body, job.limits);
        draw_masters(slides, pages.page_masters(), masters, job.diagnostics);
        return slides;
    }
    Package package(job.input.bytes(), job.limits, job.diagnostics);
    odf::refuse_encrypted(package);
    if (!package.has("content.xml")) broken("content.xml: the part is missing from the package");
    odf::FramePictures pictures(package, store);
    pages.keep_pictures(pictures);
    for (const char *part : {"meta.xml", "styles.xml"}) {
        if (!package.has(part)) continue;
        odf::RegionRouter router;
        route_definitions(router, readers, master_reader);
        read_optional_part(package, part, router, "what the pages take from it is");
    }
    odf::RegionRouter content;
    content.route(odf::Region::kAutomaticStyles, &readers.styles_reader);
    content.route(odf::Region::kBody, &pages);
    RootCheck root(content, Ns::Office, "document-content", "OpenDocument");
    package.read("content.xml", root, Parse::AheadWhenLarge);
    draw_masters(slides, pages.page_masters(), masters, job.diagnostics);
    return slides;
}

}  // namespace
}  // namespace qrv::import::odp

namespace qrv::import {

CHHandle import_odp(ImportJob &job) {
    using namespace odf;
    using namespace odp;
    DocumentWriter out(job.limits);
    PictureStore pictures(out, job.limits, job.diagnostics, job.keeps_pictures());
    Readers readers;
    slides::BulletLists lists;
    std::vector<slides::Slide> slides = read_presentation(job, readers, lists, pictures);

    textdoc::TextDocument doc;
    for (const auto &[id, value] : readers.meta.properties()) doc.add_property(id, value);
    lists.define(doc);
    doc.resolve(job.diagnostics);

    textdoc::ItemWriter writer(out, doc, job.diagnostics);
    slides::start_presentation(writer);
    writer.begin();
    for (auto &slide : slides)
        if (slides::is_shown(slide, job.flags)) slides::write_slide(slide, writer);
    writer.finish();
    return out.release();
}

}  // namespace qrv::import
