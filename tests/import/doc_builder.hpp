// Word 97-2003 documents built in memory for tests: a main text given as
// pieces (8-bit or UTF-16), character runs and paragraph properties as
// property-change lists, styles, the font table, footnotes, headers and
// footers, comments, text boxes, shapes, the Data stream and the header's
// flags.  The builder lays out the header, the text (the main text, then
// the footnotes', headers', comments' and text boxes' stories, these in one
// UTF-16 piece), one character page and one paragraph page in the
// WordDocument stream, and the style sheet, the page tables, the piece
// table and the tables of the stories in the table stream.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "compound_file_builder.hpp"

namespace qrv::test::doc {

using test::u16;
using test::u32;
using test::u8;

// One property change: its code and operand.
inline std::string change(uint16_t code, const std::string &operand) { return u16(code) + operand; }

// Paragraph tab changes: positions taken away, then stops added (position
// and a byte of alignment and leader).
inline std::string tab_changes(const std::vector<int16_t> &removed,
                               const std::vector<std::pair<int16_t, uint8_t>> &added) {
    std::string operand = u8(static_cast<uint32_t>(removed.size()));
    for (int16_t at : removed) operand += u16(static_cast<uint16_t>(at));
    operand += u8(static_cast<uint32_t>(added.size()));
    for (const auto &stop : added) operand += u16(static_cast<uint16_t>(stop.first));
    for (const auto &stop : added) operand += u8(stop.second);
    return change(0xC60D, u8(static_cast<uint32_t>(operand.size())) + operand);
}

// A row's layout: the edges (the left one first) and each cell's merge
// flags (fewer flags than cells leave the rest plain).
inline std::string table_definition(const std::vector<int16_t> &edges, const std::vector<uint16_t> &flags) {
    std::string rest = u8(static_cast<uint32_t>(edges.empty() ? 0 : edges.size() - 1));
    for (int16_t at : edges) rest += u16(static_cast<uint16_t>(at));
    for (uint16_t f : flags) rest += u16(f) + std::string(18, '\0');
    return change(0xD608, u16(static_cast<uint32_t>(rest.size() + 1)) + rest);
}

// A picture's header in the Data stream: the size before cropping and
// scaling (twips), the scale (tenths of a percent), the crops (left, top,
// right, bottom, twips), then the records; length, when not 0, is the
// length the header states.
struct DocPicture {
    int16_t width = 0, height = 0;
    uint16_t scale_x = 1000, scale_y = 1000;
    int16_t crop[4] = {};
    std::string records;
    uint32_t length = 0;

    std::string bytes() const {
        std::string out = u32(length ? length : static_cast<uint32_t>(68 + records.size())) + u16(68) + u16(100) +
                          std::string(20, '\0') + u16(static_cast<uint16_t>(width)) +
                          u16(static_cast<uint16_t>(height)) + u16(scale_x) + u16(scale_y);
        for (int16_t c : crop) out += u16(static_cast<uint16_t>(c));
        return out + std::string(68 - out.size(), '\0') + records;
    }
};

struct DocPiece {
    std::u16string text;
    bool compressed = true;
    uint16_t modifier = 0;  // the piece's own property changes: one coded here, or (odd) a list's index * 2 + 1
};

struct CharRun {
    uint32_t from = 0, to = 0;  // character positions of the main text
    std::string changes;
};

struct ParaProps {
    uint16_t style = 0;
    std::string changes;
};

struct DocStyle {
    uint16_t builtin = 0x0FFE, kind = 1, base = 0x0FFF;
    std::u16string name;
    std::string para_changes, char_changes;
};

struct Footnote {
    uint32_t reference = 0;  // position of its reference mark in the main text
    std::u16string text;     // ending with a paragraph mark
};

struct DocComment {
    uint32_t reference = 0;  // position of its reference mark in the main text
    std::u16string author, initials;
    std::u16string text;  // ending with a paragraph mark
};

struct TextBox {
    uint32_t anchor = 0;  // position of its drawn-object mark in the main text
    std::u16string text;  // ending with a paragraph mark
    bool shape_listed = true;  // the shapes' table holds its anchor
};

// A shape drawn at a drawn-object mark of the main text, in its rectangle
// (twips).
struct DocShape {
    uint32_t anchor = 0;
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

class DocBuilder {
public:
    static constexpr const char *kFileName = "test.doc";

