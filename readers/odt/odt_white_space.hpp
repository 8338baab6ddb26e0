// White space in the text of an OpenDocument paragraph: each run of
// spaces, tabs and line ends in the XML is one space, wherever the run
// crosses elements, and white space at the paragraph's start or after a
// line break is none.
// Spaces, tabs and breaks the document writes as elements (<text:s>,
// <text:tab>, <text:line-break>) are kept as they are.
#pragma once

#include <string>
#include <string_view>

namespace qrv::import::odf {

class WhiteSpace {
public:
    // The shown text of a piece of character data: the piece itself, or
    // text kept here until the next call.
    std::string_view shown(std::string_view piece);
    // Something other than character data was shown (a space or tab
    // element, a note): white space after it counts again.
    void shown_other() { after_space_ = false; }
    // A line break: white space after it is none, as at the start.
    void line_broken() { after_space_ = true; }

private:
    bool after_space_ = true;  // at the start, or after a space
    std::string shown_;
};

}  // namespace qrv::import::odf
