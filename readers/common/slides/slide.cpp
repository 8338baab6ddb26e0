#include "slide.hpp"

#include <qrvmodel/slides.hpp>

#include <algorithm>

#include "heading_sink.hpp"

namespace qrv::import::slides {

void order_for_reading(std::vector<PlacedShape> &shapes) {
    std::stable_sort(shapes.begin(), shapes.end(), [](const PlacedShape &a, const PlacedShape &b) {
        if (a.role != b.role) return a.role < b.role;
        if (a.at.top != b.at.top) return a.at.top < b.at.top;
        return a.at.left < b.at.left;
    });
}

void start_presentation(textdoc::ItemWriter &writer) { writer.set_section_kind(model::kSlideSection); }

void write_slide(Slide &slide, textdoc::ItemWriter &sink) {
    sink.mark(model::kSlideTag, slide.number, slide.hidden ? model::kSlideHidden : 0);
    order_for_reading(slide.shapes);
    bool titled = false;
    for (const PlacedShape &shape : slide.shapes) {
        if (shape.role == Role::Title && !titled) {
            HeadingSink heading(sink);
            shape.content.replay(heading);
            heading.finish();
            titled = true;
            continue;
        }
        shape.content.replay(sink);
    }
    // Speaker notes stand beside the slide's text, not in it.
    if (slide.notes.has_text()) sink.aside(model::kSlideNotesTag, slide.notes);
    sink.end_section();
}

bool is_shown(const Slide &slide, uint32_t read_flags) { return !slide.hidden || (read_flags & IM_READ_HIDDEN_SLIDES); }

}  // namespace qrv::import::slides
