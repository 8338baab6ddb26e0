#include "text_body_reader.hpp"

#include <algorithm>
#include <charconv>
#include "package/xml_boolean.hpp"

namespace qrv::import::pptx {
namespace {

using textdoc::Underline;

Underline underline_of(std::string_view u) {
    if (u == "none") return Underline::None;
    if (u == "dbl") return Underline::Double;
    if (u.starts_with("heavy")) return Underline::Thick;
    if (u.starts_with("dotted")) return Underline::Dotted;
    if (u.starts_with("dash")) return Underline::Dashed;
    if (u.starts_with("wavy")) return Underline::Wave;
    return Underline::Single;
}

std::optional<uint32_t> unsigned_of(std::string_view text) {
    uint32_t n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return n;
}

std::optional<uint32_t> rgb_of(std::string_view hex) {
    uint32_t v = 0;
    if (hex.size() != 6) return std::nullopt;
    const auto [end, error] = std::from_chars(hex.data(), hex.data() + 6, v, 16);
    if (error != std::errc() || end != hex.data() + 6) return std::nullopt;
    return v;
}

}  // namespace

TextBodyReader::TextBodyReader(PartContext &context, const ListStyle &inherited, textdoc::TextSink &out)
    : context_(context), style_(inherited), out_(out), scope_(context.bodies++) {}

void TextBodyReader::start(const XmlName &name, const XmlAttributes &a) {
    if (name.ns != Ns::Drawing) return;
    if (run_properties_depth_) {
        ++run_properties_depth_;
        if (name.local == "srgbClr" && run_properties_depth_ == 3)
            if (const auto rgb = rgb_of(a.get(Ns::None, "val"))) run_.direct.colour = *rgb;
        if (name.local == "hlinkClick") {
            const std::string_view id = a.get(Ns::Relationships, "id");
            const Relationship *r = id.empty() ? nullptr : context_.package.relationship(context_.part, id);
            if (r && r->external) link_ = r->target;
        }
        return;
    }
    if (name.local == "lstStyle") {
        in_list_style_ = true;
    } else if (in_list_style_) {
        if (const auto level = level_element(name))
            style_level_ = level;
        else if (style_level_)
            read_bullet(name, a, style_[*style_level_]);
    } else if (name.local == "p") {
        in_paragraph_ = true;
        level_ = 0;
        own_bullet_.reset();
        paragraph_ = textdoc::Recording();
        paragraph_has_text_ = false;
    } else if (in_paragraph_) {
        start_paragraph_part(name, a);
    }
}

void TextBodyReader::start_paragraph_part(const XmlName &name, const XmlAttributes &a) {
    if (name.local == "pPr") {
        in_paragraph_properties_ = true;
        if (const auto lvl = unsigned_of(a.get(Ns::None, "lvl", "0")))
            level_ = std::min(*lvl, slides::kSlideLevels - 1);
    } else if (in_paragraph_properties_) {
        read_bullet(name, a, own_bullet_);
    } else if (name.local == "r" || name.local == "fld") {
        in_run_ = true;
        slide_number_field_ = name.local == "fld" && a.get(Ns::None, "type") == "slidenum" && context_.slide_number;
        run_ = {};
        link_.clear();
    } else if (name.local == "rPr" && in_run_) {
        run_properties_depth_ = 1;
        read_run_properties(a);
    } else if (name.local == "t" && in_run_) {
        in_text_ = true;
        open_run();
        if (slide_number_field_) {
            paragraph_.text(std::to_string(context_.slide_number));
            paragraph_has_text_ = true;
        }
    } else if (name.local == "br") {
        paragraph_.line_break();
    }
}

void TextBodyReader::read_run_properties(const XmlAttributes &a) {
    if (const auto *b = a.find(Ns::None, "b")) run_.direct.bold = xml_true(*b);
    if (const auto *i = a.find(Ns::None, "i")) run_.direct.italic = xml_true(*i);
    if (const auto *u = a.find(Ns::None, "u")) run_.direct.underline = underline_of(*u);
    if (const auto *s = a.find(Ns::None, "strike")) {
        run_.direct.strike = *s == "sngStrike";
        run_.direct.double_strike = *s == "dblStrike";
    }
    if (const auto sz = unsigned_of(a.get(Ns::None, "sz")); sz && *sz >= 100 && *sz <= 400000)
        run_.direct.size = *sz / 50;
}

void TextBodyReader::open_run() {
    if (run_open_) return;
    run_open_ = true;
    paragraph_.run(run_);
    if (!link_.empty()) {
        paragraph_.begin_link(link_);
        link_open_ = true;
    }
}

void TextBodyReader::text(std::string_view chars) {
    if (!in_text_ || chars.empty() || slide_number_field_) return;
    paragraph_.text(chars);
    paragraph_has_text_ = paragraph_has_text_ || chars.find_first_not_of(" \t\r\n") != std::string_view::npos;
}

void TextBodyReader::end(const XmlName &name) {
    if (name.ns != Ns::Drawing) return;
    if (run_properties_depth_) {
        --run_properties_depth_;
        return;
    }
    const std::string_view l = name.local;
    if (l == "lstStyle") {
        in_list_style_ = false;
    } else if (in_list_style_) {
        if (level_element(name)) style_level_.reset();
    } else if (l == "pPr") {
        in_paragraph_properties_ = false;
    } else if (l == "t") {
        in_text_ = false;
    } else if ((l == "r" || l == "fld") && in_run_) {
        if (link_open_) paragraph_.end_link();
        in_run_ = run_open_ = link_open_ = false;
    } else if (l == "p" && in_paragraph_) {
        end_paragraph();
    }
}

void TextBodyReader::end_paragraph() {
    in_paragraph_ = false;
    textdoc::ParagraphStart start;
    const std::optional<Bullet> &bullet = own_bullet_ ? own_bullet_ : style_[level_];
    if (paragraph_has_text_ && bullet) {
        if (auto list = context_.lists.list_for(*bullet, scope_)) {
            start.list.list = std::move(list);
            start.list.level = level_;
        }
    }
    has_text_ = has_text_ || paragraph_has_text_;
    out_.begin_paragraph(start);
    paragraph_.replay(out_);
    out_.end_paragraph();
}

}  // namespace qrv::import::pptx
