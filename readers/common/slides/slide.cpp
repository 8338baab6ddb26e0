#include "slide.hpp"

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

void write_slide(Slide &slide, textdoc::TextSink &sink) {
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
    // Speaker notes stand outside the slide's text, as a comment on it does.
    if (slide.notes.has_text()) sink.comment("", slide.notes);
    sink.end_section();
}

bool is_shown(const Slide &slide, uint32_t read_flags) { return !slide.hidden || (read_flags & IM_READ_HIDDEN_SLIDES); }

}  // namespace qrv::import::slides
