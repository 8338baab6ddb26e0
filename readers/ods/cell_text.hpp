// The text of a cell as its paragraphs give it: paragraphs joined by line
// ends, spans of rich text in their styles, spaces (<text:s>), tabs and
// line breaks, and the target of its first link.  Annotations and drawings
// inside the cell are not its text.  Runs of white space in the
// characters collapse to one space, and a paragraph's leading ones go, as
// OpenDocument has it; <text:s> keeps spaces that count.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "package/xml_reader.hpp"
#include "sheet/text_store.hpp"
#include "cell_styles.hpp"

namespace qrv::import::odf {

class CellTextReader {
public:
    // A cell's text longer than this is cut.
    static constexpr size_t kLongestText = 1u << 20;

    explicit CellTextReader(CellStyles &styles) : styles_(styles) {}

    // Starts the text of a cell whose own properties are cell_text.
    void begin(const TextProperties &cell_text);
    // The elements inside the cell element, and their characters.
    void start(const XmlName &name, const XmlAttributes &attributes);
    void end(const XmlName &name);
    void text(std::string_view chars);

    bool empty() const { return length_ == 0; }
    bool cut() const { return cut_; }
    const std::string &link() const { return link_; }
    // The frames of the cell: pictures and objects anchored in it.
    struct Frame {
        std::string name, href;  // href: the picture's, "" for an object without one
        bool chart = false;
        std::string object;  // an embedded object's href, "" for none
        uint32_t width_pt = 0, height_pt = 0;
    };
    const std::vector<Frame> &frames() const { return frames_; }
    // The text without its styles, as UTF-8.
    std::string plain() const;
    // Adds the text to the store and gives its number.
    uint32_t finish(TextStore &texts);

private:
    struct Run {
        std::string utf8;
        uint32_t format;  // a CharFormatTable number, or TextStore::kCellFormat
    };
    struct Span {
        TextProperties text;
        uint32_t format;
        uint32_t depth;  // of its element
    };

    void append(std::string_view utf8);
    void start_paragraph();
    bool passes_over(const XmlName &name) const;
    void frame_element(const XmlName &name, const XmlAttributes &attributes);

    CellStyles &styles_;
    std::vector<Run> runs_;
    std::vector<Span> spans_;
    std::string link_;
    std::vector<Frame> frames_;
    size_t length_ = 0;
    uint32_t depth_ = 0;            // elements open inside the cell
    uint32_t paragraph_depth_ = 0;  // of the open paragraph; 0: none
    uint32_t skip_depth_ = 0;       // of an element passed over whole; 0: none
    uint32_t paragraphs_ = 0;
    bool after_space_ = true;  // the last character was a collapsible space
    bool cut_ = false;
    std::u16string scratch_;
};

}  // namespace qrv::import::odf
