// The pages of an OpenDocument presentation (<draw:page> in
// <office:presentation>) into slides: each shape's text by its
// presentation class and position (groups flattened), paragraphs with the
// level of their list nesting and the bullet of their list style, links,
// the character formatting of paragraph and span styles, tables with
// spans, pictures and objects with their description (else
// their title, else their name), and the text of the page's notes.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "odf/frame_pictures.hpp"
#include "slides/slide.hpp"
#include "page_decorations.hpp"
#include "page_styles.hpp"

namespace qrv::import::odp {

// A shape of a page as it is read.  (Outside the reader: a struct with
// member initialisers nested in a class cannot be default-constructed in
// place, with optional::emplace, by every compiler while that class is
// being defined.)
struct PageShape {
    slides::PlacedShape placed;
    uint32_t depth = 0;  // elements open inside it, its own included
    bool notes = false, skipped = false;
    std::string name, title, description;  // draw:name, svg:title, svg:desc
    const Levels *levels = nullptr;        // of its presentation style
    std::optional<textdoc::ObjectKind> object;
    std::string href;  // of its picture, "" for none
    std::string object_href;  // of its embedded object (a chart's folder), "" for none
    uint32_t width_pt = 0, height_pt = 0;
    Decoration decoration = Decoration::None;  // of a master's frame
};

// The master pages a page can draw on, by name: the text of their free
// shapes (a line on every page) and of their header, footer, date and
// page-number frames, with the fields' markers in it.  Their other
// placeholders lend nothing.
struct MasterShape {
    slides::PlacedShape placed;
    Decoration decoration = Decoration::None;  // None for a free shape, always shown
};
using MasterPages = std::map<std::string, std::vector<MasterShape>, std::less<>>;

class PageReader final : public XmlHandler {
public:
    PageReader(const PageStyles &styles, slides::BulletLists &lists, std::vector<slides::Slide> &slides)
        : styles_(styles), lists_(lists), slides_(slides) {}

    // Reads <style:master-page> elements into masters instead of pages.
    void read_masters_into(MasterPages &masters) { masters_ = &masters; }
    // Pictures of the pages are kept through pictures (else shown by name).
    void keep_pictures(odf::FramePictures &pictures) { pictures_ = &pictures; }
    // Each page's master, whether the page shows its master's shapes, and
    // what it fills the master's fields with.
    struct PageMaster {
        std::string name;
        bool shown = true;
        DecorationTexts decorations;
    };
    const std::vector<PageMaster> &page_masters() const { return page_masters_; }

    void start(const XmlName &name, const XmlAttributes &attributes) override;
    void end(const XmlName &name) override;
    void text(std::string_view chars) override;

private:
    void start_shape(const XmlName &name, const XmlAttributes &attributes);
    void start_in_shape(const XmlName &name, const XmlAttributes &attributes);
    void start_table_part(const XmlName &name, const XmlAttributes &attributes);
    void end_in_shape(const XmlName &name);
    void finish_shape();
    void finish_paragraph();
    void begin_span(std::string_view style);
    void end_span();
    textdoc::TextSink &sink() { return shape_->placed.content; }

    void start_page(const XmlAttributes &attributes);
    void start_declaration(const XmlName &name, const XmlAttributes &attributes);
    void start_field(Decoration field);
    DecorationTexts decorations_of(std::string_view style, const XmlAttributes &attributes) const;

    const PageStyles &styles_;
    slides::BulletLists &lists_;
    std::vector<slides::Slide> &slides_;
    MasterPages *masters_ = nullptr;
    odf::FramePictures *pictures_ = nullptr;
    std::vector<PageMaster> page_masters_;
    uint32_t bodies_ = 0;

    bool in_page_ = false, in_notes_ = false;
    std::optional<PageShape> shape_;

    // Lists open in the shape: their styles' levels, outermost first.
    std::vector<const Levels *> lists_open_;
    bool in_item_ = false;
    std::optional<textdoc::Recording> paragraph_;
    std::optional<unsigned> paragraph_level_;
    const Levels *paragraph_levels_ = nullptr;
    bool paragraph_has_text_ = false;
    uint32_t links_open_ = 0;
    // The character formatting of the paragraph in hand and of each span
    // open in it, innermost last.
    std::vector<textdoc::CharFormat> spans_;
    std::string *capture_ = nullptr;  // the title or description being read
    std::string field_text_;          // a field's saved text, passed over
    // The header, footer and date declarations, by Decoration and name.
    std::array<std::map<std::string, std::string, std::less<>>, kDecorations> declarations_;
    std::string *declaration_ = nullptr;  // the one being read
    unsigned covered_left_ = 0;       // cells of the row a column span still covers
};

}  // namespace qrv::import::odp