    std::vector<DocPiece> pieces;
    std::vector<std::string> piece_changes;  // the lists of changes pieces index
    std::vector<CharRun> runs;
    std::vector<ParaProps> paragraphs;  // one a paragraph mark of the main text, in order
    std::vector<DocStyle> styles;
    std::vector<std::u16string> fonts;  // the font table's names, by slot
    uint16_t default_font = 0;          // the style sheet's default Latin font
    std::vector<Footnote> footnotes;
    // The header story's stories in order: six separators, then six a
    // section (even header, header, even footer, footer, first header, first
    // footer), each with its guard mark.
    std::vector<std::u16string> headers;
    std::vector<DocComment> comments;
    std::vector<TextBox> text_boxes;
    std::vector<DocShape> shapes;     // beside the text boxes' shapes
    // Bookmarks of the main text by their start, in order of it.
    std::vector<std::pair<uint32_t, std::u16string>> bookmarks;
    std::optional<std::string> data;  // the Data stream
    std::string summary;              // the summary information stream, when not empty
    // The list tables as stored: the definitions, their levels (which follow
    // them), the overrides.
    std::string lists, list_levels, overrides;
    uint16_t version = 0xC1;
    bool encrypted = false, table_one = true;

    std::string main_stream() const { return lay_out().first; }
    std::string table_stream() const { return lay_out().second; }

    std::string bytes() const {
        const auto [main, table] = lay_out();
        CompoundFileBuilder file;
        file.add("WordDocument", main);
        file.add(table_one ? "1Table" : "0Table", table);
        if (!summary.empty()) file.add("\x05SummaryInformation", summary);
        if (data) file.add("Data", *data);
        return file.bytes();
    }

private:
    static constexpr size_t kHeader = 1024, kPage = 512, kPairs = 93;

    struct Char {
        char16_t c;
        uint32_t fc, width;
    };

    std::vector<Char> main_chars(std::string &stream) const {
        std::vector<Char> chars;
        for (const DocPiece &p : pieces)
            for (char16_t c : p.text) {
                chars.push_back({c, static_cast<uint32_t>(stream.size()), p.compressed ? 1u : 2u});
                stream += p.compressed ? u8(c) : u16(c);
            }
        for (const std::u16string &story : stories_aside())
            for (char16_t c : story) {
                chars.push_back({c, static_cast<uint32_t>(stream.size()), 2});
                stream += u16(c);
            }
        return chars;
    }

    // The header story ends with one more paragraph mark after its stories.
    std::u16string header_story() const {
        std::u16string all;
        for (const auto &h : headers) all += h;
        return headers.empty() ? all : all + u"\r";
    }

    // The text box story ends with a spare story.
    std::u16string text_box_story() const {
        std::u16string all;
        for (const TextBox &t : text_boxes) all += t.text;
        return text_boxes.empty() ? all : all + u"\r";
    }

    template <typename Story>
    static std::u16string joined(const std::vector<Story> &stories) {
        std::u16string all;
        for (const Story &s : stories) all += s.text;
        return all;
    }

    // The stories after the main text, in their order.
    std::vector<std::u16string> stories_aside() const {
        return {joined(footnotes), header_story(), joined(comments), text_box_story()};
    }

    std::string piece_table() const {
        std::string cps, descriptors;
        uint32_t cp = 0, fc = kHeader;
        for (const DocPiece &p : pieces) {
            cps += u32(cp);
            descriptors += u16(0) + u32(p.compressed ? (fc * 2) | 0x40000000u : fc) + u16(p.modifier);
            cp += static_cast<uint32_t>(p.text.size());
            fc += static_cast<uint32_t>(p.text.size() * (p.compressed ? 1 : 2));
        }
        uint32_t aside = 0;
        for (const std::u16string &story : stories_aside()) aside += static_cast<uint32_t>(story.size());
        if (aside) {  // the stories after the main text, one UTF-16 piece
            cps += u32(cp);
            descriptors += u16(0) + u32(fc) + u16(0);
            cp += aside;
        }
        const std::string plc = cps + u32(cp) + descriptors;
        std::string lists;
        for (const std::string &changes : piece_changes) lists += u8(1) + u16(static_cast<uint32_t>(changes.size())) + changes;
        return lists + u8(2) + u32(static_cast<uint32_t>(plc.size())) + plc;
    }

