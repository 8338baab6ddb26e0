// The text of a shared string (<si>) or an inline string (<is>): plain
// <t> text or runs (<r>) each with its own properties (<rPr>).  Phonetic
// runs (<rPh>) are not part of the text.  The reader is fed the elements
// inside the string's element and gives the finished text to a TextStore.
#pragma once

#include <string>
#include <vector>

#include "package/xml_reader.hpp"
#include "sheet/text_store.hpp"
#include "fonts.hpp"

namespace qrv::import::xlsx {

class RichTextReader {
public:
    void start(const XmlName &name, const XmlAttributes &attributes);
    void end(const XmlName &name);
    void text(std::string_view chars) {
        if (in_text_ && skipped_ == 0) runs_.back().utf8 += chars;
    }
    // Adds the text read since the last finish to the store.
    uint32_t finish(TextStore &texts, Fonts &fonts);

private:
    struct Run {
        std::string utf8;
        FontSpec font;
        bool has_font = false;
    };
    std::vector<Run> runs_{1};
    bool in_text_ = false;
    bool in_properties_ = false;
    unsigned skipped_ = 0;  // depth inside <rPh> and <phoneticPr>
    std::u16string scratch_;
};

}  // namespace qrv::import::xlsx
