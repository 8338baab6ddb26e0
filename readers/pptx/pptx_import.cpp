// PPTX (.pptx, .pptm, .ppsx, .potx): a PresentationML package into a text
// document, one section a slide in presentation order.  Each slide is read
// with the layout and master it stands on (read once each) into its
// shapes, and its notes page into its notes; once every slide is read the
// lists their bullets need are defined and the slides are written.
// Hidden slides are left out.
#include <map>

#include "writer/document_writer.hpp"
#include "core/error.hpp"
#include "core/import_job.hpp"
#include "package/core_properties.hpp"
#include "package/optional_part.hpp"
#include "package/package.hpp"
#include "package/related_parts.hpp"
#include "textdoc/item_writer.hpp"
#include "placeholders.hpp"
#include "presentation_reader.hpp"
#include "shape_tree_reader.hpp"

namespace qrv::import::pptx {
namespace {

class SlideReader {
public:
    SlideReader(Package &package, PictureStore &pictures) : package_(package), pictures_(pictures) {}

    // The slide, or nothing when its part is missing or broken (warned).
    std::optional<slides::Slide> read(const std::string &part, uint32_t number) {
        if (!package_.has(part)) {
            package_.diagnostics().warn(part + ": the slide's part is missing; the slide is left out");
            return std::nullopt;
        }
        slides::Slide slide;
        slide.number = number;
        const Inheritance inheritance = inheritance_of(part);
        PartContext context{package_, part, lists_, bodies_, number, &pictures_};
        ShapeTreeReader reader(context, inheritance, slide.shapes);
        const bool whole = read_optional_part(package_, part, reader, "the slide is");
        bodies_ = context.bodies;
        if (!whole && slide.shapes.empty()) return std::nullopt;
        slide.hidden = reader.hidden();
        read_notes(part, slide);
        return slide;
    }

    const slides::BulletLists &lists() const { return lists_; }

private:
    Inheritance inheritance_of(const std::string &slide) {
        Inheritance from;
        const Relationship *layout = related_part(package_, slide, "slideLayout");
        if (!layout) return from;
        from.layout = &layer(layout->target);
        if (const Relationship *master = related_part(package_, layout->target, "slideMaster");
            master && master->target != layout->target && master->target != slide)
            from.master = &layer(master->target);
        return from;
    }

    const Layer &layer(const std::string &part) {
        auto found = layers_.find(part);
        if (found == layers_.end()) found = layers_.emplace(part, read_layer(package_, part)).first;
        return found->second;
    }

    void read_notes(const std::string &slide_part, slides::Slide &slide) {
        const Relationship *notes = related_part(package_, slide_part, "notesSlide");
        if (!notes || notes->target == slide_part || !package_.has(notes->target)) return;
        std::vector<slides::PlacedShape> shapes;
        PartContext context{package_, notes->target, lists_, bodies_};
        ShapeTreeReader reader(context, Inheritance{}, shapes);
        read_optional_part(package_, notes->target, reader, "the slide's notes are");
        bodies_ = context.bodies;
        slides::order_for_reading(shapes);
        for (const auto &shape : shapes)
            if (shape.role == slides::Role::Body) shape.content.replay(slide.notes);
    }

    Package &package_;
    PictureStore &pictures_;
    slides::BulletLists lists_;
    uint32_t bodies_ = 0;
    std::map<std::string, Layer> layers_;
};

}  // namespace
}  // namespace qrv::import::pptx

namespace qrv::import {

CHHandle import_pptx(ImportJob &job) {
    using namespace pptx;
    DocumentWriter out(job.limits);
    PictureStore pictures(out, job.limits, job.diagnostics, job.keeps_pictures());
    Package package(job.input.bytes(), job.limits, job.diagnostics);
    const std::string main = main_part_of(package, "ppt/presentation.xml");
    if (!package.has(main)) broken(main + ": the part is missing from the package");
    SlideReader reader(package, pictures);
    std::vector<slides::Slide> slides;
    uint32_t number = 0;
    for (const std::string &part : slide_parts(package, main))
        if (auto slide = reader.read(part, ++number); slide && slides::is_shown(*slide, job.flags))
            slides.push_back(std::move(*slide));

    textdoc::TextDocument doc;
    for (auto &[id, value] : read_core_properties(package)) doc.add_property(id, std::move(value));
    reader.lists().define(doc);
    doc.resolve(job.diagnostics);

    textdoc::ItemWriter writer(out, doc, job.diagnostics);
    slides::start_presentation(writer);
    writer.begin();
    for (auto &slide : slides) slides::write_slide(slide, writer);
    writer.finish();
    return out.release();
}

}  // namespace qrv::import
