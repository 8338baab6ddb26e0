// Imports a file held in memory and walks it as the reference filters do,
// logging what the walk tells a writer about each sheet as short text:
//   "== Sheet1\n" then a line a row: "r1: a|=2.5|*bold*|[x](url)|^3|"
// where "=" marks a number, "*...*" bold, "/.../" italic, "{#RRGGBB}" a
// colour, "^n" and "_n" column and row spans, "!" an error value,
// "[text](target)" a link, "h" a hidden row and "gap a-b" rows left out;
// a hidden sheet's name is followed by "(hidden)", "~n" a cell's comment
// number n, and the comments follow the sheets as lines
// "comment PLACE [AUTHOR] TEXT".
#pragma once

#include <gtest/gtest.h>
#include <qrvch.h>
#include <qrvim.h>

#include <cstdio>
#include <string>
#include <vector>

#include "sheet.hpp"
#include "walk.hpp"

namespace qrv::test {

class SheetLog final : public filters::Writer {
public:
    std::string log;
    void begin_paragraph(const filters::ParaFormat &) override {}
    void text(std::string_view t, const filters::TextFormat &) override { log += t; }
    void line_break() override {}
    void end_paragraph() override {}
    void note_reference(unsigned) override {}
    void bookmark(std::string_view) override {}
    void begin_table(unsigned) override {}
    void begin_row() override {}
    void begin_cell(const filters::CellFormat &) override {}
    void end_cell() override {}
    void end_row() override {}
    void end_table() override {}
    void begin_sheet(const filters::SheetInfo &s) override {
        log += "== " + s.name + (s.hidden ? " (hidden)" : "") + "\ncols:";
        for (const auto &c : s.columns) {
            log += " " + std::to_string(c.width_twips);
            if (c.hidden) log += "h";
            if (c.gap) log += "gap" + std::to_string(c.first + 1) + "-" + std::to_string(c.last + 1);
        }
        log += "\n";
    }
    void sheet_row_begin(const filters::SheetRow &r) override {
        log += "r" + std::to_string(r.first + 1);
        if (r.hidden) log += "h";
        if (r.gap) log += " gap " + std::to_string(r.first + 1) + "-" + std::to_string(r.last + 1);
        log += ":";
    }
    void sheet_cell(const filters::SheetCell &c) override {
        std::string shown;
        size_t at = 0;
        for (const auto &s : c.spans) {
            shown += c.text.substr(at, s.begin - at);
            std::string part = c.text.substr(s.begin, s.end - s.begin);
            if (s.format.bold) part = "*" + part + "*";
            if (s.format.italic) part = "/" + part + "/";
            if (s.colour != filters::kNoColour) part += colour(s.colour);
            shown += part;
            at = s.end;
        }
        shown += c.text.substr(at);
        if (c.colour != filters::kNoColour) shown += colour(c.colour);
        if (!c.link.empty()) shown = "[" + shown + "](" + c.link + ")";
        if (c.numeric) shown = "=" + shown;
        if (c.kind == model::kCellError) shown = "!" + shown;
        if (c.column_span > 1) shown += "^" + std::to_string(c.column_span);
        if (c.row_span > 1) shown += "_" + std::to_string(c.row_span);
        for (const auto &comment : c.comments) shown += "~" + std::to_string(comment.number);
        log += " " + shown + "|";
    }
    void sheet_row_end() override { log += "\n"; }
    void end_sheet() override {}
    void finish(std::string_view title, const std::vector<filters::OutlineEntry> &,
                const std::vector<filters::Note> &notes) override {
        log = "title=" + std::string(title) + "\n" + log;
        for (const auto &note : notes)
            if (note.kind == filters::NoteKind::Comment)
                log += "comment " + note.place + " [" + note.author + "] " + note.text + "\n";
    }

private:
    static std::string colour(uint32_t c) {
        char text[16];
        std::snprintf(text, sizeof text, "{#%06X}", c);
        return text;
    }
};

struct SheetImport {
    uint32_t rc = 0;
    std::string message;  // the error, or the warnings
    std::string page;     // the log of the walk
    uint32_t items = 0;   // items of the document
};

inline SheetImport import_and_walk(const std::string &bytes, const char *name, const IMOptions *options = nullptr) {
    SheetImport out;
    CHHandle h = 0;
    char message[1024] = {};
    out.rc = IMImportMemory(bytes.data(), bytes.size(), name, options, &h, message, sizeof message);
    out.message = message;
    if (out.rc != 0) return out;
    CHGetItemCount(h, CH_STORE_ITEMS, &out.items);
    SheetLog log;
    filters::WalkOptions walk;
    walk.progress = false;
    const uint32_t rc = filters::walk_document(h, 0, 0, walk, log);
    out.page = rc ? "walk code " + std::to_string(rc) : log.log;
    CHCloseDocument(h);
    return out;
}

// The chunker's text dump of a file once imported, or the import's error.
inline std::string dump_of(const std::string &bytes, const char *name) {
    CHHandle h = 0;
    char message[512];
    if (IMImportMemory(bytes.data(), bytes.size(), name, nullptr, &h, message, sizeof message) != 0) return message;
    char *text = nullptr;
    size_t length = 0;
    std::string dump = CHDumpDocumentText(h, &text, &length) == 0 ? std::string(text, length) : "no dump";
    CHFreeText(text);
    CHCloseDocument(h);
    return dump;
}

// Checks that a walk went through with no warning and that its log holds
// each of the pieces shown.
inline void expect_clean_walk_showing(const SheetImport &walk, const std::vector<std::string> &shown) {
    ASSERT_EQ(walk.rc, 0u) << walk.message;
    EXPECT_EQ(walk.message, "");
    for (const auto &piece : shown) EXPECT_NE(walk.page.find(piece), std::string::npos) << walk.page;
}

}  // namespace qrv::test
