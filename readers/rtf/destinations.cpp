// Where the text of a group goes, and what a group does when it closes:
// the header's tables, the document's properties, fields, notes, text
// boxes, stated paragraph labels, pictures and bookmarks.
#include <algorithm>
#include <cstdio>
#include <utility>

#include "fields/field_stack.hpp"
#include "textdoc/symbol_fonts.hpp"
#include "writer/utf16.hpp"
#include "reader.hpp"

namespace qrv::import::rtf {
namespace {

using model::PropertyId;

struct NamedProperty {
    std::string_view word;
    PropertyId id;
};

constexpr NamedProperty kProperties[] = {
    {"title", model::kPropertyTitle},         {"subject", model::kPropertySubject},
    {"author", model::kPropertyAuthor},       {"keywords", model::kPropertyKeywords},
    {"doccomm", model::kPropertyDescription}, {"operator", model::kPropertyLastAuthor},
    {"category", model::kPropertyCategory},   {"company", model::kPropertyCompany},
    {"manager", model::kPropertyManager},
};

// Destinations read past.
constexpr std::string_view kSkipped[] = {
    "filetbl", "revtbl",    "rsidtbl",      "pn",       "xe",
    "tc",          "txe",     "rxe",       "objdata",      "private",  "template", "nonshppict",
    "userprops",   "fldtype", "bkmkend",   "levelnumbers", "listname", "nonesttables",
    "levelmarker", "comment", "docvar",    "pgdsctbl"};

// PAGE, NUMPAGES and the like: in a header or footer they number printed
// pages, which a converted document does not have.
bool numbers_pages(std::string_view instruction) {
    fields::FieldStack running;
    running.hide_page_numbers();
    return running.hides(instruction);
}

bool is_skipped(std::string_view name) {
    return std::find(std::begin(kSkipped), std::end(kSkipped), name) != std::end(kSkipped);
}

std::string iso_time(const int32_t (&t)[5]) {
    char out[32];
    std::snprintf(out, sizeof out, "%04d-%02d-%02dT%02d:%02d:00Z", std::clamp(t[0], 0, 9999), std::clamp(t[1], 1, 12),
                  std::clamp(t[2], 1, 31), std::clamp(t[3], 0, 23), std::clamp(t[4], 0, 59));
    return out;
}

// Appends text up to the first ';' to name; true when it held one.
bool up_to_semicolon(std::string_view text, std::string &name) {
    const size_t end = text.find(';');
    name.append(text.substr(0, end));
    return end != std::string_view::npos;
}

}  // namespace

void Reader::deliver(std::string_view utf8) {
    switch (state().destination) {
    case Destination::Body: return body_text(utf8);
    case Destination::FontTable:
        if (up_to_semicolon(utf8, font_.name)) {
            if (font_number_ >= 0 && !defs_.fonts.contains(font_number_)) defs_.fonts[font_number_] = font_;
            font_number_ = -1;
            font_ = {};
        }
        return;
    case Destination::ColourTable:
        for (char c : utf8)
            if (c == ';') defs_.end_colour();
        return;
    case Destination::StyleSheet:
    case Destination::InfoText:
    case Destination::Bookmark:
    case Destination::Author:
        if (name_.size() < 1024) name_.append(utf8);
        return;
    case Destination::Picture: return picture_.hex(utf8);
    case Destination::Label:
        if (label_.size() < 64) label_.append(utf8);
        return;
    case Destination::FieldInstruction:
        if (!fields_.empty() && fields_.back().instruction.size() < 4096) fields_.back().instruction.append(utf8);
        return;
    default: return;
    }
}

bool Reader::destination_word(std::string_view name) {
    static constexpr std::string_view kKnown[] = {
        "fldinst", "listtable", "listoverridetable", "bkmkstart", "nesttableprops", "shppict", "cs", "ud", "ftnalt",
        "atnid", "atnauthor", "annotation", "shpinst", "shptxt"};
    return std::find(std::begin(kKnown), std::end(kKnown), name) != std::end(kKnown);
}

bool Reader::header_word(const Token &t) {
    const std::string_view w = t.name;
    const Destination d = state().destination;
    if (w == "fonttbl") return begin_destination(Destination::FontTable, Closing::Nothing), true;
    if (w == "colortbl") return begin_destination(Destination::ColourTable, Closing::Nothing), true;
    if (w == "stylesheet") {
        state().chars = {};
        state().para = {};
        return begin_destination(Destination::StyleSheet, Closing::Nothing), true;
    }
    if (w == "info") return begin_destination(Destination::Info, Closing::Nothing), true;
    if (w == "listtable" || w == "listoverridetable")
        return begin_destination(w == "listtable" ? Destination::ListTable : Destination::ListOverride,
                                 Closing::Nothing),
               true;
    if (d == Destination::Info) {
        for (const auto &p : kProperties)
            if (w == p.word) {
                property_ = p.id;
                name_.clear();
                return begin_destination(Destination::InfoText, Closing::Info), true;
            }
        if (w == "creatim" || w == "revtim") {
            property_ = w == "creatim" ? model::kPropertyCreated : model::kPropertyModified;
            std::fill(std::begin(time_), std::end(time_), 0);
            return begin_destination(Destination::InfoTime, Closing::Info), true;
        }
        return false;
    }
    if (d == Destination::InfoTime) {
        constexpr std::string_view kParts[] = {"yr", "mo", "dy", "hr", "min"};
        for (size_t i = 0; i < 5; ++i)
            if (w == kParts[i]) time_[i] = t.param;
        return true;
    }
    if (d == Destination::FontTable) {
        if (w == "f") font_number_ = t.param;
        if (w == "fcharset") font_.code_page = code_page_of_charset(t.param);
        if (w == "cpg" && t.param > 0) font_.code_page = t.param;
        return true;
    }
    if (d == Destination::ColourTable) {
        const uint32_t v = static_cast<uint32_t>(std::clamp(t.param, 0, 255));
        const int shift = w == "red" ? 16 : w == "green" ? 8 : w == "blue" ? 0 : -1;
        if (shift >= 0) {
            defs_.colour_in_hand = (defs_.colour_in_hand & ~(0xFFu << shift)) | (v << shift);
            defs_.colour_stated = true;
        }
        return true;
    }
    return false;
}

bool Reader::body_destination_word(const Token &t) {
    const std::string_view w = t.name;
    if (is_skipped(w)) return begin_destination(Destination::Skip, Closing::Nothing), true;
    if (w == "field") {
        if (fields_.size() >= kMaxFields) return begin_destination(Destination::Skip, Closing::Nothing), true;
        fields_.push_back({});
        return begin_destination(state().destination, Closing::Field), true;
    }
    if (w == "fldinst") return begin_destination(Destination::FieldInstruction, Closing::Nothing), true;
    if (w == "fldrslt") return begin_field_result(), true;
    if (w == "pntext" || w == "listtext") return begin_label(), true;
    if (w == "footnote") return begin_note(), true;
    if (w == "annotation") return begin_note(Closing::Comment), true;
    if (begin_running(w) || shape_word(w)) return true;
    if (w == "atnid" || w == "atnauthor") {
        name_.clear();
        (w == "atnid" ? initials_ : author_).clear();
        return begin_destination(Destination::Author, w == "atnid" ? Closing::Initials : Closing::Author), true;
    }
    if (w == "ftnalt") {
        if (!notes_.empty()) notes_.back()->kind = textdoc::NoteKind::Endnote;
        return true;
    }
    if (w == "pict") {
        picture_ = Picture(pictures_ && pictures_->keeps_pictures() ? pictures_->bound() : 0);
        return begin_destination(Destination::Picture, Closing::Picture), true;
    }
    if (w == "bkmkstart") {
        name_.clear();
        return begin_destination(Destination::Bookmark, Closing::Bookmark), true;
    }
    if (w == "nesttableprops") return state().nested_props = true, true;
    if (w == "upr") return state().upr = true, true;
    return false;
}

// The picture just read, kept where its format is one a page can use.
textdoc::ObjectRef Reader::picture_object() {
    textdoc::ObjectRef object = textdoc::ObjectRef::of(textdoc::ObjectKind::Picture);
    object.width_pt = picture_.width_pt();
    object.height_pt = picture_.height_pt();
    if (picture_.too_large()) diagnostics_.warn("a picture is larger than the bound; it is shown by name");
    if (!pictures_ || picture_.media_type().empty() || picture_.too_large()) return object;
    const std::string source = "picture" + std::to_string(++pictures_read_) + "." + std::string(picture_.extension());
    object.resource = pictures_->keep(source, picture_.media_type(), [&] { return picture_.take_bytes(); });
    return object;
}

void Reader::begin_field_result() {
    groups_.back().closing = Closing::Result;
    if (fields_.empty() || state().destination != Destination::Body) return;
    if (!notes_.empty() && notes_.back()->running_text && numbers_pages(fields_.back().instruction))
        return begin_destination(Destination::Skip, Closing::Nothing);
    if (const auto target = fields::hyperlink_target(fields_.back().instruction)) output().begin_link(*target, state());
}

// A note or comment is read into a recording of its own; one inside
// another is read past.
void Reader::begin_note(Closing closing) {
    if (state().destination != Destination::Body || !notes_.empty())
        return begin_destination(Destination::Skip, Closing::Nothing);
    output();  // the body has begun
    notes_.push_back(std::make_unique<Note>());
    notes_.back()->out.set_rows(&rows_[0], &rows_[1]);
    state().nesting = 0;
    groups_.back().closing = closing;
}

// \header, \footer and the ones for left (even), right and first pages;
// a header met inside a note or another header is read past.
bool Reader::begin_running(std::string_view word) {
    struct Named {
        std::string_view word;
        model::RunningKind kind;
        model::RunningPages pages;
    };
    static constexpr Named kRunning[] = {
        {"header", model::kRunningHeader, model::kEveryPage},  {"headerr", model::kRunningHeader, model::kEveryPage},
        {"headerl", model::kRunningHeader, model::kEvenPages}, {"headerf", model::kRunningHeader, model::kFirstPage},
        {"footer", model::kRunningFooter, model::kEveryPage},  {"footerr", model::kRunningFooter, model::kEveryPage},
        {"footerl", model::kRunningFooter, model::kEvenPages}, {"footerf", model::kRunningFooter, model::kFirstPage}};
    for (const Named &n : kRunning) {
        if (n.word != word) continue;
        begin_note(Closing::Running);
        if (groups_.back().closing == Closing::Running) {
            notes_.back()->running_text = true;
            notes_.back()->running = n.kind;
            notes_.back()->pages = n.pages;
        }
        return true;
    }
    return false;
}

// A drawing (\shp) states its properties in \shpinst, where the text of
// a text box is \shptxt; its \shprslt is the same drawing for readers
// without drawings, and is read past where the text box was read.
bool Reader::shape_word(std::string_view word) {
    if (word == "shp") return shape_text_ = false, true;
    if (word == "shpinst") return begin_destination(Destination::Shape, Closing::Nothing), true;
    if (word == "sp" && state().destination == Destination::Shape)
        return begin_destination(Destination::Skip, Closing::Nothing), true;
    if (word == "shptxt") {
        if (state().destination != Destination::Shape) return begin_destination(Destination::Skip, Closing::Nothing), true;
        state().destination = Destination::Body;
        begin_note(Closing::TextBox);
        shape_text_ = shape_text_ || groups_.back().closing == Closing::TextBox;
        return true;
    }
    if (word == "shprslt" && std::exchange(shape_text_, false))
        return begin_destination(Destination::Skip, Closing::Nothing), true;
    return false;
}

// A comment's author is its \atnauthor, else its \atnid (initials); both
// are used up by the comment.
void Reader::end_note(Closing closing) {
    std::unique_ptr<Note> note = std::move(notes_.back());
    notes_.pop_back();
    note->out.finish();
    if (closing == Closing::Note) return output().note(note->kind, note->body, state());
    if (closing == Closing::Running) return output().running(note->running, note->pages, note->body);
    if (closing == Closing::TextBox) return output().frame(note->body, state());
    output().comment(author_.empty() ? initials_ : author_, note->body, state());
    author_.clear();
    initials_.clear();
}

// A paragraph's label as its document states it, for readers that keep no
// list tables.  A document with list tables numbers its paragraphs from
// them and the label is read past.
void Reader::begin_label() {
    if (defs_.defines_lists() || state().destination != Destination::Body)
        return begin_destination(Destination::Skip, Closing::Nothing);
    label_.clear();
    begin_destination(Destination::Label, Closing::Label);
}

// The label goes before what the paragraph shows first (the paragraph's
// properties often come after it), with one tab after it; a symbol font's
// codes are the characters they show.
void Reader::end_label(const GroupState &state) {
    const std::string font = state.chars.font.value_or("");
    std::string shown;
    if (!textdoc::is_symbol_font(font)) {
        shown = std::move(label_);
    } else {
        for (const char16_t unit : utf16_of(label_)) {
            const char32_t c = textdoc::unicode_of_symbol(font, unit);
            append_utf8(c == U'\uFFFD' ? unit : c, shown);
        }
    }
    label_.clear();
    const size_t first = shown.find_first_not_of(" \t"), last = shown.find_last_not_of(" \t");
    if (first != std::string::npos) output().label(shown.substr(first, last - first + 1) + "\t");
}

void Reader::close(const Group &group) {
    const GroupState &s = group.state;
    switch (group.closing) {
    case Closing::Font:
        if (font_number_ >= 0 && !defs_.fonts.contains(font_number_)) defs_.fonts[font_number_] = font_;
        font_number_ = -1;
        font_ = {};
        break;
    case Closing::Style: defs_.add_style(s, name_.substr(0, name_.find(';'))); break;
    case Closing::ListLevel: defs_.end_level(s); break;
    case Closing::List: defs_.end_list(); break;
    case Closing::Override: defs_.end_override(); break;
    case Closing::Info:
        if (s.destination == Destination::InfoTime)
            doc_.add_property(property_, iso_time(time_));
        else if (!name_.empty())
            doc_.add_property(property_, name_);
        break;
    case Closing::Field: fields_.pop_back(); break;
    case Closing::Result: output().end_link(); break;
    case Closing::Note:
    case Closing::Comment:
    case Closing::Running:
    case Closing::TextBox: end_note(group.closing); break;
    case Closing::Author: author_ = name_; break;
    case Closing::Initials: initials_ = name_; break;
    case Closing::Picture:
        if (state().destination == Destination::Body && !state().deleted) output().object(picture_object(), state());
        break;
    case Closing::Bookmark:
        if (!name_.empty() && state().destination == Destination::Body) output().bookmark(name_, state());
        break;
    case Closing::Label: end_label(s); break;
    case Closing::Nothing: break;
    }
}

}  // namespace qrv::import::rtf
