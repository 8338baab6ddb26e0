// The control words that set the document's code page, the formatting in
// force, table rows, and the characters they stand for.
#include <algorithm>

#include "reader.hpp"

namespace qrv::import::rtf {
namespace {

using textdoc::Align;
using textdoc::CharFormat;
using textdoc::TabKind;
using textdoc::TabLeader;
using textdoc::Underline;
using textdoc::VerticalAlign;

// A toggle: on without a parameter or with one other than 0.
bool on(const Token &t) { return !t.has_param || t.param != 0; }

int32_t twips(const Token &t) { return std::clamp(t.param, -31680 * 10, 31680 * 10); }

struct Named {
    std::string_view word;
    char32_t c;
};

constexpr Named kCharacters[] = {
    {"emdash", 0x2014},    {"endash", 0x2013},    {"lquote", 0x2018}, {"rquote", 0x2019},
    {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"bullet", 0x2022}, {"emspace", 0x2003},
    {"enspace", 0x2002},   {"qmspace", 0x2005},   {"zwj", 0x200D},    {"zwnj", 0x200C},
    {"ltrmark", 0x200E},   {"rtlmark", 0x200F},   {"zwbo", 0x200B},   {"tab", 0x09},
};

constexpr std::pair<std::string_view, Underline> kUnderlines[] = {
    {"ul", Underline::Single},       {"ulw", Underline::Words},   {"uldb", Underline::Double},
    {"ulth", Underline::Thick},      {"uld", Underline::Dotted},  {"uldash", Underline::Dashed},
    {"uldashd", Underline::DotDash}, {"ulwave", Underline::Wave}, {"ulnone", Underline::None},
};

constexpr std::pair<std::string_view, Align> kAligns[] = {
    {"ql", Align::Left}, {"qc", Align::Centre}, {"qr", Align::Right}, {"qj", Align::Justify}, {"qd", Align::Justify}};

}  // namespace

void Reader::word(const Token &t) {
    if (t.name == "u" && t.has_param) return deliver_unicode(t.param);
    if (state().destination == Destination::Skip) return;
    if (state().destination == Destination::Picture && picture_.word(t)) return;
    if (document_word(t) || header_word(t) || body_destination_word(t)) return;
    if (state().destination == Destination::ListTable && list_word(t)) return;
    if (state().destination == Destination::ListOverride) return override_word(t);
    if (character_word(t) || paragraph_word(t) || tab_word(t)) return;
    if (state().destination != Destination::Body) return;
    if (!table_word(t)) special_word(t);
}

bool Reader::document_word(const Token &t) {
    const std::string_view w = t.name;
    if (w == "uc") return state().unicode_skip = std::clamp(t.param, 0, 16), true;
    if (w == "ansi") return document_page_ = 1252, true;
    if (w == "mac") return document_page_ = 10000, true;
    if (w == "pc") return document_page_ = 437, true;
    if (w == "pca") return document_page_ = 850, true;
    if (w == "ansicpg") return document_page_ = t.param > 0 ? t.param : 1252, true;
    if (w == "deff") return default_font_ = t.param, true;
    return false;
}

void Reader::set_font(int32_t number) {
    state().font = number;
    if (const auto f = defs_.fonts.find(number); f != defs_.fonts.end() && !f->second.name.empty())
        state().chars.font = f->second.name;
}

bool Reader::character_word(const Token &t) {
    const std::string_view w = t.name;
    CharFormat &c = state().chars;
    for (const auto &[word, kind] : kUnderlines)
        if (w == word) return c.underline = on(t) ? kind : Underline::None, true;
    if (w == "b") return c.bold = on(t), true;
    if (w == "i") return c.italic = on(t), true;
    if (w == "strike") return c.strike = on(t), true;
    if (w == "striked") return c.double_strike = on(t), true;
    if (w == "caps") return c.caps = on(t), true;
    if (w == "scaps") return c.small_caps = on(t), true;
    if (w == "v") return c.hidden = on(t), true;
    if (w == "super") return c.vertical = VerticalAlign::Superscript, true;
    if (w == "sub") return c.vertical = VerticalAlign::Subscript, true;
    if (w == "nosupersub") return c.vertical = VerticalAlign::Baseline, true;
    if (w == "fs") return c.size = static_cast<uint32_t>(std::clamp(t.param, 1, 3276)), true;
    if (w == "f") return set_font(t.param), true;
    if (w == "cf") return c.colour = defs_.colour(t.param).value_or(CharFormat::kAutoColour), true;
    if (w == "highlight") {
        const auto colour = t.param > 0 ? defs_.colour(t.param) : std::nullopt;
        return c.highlight = colour.value_or(CharFormat::kNoHighlight), true;
    }
    if (w == "cs") return state().character_style = std::max(t.param, 0), true;
    if (w == "deleted") return state().deleted = on(t), true;
    if (w == "plain") {
        c = {};
        state().deleted = false;
        state().character_style = -1;
        state().font = -1;
        if (default_font_ >= 0) set_font(default_font_);
        return true;
    }
    return false;
}

bool Reader::paragraph_word(const Token &t) {
    const std::string_view w = t.name;
    GroupState &s = state();
    textdoc::ParaFormat &p = s.para;
    for (const auto &[word, align] : kAligns)
        if (w == word) return p.align = align, true;
    if (w == "pard") {
        p = {};
        s.paragraph_style = -1;
        s.list_override = -1;
        s.list_level = 0;
        s.nesting = 0;
        return true;
    }
    if (w == "li") return p.left = twips(t), true;
    if (w == "ri") return p.right = twips(t), true;
    if (w == "fi") return p.first_line = twips(t), true;
    if (w == "sb") return p.space_before = twips(t), true;
    if (w == "sa") return p.space_after = twips(t), true;
    if (w == "sl") {
        if (t.param == 0) return p.line_rule = textdoc::LineRule::Auto, p.line = 240, true;
        p.line_rule = t.param < 0 ? textdoc::LineRule::Exact : textdoc::LineRule::AtLeast;
        return p.line = std::abs(twips(t)), true;
    }
    if (w == "slmult") {
        if (on(t)) p.line_rule = textdoc::LineRule::Auto;
        return true;
    }
    if (w == "keepn") return p.keep_next = on(t), true;
    if (w == "keep") return p.keep_lines = on(t), true;
    if (w == "pagebb") return p.page_break_before = on(t), true;
    if (w == "outlinelevel") return p.outline_level = static_cast<unsigned>(std::clamp(t.param, 0, 9)), true;
    if (w == "s") return s.paragraph_style = std::max(t.param, 0), true;
    if (w == "sbasedon") return s.based_on = t.param, true;
    if (w == "ds" || w == "ts" || w == "tsrowd") return s.table_style = true, true;
    if (w == "ls") return s.list_override = t.param, true;
    if (w == "ilvl") return s.list_level = t.param, true;
    if (w == "intbl") return s.nesting = std::max(s.nesting, 1), true;
    if (w == "itap") return s.nesting = std::max(t.param, 0), true;
    return false;
}

bool Reader::tab_word(const Token &t) {
    const std::string_view w = t.name;
    if (w == "tqr") return tab_.kind = TabKind::Right, true;
    if (w == "tqc") return tab_.kind = TabKind::Centre, true;
    if (w == "tqdec") return tab_.kind = TabKind::Decimal, true;
    if (w == "tldot") return tab_.leader = TabLeader::Dot, true;
    if (w == "tlhyph") return tab_.leader = TabLeader::Hyphen, true;
    if (w == "tlul" || w == "tlth") return tab_.leader = TabLeader::Underscore, true;
    if (w == "tlmdot") return tab_.leader = TabLeader::MiddleDot, true;
    if (w != "tx" && w != "tb") return false;
    if (w == "tb") tab_.kind = TabKind::Bar;
    tab_.position = twips(t);
    if (state().para.tabs.size() < 64) state().para.tabs.push_back(tab_);
    tab_ = {};
    return true;
}

bool Reader::table_word(const Token &t) {
    const std::string_view w = t.name;
    RowDefinition &row = rows_[state().nested_props ? 1 : 0];
    if (w == "trowd") return row = {}, cell_ = {}, true;
    if (w == "trhdr") return row.header = true, true;
    if (w == "trrh") return row.height = std::abs(twips(t)), true;
    if (w == "clmgf") return cell_.horizontal = HorizontalMerge::First, true;
    if (w == "clmrg") return cell_.horizontal = HorizontalMerge::Continued, true;
    if (w == "clvmgf") return cell_.vertical = textdoc::VerticalMerge::Restart, true;
    if (w == "clvmrg") return cell_.vertical = textdoc::VerticalMerge::Covered, true;
    if (w == "cellx") {
        cell_.right = twips(t);
        if (row.cells.size() < RowDefinition::kMaxCells) row.cells.push_back(cell_);
        cell_ = {};
        return true;
    }
    if (w == "cell") return output().end_cell(1, state(), rows_[0]), true;
    if (w == "row") return output().end_row(1, state(), rows_[0]), true;
    if (w == "nestcell") return output().end_cell(table_level(state()), state(), rows_[1]), true;
    if (w == "nestrow") return output().end_row(table_level(state()), state(), rows_[1]), true;
    return false;
}

bool Reader::special_word(const Token &t) {
    const std::string_view w = t.name;
    for (const auto &[word, c] : kCharacters)
        if (w == word) {
            std::string utf8;
            append_utf8(c, utf8);
            return body_text(utf8), true;
        }
    if (w == "par" || w == "sect") return output().end_paragraph(state()), true;
    if (w == "line") return output().line_break(state()), true;
    if (w == "page") return output().page_break(state()), true;
    return false;
}

void Reader::symbol(char c) {
    switch (c) {
    case '*': ignorable_ = true; return;
    case '~': return deliver("\u00A0");
    case '_': return deliver("\u2011");
    case '\\':
    case '{':
    case '}': return deliver(std::string_view(&c, 1));
    case '\t': return deliver("\t");
    default: return;  // \- optional hyphens, \: index subentries, \| formulas
    }
}

bool Reader::list_word(const Token &t) {
    const std::string_view w = t.name;
    if (w == "list") return begin_destination(Destination::ListTable, Closing::List), true;
    if (w == "listlevel") {
        state().chars = {};
        state().para = {};
        return begin_destination(Destination::ListTable, Closing::ListLevel), true;
    }
    if (w == "leveltext") {
        defs_.level_text.clear();
        return begin_destination(Destination::ListLevelText, Closing::Nothing), true;
    }
    if (w == "levelnfc" || w == "levelnfcn") return defs_.level_in_hand.kind = number_kind(t.param), true;
    if (w == "levelstartat") return defs_.level_in_hand.start = t.param, true;
    if (w == "levellegal") return defs_.level_in_hand.legal = on(t), true;
    if (w == "listid") return defs_.list_id_in_hand = t.param, true;
    return false;
}

void Reader::override_word(const Token &t) {
    const std::string_view w = t.name;
    if (w == "listoverride") return begin_destination(Destination::ListOverride, Closing::Override);
    if (w == "listid") defs_.override_list = t.param;
    if (w == "ls") defs_.override_number = t.param;
}

}  // namespace qrv::import::rtf
