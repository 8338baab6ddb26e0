// Paragraph and run properties of WordprocessingML (w:pPr, w:rPr and what
// they hold) into the text document's formats.  Styles, list levels and
// the body all state formatting this way, so their readers share these
// tables: each names an element and what it sets.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "package/xml_reader.hpp"
#include "textdoc/text_document.hpp"
#include "textdoc/text_formats.hpp"

namespace qrv::import::docx {

// The theme's fonts that asciiTheme and its kin name.
struct ThemeFonts {
    std::string major;  // headings
    std::string minor;  // body
};

struct ParagraphProperties {
    std::string style;
    textdoc::ParaFormat format;
    textdoc::ListRef list;
    bool ends_section = false;  // a w:sectPr: the section ends with this paragraph
};

struct RunProperties {
    std::string style;
    textdoc::CharFormat format;
};

// Where the children of a property element lead.
enum class PropertyScope {
    Leaf,      // nothing below it is read
    Skip,      // its whole content is to be passed over (a tracked change's old properties)
    Tabs,      // w:tabs: its w:tab children are tab stops
    Numbering  // w:numPr: w:ilvl and w:numId
};

// A child of w:pPr.
PropertyScope read_paragraph_property(const XmlName &name, const XmlAttributes &a, ParagraphProperties &p);
// A child of w:tabs.
void read_tab_stop(const XmlAttributes &a, textdoc::ParaFormat &format);
// A child of w:numPr.
void read_numbering_property(const XmlName &name, const XmlAttributes &a, textdoc::ListRef &list);
// A child of w:rPr.
PropertyScope read_run_property(const XmlName &name, const XmlAttributes &a, const ThemeFonts &theme, RunProperties &r);

// Reads the content of a w:pPr or w:rPr for a reader that hands it every
// element while active(): nested scopes (tab stops, numbering, a tracked
// change's old properties) are its own business.
class PropertyReader {
public:
    explicit PropertyReader(const ThemeFonts &theme) : theme_(theme) {}

    // At the start of a w:pPr or a w:rPr.
    void begin(ParagraphProperties &target);
    void begin(RunProperties &target);
    bool active() const { return !scopes_.empty(); }

    void start(const XmlName &name, const XmlAttributes &a);
    // True when the element ending is the w:pPr or w:rPr itself.
    bool end();

private:
    enum class Scope : uint8_t { Paragraph, Run, Tabs, Numbering, Skip };
    Scope inner(PropertyScope scope) const;

    const ThemeFonts &theme_;
    ParagraphProperties *paragraph_ = nullptr;
    RunProperties *run_ = nullptr;
    std::vector<Scope> scopes_;
};

// w:val of an on/off property: absent or anything but "0", "false" and
// "off" is on.
bool on_off(const XmlAttributes &a);
// The leading integer of a measure ("720", "-360"); fallback when there is none.
int32_t integer_of(std::string_view text, int32_t fallback = 0);
// The w:val attribute.
std::string_view val(const XmlAttributes &a);

}  // namespace qrv::import::docx