    // The properties of each character's run, or of each paragraph's mark.
    std::vector<std::string> char_changes(const std::vector<Char> &chars) const {
        std::vector<std::string> of(chars.size());
        for (const CharRun &r : runs)
            for (uint32_t cp = r.from; cp < r.to && cp < chars.size(); ++cp) of[cp] = r.changes;
        return of;
    }

    // A page of runs: the offsets, then an entry each, the lists from the end.
    static std::string page(const std::vector<Char> &chars, const std::vector<std::string> &lists, bool paragraphs,
                            const std::vector<uint16_t> &styles) {
        std::string out(kPage, '\0');
        std::vector<std::pair<uint32_t, uint32_t>> spans;  // [from, to) in chars of each run
        for (size_t i = 0; i < chars.size();) {
            size_t j = i + 1;
            if (paragraphs) {
                while (j <= chars.size() && chars[j - 1].c != 13 && chars[j - 1].c != 7) ++j;
                j = std::min(j, chars.size());
            } else {
                while (j < chars.size() && lists[j] == lists[i]) ++j;
            }
            spans.push_back({static_cast<uint32_t>(i), static_cast<uint32_t>(j)});
            i = j;
        }
        const size_t count = spans.size(), entry = paragraphs ? 13 : 1;
        size_t free_end = kPage - 1;
        for (size_t k = 0; k < count; ++k) {
            put32(out, 4 * k, chars[spans[k].first].fc);
            const std::string &list = lists[spans[k].first];
            const uint16_t style = paragraphs ? styles[spans[k].first] : 0;
            std::string body;
            if (paragraphs) {
                const std::string grpprl = u16(style) + list;
                body = grpprl.size() % 2 ? u8(static_cast<uint32_t>((grpprl.size() + 1) / 2)) + grpprl
                                         : u8(0) + u8(static_cast<uint32_t>(grpprl.size() / 2)) + grpprl;
            } else if (!list.empty()) {
                body = u8(static_cast<uint32_t>(list.size())) + list;
            }
            if (body.empty()) continue;
            free_end = (free_end - body.size()) & ~size_t{1};
            out.replace(free_end, body.size(), body);
            out[4 * (count + 1) + entry * k] = static_cast<char>(free_end / 2);
        }
        const Char &last = chars[spans.back().second - 1];
        put32(out, 4 * count, last.fc + last.width);
        out[kPage - 1] = static_cast<char>(count);
        return out;
    }

    std::string style_sheet() const {
        std::string out = u16(18) + u16(static_cast<uint32_t>(styles.size())) + u16(10) + std::string(8, '\0') +
                          u16(default_font) + std::string(4, '\0');
        for (const DocStyle &s : styles) {
            std::string std = u16(s.builtin) + u16(s.kind | s.base << 4) + u16(s.kind == 1 ? 2 : 1) + u16(0) + u16(0);
            std += u16(static_cast<uint32_t>(s.name.size()));
            for (char16_t c : s.name) std += u16(c);
            std += u16(0);
            const auto upx = [&](const std::string &list) {
                std += u16(static_cast<uint32_t>(list.size())) + list;
                if (list.size() % 2) std += '\0';
            };
            if (s.kind == 1) upx(u16(0) + s.para_changes);
            upx(s.char_changes);
            out += u16(static_cast<uint32_t>(std.size())) + std;
        }
        return out;
    }

    // A count, no extra data, then each font after its length: family,
    // weight, character set, alternative name, shape and signature bytes,
    // the name and its zero.
    std::string font_table() const {
        std::string out = u16(static_cast<uint32_t>(fonts.size())) + u16(0);
        for (const std::u16string &name : fonts) {
            std::string font = u8(0x22) + u16(400) + u8(0) + u8(0) + std::string(34, '\0');
            for (char16_t c : name) font += u16(c);
            font += u16(0);
            out += u8(static_cast<uint32_t>(font.size())) + font;
        }
        return out;
    }

    static std::string bte(const std::vector<Char> &chars, uint32_t page_number) {
        const Char &last = chars.back();
        return u32(chars.front().fc) + u32(last.fc + last.width) + u32(page_number);
    }

    void footnote_tables(uint32_t &refs_at, uint32_t &texts_at, std::string &table) const {
        std::string refs, texts, data;
        uint32_t cp = 0;
        for (const Footnote &f : footnotes) {
            refs += u32(f.reference);
            data += u16(1);
            texts += u32(cp);
            cp += static_cast<uint32_t>(f.text.size());
        }
        refs_at = static_cast<uint32_t>(table.size());
        table += refs + u32(0x7FFFFFFF) + data;
        texts_at = static_cast<uint32_t>(table.size());
        table += texts + u32(cp) + u32(cp + 1);
    }

