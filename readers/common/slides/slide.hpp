// A slide as read, before it is written: its title, the text of its other
// shapes each with where it sits, and its speaker notes.  Shapes are read
// in the order the file gives them and written in reading order: by their
// role first (a subtitle before the body, the body before free shapes,
// footers last), then top to bottom, then left to right.
#pragma once

#include <qrvim.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "textdoc/item_writer.hpp"
#include "textdoc/recording.hpp"

namespace qrv::import::slides {

enum class Role : uint8_t { Title, Subtitle, Body, Free, Footer };

struct Position {
    int64_t top = 0, left = 0;  // in the format's own unit, from the slide's top left corner
};

struct PlacedShape {
    Role role = Role::Free;
    Position at;
    textdoc::Recording content;
};

struct Slide {
    std::vector<PlacedShape> shapes;
    textdoc::Recording notes;
    bool hidden = false;
    uint32_t number = 0;  // its place in the presentation, from 1, hidden slides counted
};

// Whether the slide is written: hidden ones only when IM_READ_HIDDEN_SLIDES
// is among the import's flags.
bool is_shown(const Slide &slide, uint32_t read_flags);

// The shapes in the order they are read aloud; the order of the file
// breaks ties.
void order_for_reading(std::vector<PlacedShape> &shapes);

// Makes every section of the document a slide section; before begin().
void start_presentation(textdoc::ItemWriter &writer);

// Writes the slide as one slide section (qrvmodel/slides.hpp): its mark
// with its number, the first title shape's text as the slide's heading (its
// paragraphs joined by line breaks), the other shapes in reading order, and
// the notes (when they hold text) beside the slide's text.
void write_slide(Slide &slide, textdoc::ItemWriter &writer);

}  // namespace qrv::import::slides
