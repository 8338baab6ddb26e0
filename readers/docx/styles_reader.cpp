#include "styles_reader.hpp"

#include "package/optional_part.hpp"
#include "package/xml_boolean.hpp"

namespace qrv::import::docx {
namespace {

using textdoc::StyleKind;

constexpr std::pair<std::string_view, StyleKind> kStyleKinds[] = {
    {"paragraph", StyleKind::Paragraph},
    {"character", StyleKind::Character},
    {"table", StyleKind::Table},
    {"numbering", StyleKind::Numbering},
};

StyleKind style_kind_of(std::string_view type) {
    for (const auto &[word, kind] : kStyleKinds)
        if (word == type) return kind;
    return StyleKind::Paragraph;
}

class StylesReader final : public XmlHandler {
public:
    StylesReader(const ThemeFonts &theme, textdoc::TextDocument &doc, NumberingStyles &numbering)
        : doc_(doc), numbering_(numbering), props_(theme) {}

    void start(const XmlName &name, const XmlAttributes &a) override {
        if (in_defaults_ && name.is(Ns::Wordprocessing, "lang")) doc_.set_default_language(std::string(val(a)));
        if (props_.active()) return props_.start(name, a);
        ++depth_;
        if (skip_from_ || name.ns != Ns::Wordprocessing) return skip(name);
        const std::string_view e = name.local;
        if (e == "docDefaults") {
            in_defaults_ = true;
        } else if (e == "style") {
            in_style_ = true;
            style_ = textdoc::StyleDefinition{};
            para_ = {};
            run_ = {};
            style_.kind = style_kind_of(a.get(Ns::Wordprocessing, "type"));
            style_.key = a.get(Ns::Wordprocessing, "styleId");
            style_.is_default = on_off_attribute(a, "default");
        } else if (e == "name" && in_style_) {
            style_.name = val(a);
        } else if (e == "basedOn" && in_style_) {
            style_.parent = val(a);
        } else if (e == "pPr") {
            props_.begin(para_);
        } else if (e == "rPr") {
            props_.begin(run_);
        } else if (e == "tblPr" || e == "tblStylePr" || e == "trPr" || e == "tcPr") {
            skip(name);
        }
    }

    void end(const XmlName &name) override {
        if (props_.active() && !props_.end()) return;  // inside the properties
        if (skip_from_ && depth_ == skip_from_) skip_from_ = 0;
        --depth_;
        if (name.is(Ns::Wordprocessing, "style"))
            finish_style();
        else if (name.is(Ns::Wordprocessing, "docDefaults")) {
            in_defaults_ = false;
            doc_.set_defaults(para_.format, run_.format);
            para_ = {};
            run_ = {};
        }
    }

private:
    static bool on_off_attribute(const XmlAttributes &a, std::string_view attribute) {
        return xml_true(a.get(Ns::Wordprocessing, attribute));
    }

    void skip(const XmlName &) {
        if (!skip_from_) skip_from_ = depth_;
    }

    void finish_style() {
        in_style_ = false;
        style_.para = para_.format;
        style_.chars = run_.format;
        style_.list = para_.list;
        if (style_.kind == StyleKind::Numbering && para_.list.list) numbering_[style_.key] = *para_.list.list;
        doc_.add_style(std::move(style_));
        para_ = {};
        run_ = {};
    }

    textdoc::TextDocument &doc_;
    NumberingStyles &numbering_;
    PropertyReader props_;
    textdoc::StyleDefinition style_;
    ParagraphProperties para_;
    RunProperties run_;
    bool in_style_ = false;
    bool in_defaults_ = false;
    size_t depth_ = 0, skip_from_ = 0;
};

}  // namespace

void read_styles(Package &package, const std::string &part, const ThemeFonts &theme, textdoc::TextDocument &doc,
                 NumberingStyles &numbering_styles) {
    StylesReader reader(theme, doc, numbering_styles);
    read_optional_part(package, part, reader, "the styles are");
    // A document that marks no default paragraph style has Normal for it.
    doc.fall_back_to_default_paragraph_style("Normal");
}

}  // namespace qrv::import::docx