    // Adds a table to the table stream and says where it lies.
    static void add_table(std::vector<std::pair<uint32_t, uint32_t>> &pairs, std::string &table, size_t index,
                          const std::string &bytes) {
        pairs[index] = {static_cast<uint32_t>(table.size()), static_cast<uint32_t>(bytes.size())};
        table += bytes;
    }

    // Positions bounding stories: each one's start, then the end of all.
    template <typename Story>
    static std::string bounds(const std::vector<Story> &stories, uint32_t (*length)(const Story &)) {
        std::string out;
        uint32_t cp = 0;
        for (const Story &s : stories) {
            out += u32(cp);
            cp += length(s);
        }
        return out + u32(cp);
    }

    template <typename Story>
    static uint32_t text_length(const Story &s) {
        return static_cast<uint32_t>(s.text.size());
    }

    static uint32_t string_length(const std::u16string &s) { return static_cast<uint32_t>(s.size()); }

    // The header story's bounds end one before its length; the last
    // position means nothing.
    std::string header_table() const { return bounds(headers, string_length) + u32(0xFFFFFF); }

    static std::string initials(const std::u16string &s) {
        std::string out = u16(static_cast<uint32_t>(s.size()));
        for (char16_t c : s) out += u16(c);
        return out + std::string(20 - out.size(), '\0');
    }

    void comment_tables(std::vector<std::pair<uint32_t, uint32_t>> &pairs, std::string &table) const {
        std::string refs, records, authors;
        for (size_t i = 0; i < comments.size(); ++i) {
            refs += u32(comments[i].reference);
            records += initials(comments[i].initials) + u16(static_cast<uint32_t>(i)) + u16(0) + u16(0) + u32(0);
            authors += u16(static_cast<uint32_t>(comments[i].author.size()));
            for (char16_t c : comments[i].author) authors += u16(c);
        }
        const auto place = [&](size_t index, const std::string &bytes) { add_table(pairs, table, index, bytes); };
        place(4, refs + u32(0x7FFFFFFF) + records);
        place(5, bounds(comments, text_length<DocComment>) + u32(0x7FFFFFFF));
        place(36, authors);
    }

    static constexpr uint32_t kFirstBoxShape = 1025;

    // Each box's record names its shape; the spare story's is reusable.
    // The names' string table, then the starts (each record naming its end).
    std::string bookmark_names() const {
        std::string out = u16(0xFFFF) + u16(static_cast<uint32_t>(bookmarks.size())) + u16(0);
        for (const auto &[at, name] : bookmarks) {
            out += u16(static_cast<uint32_t>(name.size()));
            for (char16_t c : name) out += u16(c);
        }
        return out;
    }
    std::string bookmark_starts() const {
        std::string out;
        for (const auto &b : bookmarks) out += u32(b.first);
        out += u32(0x7FFFFFFF);
        for (size_t i = 0; i < bookmarks.size(); ++i) out += u16(static_cast<uint32_t>(i)) + u16(0);
        return out;
    }

    std::string text_box_table() const {
        std::string boxes = bounds(text_boxes, text_length<TextBox>), records;
        boxes += u32(static_cast<uint32_t>(text_box_story().size()));
        for (size_t i = 0; i < text_boxes.size(); ++i)
            records += u32(1) + u32(0) + u16(0) + u32(0) + u32(kFirstBoxShape + static_cast<uint32_t>(i)) + u32(0);
        records += u32(0) + u32(0) + u16(1) + u32(0) + u32(0) + u32(0);
        return boxes + records;
    }

