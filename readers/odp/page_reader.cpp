#include "page_reader.hpp"

#include <algorithm>

#include "odf/attribute_values.hpp"
#include "writer/utf16.hpp"

namespace qrv::import::odp {
namespace {

using slides::Role;

Role role_of(std::string_view cls) {
    if (cls == "title") return Role::Title;
    if (cls == "subtitle") return Role::Subtitle;
    if (cls == "page-number" || cls == "footer" || cls == "date-time" || cls == "header") return Role::Footer;
    if (cls.empty()) return Role::Free;
    return Role::Body;
}

int64_t length_of(std::string_view text) {
    if (text.starts_with('-')) return -static_cast<int64_t>(odf::twips_of_length(text.substr(1)).value_or(0));
    return odf::twips_of_length(text).value_or(0);
}

bool is_paragraph(const XmlName &name) { return name.is(Ns::Text, "p") || name.is(Ns::Text, "h"); }

// The field an element in a paragraph is: the page number, or a master's
// header, footer or date.
Decoration field_of(const XmlName &name) {
    if (name.is(Ns::Text, "page-number")) return Decoration::PageNumber;
    if (name.ns != Ns::OdfPresentation || name.local == "page-number") return Decoration::None;
    return decoration_named(name.local);
}

// A declaration's text shows on every page that names it: a line's worth
// is kept, so that pages times declarations stays in proportion to the file.
// Up to three bytes past it are read, to see where the last whole
// character ends.
constexpr size_t kDeclarationBytes = 1024;
constexpr size_t kDeclarationRead = kDeclarationBytes + 3;

}  // namespace

void PageReader::start(const XmlName &name, const XmlAttributes &a) {
    if (shape_) {
        ++shape_->depth;
        if (!shape_->skipped) start_in_shape(name, a);
        return;
    }
    if (masters_ ? name.is(Ns::Style, "master-page") : name.is(Ns::Draw, "page")) {
        start_page(a);
    } else if (name.is(Ns::OdfPresentation, "notes") && in_page_) {
        in_notes_ = true;
    } else if (in_page_ && name.ns == Ns::Draw && name.local != "g" && name.local != "layer-set") {
        start_shape(name, a);
    } else if (!in_page_ && name.ns == Ns::OdfPresentation && name.local.ends_with("-decl")) {
        start_declaration(name, a);
    }
}

// <presentation:footer-decl presentation:name="ftr1">text</…>, and the
// header's and the date's; a date of the current day has no text.
void PageReader::start_declaration(const XmlName &name, const XmlAttributes &a) {
    const Decoration d = decoration_named(name.local.substr(0, name.local.size() - 5));
    if (d == Decoration::None || d == Decoration::PageNumber) return;
    std::string &text = declarations_[static_cast<size_t>(d)][std::string(a.get(Ns::OdfPresentation, "name"))];
    text.clear();
    const bool today = d == Decoration::DateTime && a.get(Ns::OdfPresentation, "source") == "current-date";
    declaration_ = today ? nullptr : &text;
}

DecorationTexts PageReader::decorations_of(std::string_view style, const XmlAttributes &a) const {
    static constexpr std::pair<Decoration, std::string_view> kUses[] = {{Decoration::Header, "use-header-name"},
                                                                         {Decoration::Footer, "use-footer-name"},
                                                                         {Decoration::DateTime, "use-date-time-name"}};
    DecorationTexts page;
    if (const auto shown = styles_.decorations.find(style); shown != styles_.decorations.end())
        page.shown = shown->second;
    for (const auto &[decoration, attribute] : kUses) {
        const auto &declared = declarations_[static_cast<size_t>(decoration)];
        const auto found = declared.find(a.get(Ns::OdfPresentation, attribute));
        if (found != declared.end()) page.text[static_cast<size_t>(decoration)] = found->second;
    }
    page.text[static_cast<size_t>(Decoration::PageNumber)] = std::to_string(slides_.back().number);
    return page;
}

void PageReader::start_page(const XmlAttributes &a) {
    slides::Slide slide;
    const std::string_view style = a.get(Ns::Draw, "style-name");
    slide.hidden = !masters_ && styles_.hidden_pages.contains(style);
    slide.number = static_cast<uint32_t>(slides_.size() + 1);
    slides_.push_back(std::move(slide));
    const std::string_view master = masters_ ? a.get(Ns::Style, "name") : a.get(Ns::Draw, "master-page-name");
    page_masters_.push_back({std::string(master), !styles_.bare_pages.contains(style),
                             masters_ ? DecorationTexts{} : decorations_of(style, a)});
    if (masters_) (*masters_)[std::string(master)];
    in_page_ = true;
}

void PageReader::start_shape(const XmlName &, const XmlAttributes &a) {
    shape_.emplace();
    shape_->depth = 1;
    const std::string_view cls = a.get(Ns::OdfPresentation, "class");
    shape_->placed.role = role_of(cls);
    if (masters_) shape_->decoration = decoration_named(cls);
    shape_->placed.at = slides::Position{length_of(a.get(Ns::Svg, "y")), length_of(a.get(Ns::Svg, "x"))};
    shape_->name = a.get(Ns::Draw, "name");
    shape_->width_pt = odf::points_of_length(a.get(Ns::Svg, "width"));
    shape_->height_pt = odf::points_of_length(a.get(Ns::Svg, "height"));
    shape_->notes = in_notes_;
    shape_->skipped =
        cls == "page" || a.get(Ns::OdfPresentation, "placeholder") == "true" || (in_notes_ && cls != "notes");
    shape_->levels = styles_.levels(a.get(Ns::OdfPresentation, "style-name"));
    if (!shape_->levels) shape_->levels = styles_.levels(a.get(Ns::Draw, "style-name"));
    lists_open_.clear();
    ++bodies_;
}

void PageReader::start_in_shape(const XmlName &name, const XmlAttributes &a) {
    if (name.ns == Ns::Table) return start_table_part(name, a);
    if (name.is(Ns::Draw, "image")) {
        if (!shape_->object) shape_->object = textdoc::ObjectKind::Picture;
        if (shape_->href.empty()) shape_->href = a.get(Ns::XLink, "href");
    } else if (name.is(Ns::Draw, "object") || name.is(Ns::Draw, "object-ole")) {
        shape_->object = textdoc::ObjectKind::Chart;
        if (shape_->object_href.empty()) shape_->object_href = a.get(Ns::XLink, "href");
    } else if (name.is(Ns::Svg, "title") || name.is(Ns::Svg, "desc")) {
        std::string &field = name.local == "title" ? shape_->title : shape_->description;
        capture_ = field.empty() ? &field : nullptr;
    } else if (name.is(Ns::Text, "list")) {
        const Levels *levels = styles_.levels(a.get(Ns::Text, "style-name"));
        lists_open_.push_back(levels ? levels : (lists_open_.empty() ? shape_->levels : lists_open_.back()));
    } else if (name.is(Ns::Text, "list-item") || name.is(Ns::Text, "list-header")) {
        in_item_ = name.local == "list-item";
    } else if (is_paragraph(name)) {
        paragraph_.emplace();
        paragraph_has_text_ = false;
        paragraph_level_.reset();
        if (in_item_ && !lists_open_.empty()) {
            paragraph_level_ = static_cast<unsigned>(std::min<size_t>(lists_open_.size(), slides::kSlideLevels) - 1);
            paragraph_levels_ = lists_open_.front();
        }
        in_item_ = false;
        spans_.clear();
        begin_span(a.get(Ns::Text, "style-name"));
    } else if (!paragraph_) {
        return;
    } else if (const Decoration field = field_of(name); field != Decoration::None) {
        start_field(field);
    } else if (name.is(Ns::Text, "s")) {
        paragraph_->text(std::string(std::min<uint32_t>(odf::count_of(a.get(Ns::Text, "c"), 1), 1000), ' '));
    } else if (name.is(Ns::Text, "tab")) {
        paragraph_->text("\t");
    } else if (name.is(Ns::Text, "line-break")) {
        paragraph_->line_break();
    } else if (name.is(Ns::Text, "a")) {
        paragraph_->begin_link(a.get(Ns::XLink, "href"));
        ++links_open_;
    } else if (name.is(Ns::Text, "span")) {
        begin_span(a.get(Ns::Text, "style-name"));
    }
}

// A master's field is its marker, which each page fills in; a page's own
// page number is its number.  A page number's saved text is passed over.
void PageReader::start_field(Decoration field) {
    if (masters_)
        paragraph_->text(marker_of(field));
    else if (field == Decoration::PageNumber)
        paragraph_->text(std::to_string(slides_.back().number));
    else
        return;
    paragraph_has_text_ = true;
    if (field == Decoration::PageNumber) capture_ = &field_text_;
}

// A span's formatting lies over that of what it is in.
void PageReader::begin_span(std::string_view style) {
    textdoc::CharFormat chars = spans_.empty() ? textdoc::CharFormat{} : spans_.back();
    textdoc::overlay(chars, styles_.chars(style));
    spans_.push_back(chars);
    paragraph_->run({"", spans_.back()});
}

void PageReader::end_span() {
    if (spans_.size() < 2) return;
    spans_.pop_back();
    paragraph_->run({"", spans_.back()});
}

void PageReader::start_table_part(const XmlName &name, const XmlAttributes &a) {
    auto &out = sink();
    if (name.local == "table") {
        out.begin_table({});
    } else if (name.local == "table-row") {
        out.begin_row({});
        covered_left_ = 0;
    } else if (name.local == "table-cell") {
        textdoc::CellStart cell;
        cell.column_span = std::clamp<uint32_t>(odf::count_of(a.get(Ns::Table, "number-columns-spanned"), 1), 1, 1000);
        cell.row_span = std::clamp<uint32_t>(odf::count_of(a.get(Ns::Table, "number-rows-spanned"), 1), 1, 1000);
        if (cell.row_span > 1) cell.merge = textdoc::VerticalMerge::Restart;
        covered_left_ = cell.column_span - 1;
        out.begin_cell(cell);
    } else if (name.local == "covered-table-cell") {
        if (covered_left_) {
            --covered_left_;
            shape_->skipped = true;  // until the covered cell ends
            return;
        }
        textdoc::CellStart cell;
        cell.merge = textdoc::VerticalMerge::Covered;
        out.begin_cell(cell);
    }
}

void PageReader::text(std::string_view chars) {
    if (declaration_) {
        declaration_->append(chars.substr(0, kDeclarationRead - std::min(kDeclarationRead, declaration_->size())));
        return;
    }
    if (!shape_ || shape_->skipped) return;
    if (capture_) {
        capture_->append(chars);
        return;
    }
    if (!paragraph_) return;
    paragraph_->text(chars);
    paragraph_has_text_ = paragraph_has_text_ || chars.find_first_not_of(" \t\r\n") != std::string_view::npos;
}

void PageReader::end(const XmlName &name) {
    if (shape_) {
        const bool skipped = shape_->skipped;
        if (--shape_->depth == 0) return finish_shape();
        if (skipped) {
            if (name.is(Ns::Table, "covered-table-cell")) shape_->skipped = false;
            return;
        }
        return end_in_shape(name);
    }
    if (name.is(Ns::Draw, "page") || name.is(Ns::Style, "master-page")) in_page_ = false;
    if (name.ns == Ns::OdfPresentation && name.local.ends_with("-decl") && declaration_) {
        declaration_->resize(utf8_piece_end(*declaration_, kDeclarationBytes));
        declaration_ = nullptr;
    }
    if (name.is(Ns::OdfPresentation, "notes")) in_notes_ = false;
}

void PageReader::end_in_shape(const XmlName &name) {
    if (name.is(Ns::Svg, "title") || name.is(Ns::Svg, "desc") || name.is(Ns::Text, "page-number")) {
        capture_ = nullptr;
        field_text_.clear();
    } else if (name.is(Ns::Text, "list")) {
        if (!lists_open_.empty()) lists_open_.pop_back();
    } else if (is_paragraph(name) && paragraph_) {
        finish_paragraph();
    } else if (name.is(Ns::Text, "span") && paragraph_) {
        end_span();
    } else if (name.is(Ns::Text, "a") && links_open_ && paragraph_) {
        paragraph_->end_link();
        --links_open_;
    } else if (name.ns == Ns::Table) {
        auto &out = sink();
        if (name.local == "table") out.end_table();
        if (name.local == "table-row") out.end_row();
        if (name.local == "table-cell" || name.local == "covered-table-cell") out.end_cell();
    }
}

void PageReader::finish_paragraph() {
    textdoc::ParagraphStart start;
    if (paragraph_has_text_ && paragraph_level_ && paragraph_levels_) {
        const auto &bullet = (*paragraph_levels_)[*paragraph_level_];
        if (bullet)
            if (auto list = lists_.list_for(*bullet, bodies_)) {
                start.list.list = std::move(list);
                start.list.level = paragraph_level_;
            }
    }
    for (; links_open_; --links_open_) paragraph_->end_link();
    sink().begin_paragraph(start);
    paragraph_->replay(sink());
    sink().end_paragraph();
    paragraph_.reset();
}

void PageReader::finish_shape() {
    PageShape shape = std::move(*shape_);
    shape_.reset();
    paragraph_.reset();
    capture_ = nullptr;
    // A master page's pictures are the deck's decoration (logos, bars), not
    // each slide's content; its free text is kept.
    if (shape.skipped || slides_.empty() || (masters_ && shape.object)) return;
    slides::Slide &slide = slides_.back();
    // A picture's own empty paragraph (<draw:image><text:p/>) is no text.
    if (shape.object && !shape.placed.content.has_text()) {
        shape.placed.content = {};
        shape.placed.content.begin_paragraph({});
        const std::string &alt = !shape.description.empty() ? shape.description : shape.title;
        // A chart drawn from its own values, else its replacement picture.
        std::string resource;
        if (pictures_ && !shape.object_href.empty()) resource = pictures_->keep_chart(shape.object_href);
        if (pictures_ && resource.empty()) resource = pictures_->keep(shape.href);
        shape.placed.content.object({*shape.object, alt, shape.name, resource, shape.width_pt, shape.height_pt});
        shape.placed.content.end_paragraph();
    }
    if (shape.placed.content.empty()) return;
    if (masters_) {
        if ((shape.placed.role == Role::Free || shape.decoration != Decoration::None) && !shape.notes)
            (*masters_)[page_masters_.back().name].push_back({std::move(shape.placed), shape.decoration});
        return;
    }
    if (shape.notes)
        shape.placed.content.replay(slide.notes);
    else
        slide.shapes.push_back(std::move(shape.placed));
}

}  // namespace qrv::import::odp
