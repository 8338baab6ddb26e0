// The text of a shape or a table cell (<p:txBody>, <a:txBody>): its
// paragraphs with their level and bullet, and runs with bold, italic,
// underline, strike, size, colour and links.  A paragraph's bullet is its
// own, else its level's in the body's list style, else the one the shape
// inherits; empty paragraphs show none.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "writer/picture_store.hpp"
#include "package/package.hpp"
#include "textdoc/recording.hpp"
#include "list_style.hpp"

namespace qrv::import::pptx {

// What the readers of one part share: the package, the part (its
// relationships give link targets) and the lists handed out so far.
struct PartContext {
    Package &package;
    std::string part;
    slides::BulletLists &lists;
    uint32_t bodies = 0;               // text bodies read so far: each numbers on its own
    uint32_t slide_number = 0;         // what a slide number field shows; 0 keeps the field's text
    PictureStore *pictures = nullptr;  // where pictures are kept; null to show them by name
};

class TextBodyReader final : public XmlHandler {
public:
    TextBodyReader(PartContext &context, const ListStyle &inherited, textdoc::TextSink &out);

    void start(const XmlName &name, const XmlAttributes &attributes) override;
    void end(const XmlName &name) override;
    void text(std::string_view chars) override;

    // Whether any paragraph held text.
    bool has_text() const { return has_text_; }

private:
    void start_paragraph_part(const XmlName &name, const XmlAttributes &attributes);
    void read_run_properties(const XmlAttributes &attributes);
    void open_run();
    void end_paragraph();

    PartContext &context_;
    ListStyle style_;  // the inherited one with the body's own laid over it
    textdoc::TextSink &out_;
    uint32_t scope_;

    bool in_list_style_ = false;
    std::optional<unsigned> style_level_;
    bool in_paragraph_ = false, in_paragraph_properties_ = false;
    unsigned level_ = 0;
    std::optional<Bullet> own_bullet_;
    textdoc::Recording paragraph_;
    bool paragraph_has_text_ = false, has_text_ = false;

    unsigned run_properties_depth_ = 0;  // inside <a:rPr>: 1 + elements open in it
    textdoc::RunStart run_;
    std::string link_;
    bool in_run_ = false, in_text_ = false, run_open_ = false, link_open_ = false;
    bool slide_number_field_ = false;
};

}  // namespace qrv::import::pptx