    // The shapes by their anchors: those of the text boxes listed, with
    // empty rectangles, and the others.
    std::string shape_table() const {
        std::vector<std::pair<uint32_t, std::string>> listed;
        for (size_t i = 0; i < text_boxes.size(); ++i)
            if (text_boxes[i].shape_listed)
                listed.push_back(
                    {text_boxes[i].anchor, u32(kFirstBoxShape + static_cast<uint32_t>(i)) + std::string(22, '\0')});
        for (size_t i = 0; i < shapes.size(); ++i) {
            const DocShape &s = shapes[i];
            listed.push_back({s.anchor, u32(2049 + static_cast<uint32_t>(i)) + u32(static_cast<uint32_t>(s.left)) +
                                            u32(static_cast<uint32_t>(s.top)) + u32(static_cast<uint32_t>(s.right)) +
                                            u32(static_cast<uint32_t>(s.bottom)) + std::string(6, '\0')});
        }
        std::stable_sort(listed.begin(), listed.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
        std::string anchors, records;
        for (const auto &[anchor, record] : listed) anchors += u32(anchor), records += record;
        return anchors + u32(0x7FFFFFFF) + records;
    }

    std::pair<std::string, std::string> lay_out() const {
        std::string stream(kHeader, '\0');
        const std::vector<Char> chars = main_chars(stream);
        stream.resize((stream.size() + kPage - 1) / kPage * kPage, '\0');
        std::vector<uint16_t> para_styles(chars.size(), 0);
        std::vector<std::string> para_lists(chars.size());
        size_t mark = 0;
        for (size_t i = 0; i < chars.size(); ++i)
            if ((chars[i].c == 13 || chars[i].c == 7) && mark < paragraphs.size()) {
                para_styles[i] = paragraphs[mark].style;
                para_lists[i] = paragraphs[mark++].changes;
            }
        // A paragraph run is keyed by its mark: spread its lists back to its start.
        for (size_t i = chars.size(); i-- > 1;)
            if (chars[i - 1].c != 13 && chars[i - 1].c != 7) {
                para_styles[i - 1] = para_styles[i];
                para_lists[i - 1] = para_lists[i];
            }
        const uint32_t char_page = static_cast<uint32_t>(stream.size() / kPage);
        if (!chars.empty()) stream += page(chars, char_changes(chars), false, {});
        const uint32_t para_page = char_page + 1;
        if (!chars.empty()) stream += page(chars, para_lists, true, para_styles);

        std::string table;
        std::vector<std::pair<uint32_t, uint32_t>> pairs(kPairs);
        const auto place = [&](size_t index, const std::string &bytes) { add_table(pairs, table, index, bytes); };
        place(1, style_sheet());
        if (!chars.empty()) place(12, bte(chars, char_page)), place(13, bte(chars, para_page));
        place(33, piece_table());
        if (!fonts.empty()) place(15, font_table());
        if (!lists.empty()) {
            place(73, lists);
            table += list_levels;
            place(74, overrides);
        }
        if (!footnotes.empty()) {
            uint32_t refs = 0, texts = 0;
            footnote_tables(refs, texts, table);
            pairs[2] = {refs, static_cast<uint32_t>(4 + footnotes.size() * 6 + 4)};
            pairs[3] = {texts, static_cast<uint32_t>(4 * (footnotes.size() + 2))};
        }
        if (!headers.empty()) place(11, header_table());
        if (!bookmarks.empty()) place(21, bookmark_names()), place(22, bookmark_starts());
        if (!comments.empty()) comment_tables(pairs, table);
        if (!text_boxes.empty()) place(56, text_box_table());
        if (!text_boxes.empty() || !shapes.empty()) place(40, shape_table());
        write_header(stream, pairs);
        return {stream, table};
    }

    void write_header(std::string &stream, const std::vector<std::pair<uint32_t, uint32_t>> &pairs) const {
        uint32_t main = 0;
        for (const DocPiece &p : pieces) main += static_cast<uint32_t>(p.text.size());
        const auto aside = stories_aside();
        put16(stream, 0, 0xA5EC), put16(stream, 2, version);
        put16(stream, 10, (encrypted ? 0x0100 : 0) | (table_one ? 0x0200 : 0));
        put16(stream, 32, 14), put16(stream, 62, 22), put32(stream, 64 + 12, main);
        // footnotes, headers, (macros), comments, (endnotes), text boxes
        put32(stream, 64 + 16, string_length(aside[0])), put32(stream, 64 + 20, string_length(aside[1]));
        put32(stream, 64 + 28, string_length(aside[2])), put32(stream, 64 + 36, string_length(aside[3]));
        put16(stream, 152, kPairs);
        for (size_t i = 0; i < pairs.size(); ++i)
            put32(stream, 154 + 8 * i, pairs[i].first), put32(stream, 158 + 8 * i, pairs[i].second);
    }
};

// A document of one piece of text.
inline DocBuilder text_doc(std::u16string text, bool compressed = true) {
    DocBuilder b;
    b.pieces = {{std::move(text), compressed}};
    return b;
}

}  // namespace qrv::test::doc
