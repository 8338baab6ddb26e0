#include "globals.hpp"

#include "core/error.hpp"
#include "core/legacy_palette.hpp"
#include "biff_text.hpp"
#include "xf_codes.hpp"
#include "record_faults.hpp"

namespace qrv::import::xls {
namespace {

using namespace record;

struct GlobalsReader {
    Globals &book;
    CodePage &page;
    TextStore &texts;
    Diagnostics &diagnostics;

    std::u16string string(Cursor &in, bool short_length = false) {
        return read_string(in, book.biff8, page, short_length);
    }

    void bound_sheet(Cursor &in) {
        SheetEntry sheet;
        sheet.offset = in.u32();
        sheet.hidden = (in.u8() & 3) != 0;
        sheet.kind = in.u8();
        sheet.name = utf8_of(string(in, true));
        book.sheets.push_back(std::move(sheet));
    }

    void shared_strings(Cursor &in) {
        in.skip(4);  // the count of cells that use them
        const uint32_t unique = in.u32();
        for (uint32_t i = 0; i < unique && in.left() > 0; ++i) book.shared_strings.push_back(texts.add(string(in)));
        if (book.shared_strings.size() < unique)
            diagnostics.warn("the shared strings end after " + std::to_string(book.shared_strings.size()) + " of " +
                             std::to_string(unique));
    }

    // What every version's FONT starts with: size, options (italic and
    // strike the same bits in each) and colour.
    static FontRecord font_start(Cursor &in, uint16_t &options) {
        FontRecord f;
        f.half_points = in.u16() / 10;
        options = in.u16();
        f.italic = options & 0x02;
        f.strike = options & 0x08;
        f.colour = in.u16();
        return f;
    }

    void font(Cursor &in) {
        uint16_t options;
        FontRecord f = font_start(in, options);
        f.bold = in.u16() >= 700;
        const uint16_t script = in.u16();
        f.superscript = script == 1;
        f.subscript = script == 2;
        f.underline = in.u8() != 0;
        in.skip(3);  // family, character set, reserved
        f.name = utf8_of(string(in, true));
        book.fonts.push_back(std::move(f));
    }

    void format(Cursor &in) {
        const uint16_t id = in.u16();
        if (book.version == Biff::V4) return old_format(in);  // its number is unused
        book.formats[id] = utf8_of(string(in, !book.biff8));
    }
    // Excel 3 and 4 number their formats in order.
    void old_format(Cursor &in) {
        const auto id = static_cast<uint16_t>(book.formats.size());
        book.formats[id] = utf8_of(string(in, true));
    }

    // Excel 3 and 4 fonts: bold and underline among the options, then the
    // name.
    void old_font(Cursor &in) {
        uint16_t options;
        FontRecord f = font_start(in, options);
        f.bold = options & 0x01;
        f.underline = options & 0x04;
        f.name = utf8_of(string(in, true));
        book.fonts.push_back(std::move(f));
    }

    // Excel 3 and 4 cell formats: one-byte font and format numbers, then
    // the alignment where each version puts it.
    void old_xf(Cursor &in, bool excel4) {
        XfRecord x;
        x.font = in.u8();
        x.format = in.u8();
        in.skip(2);
        const uint8_t alignment = in.u8();
        x.align = align_of_code(alignment & 7);
        x.wraps = alignment & 0x08;
        if (excel4) x.vertical = vertical_of_code(alignment >> 4 & 3);
        book.xfs.push_back(x);
    }

    void xf(Cursor &in) {
        XfRecord x;
        x.font = in.u16();
        x.format = in.u16();
        in.skip(2);
        const uint8_t alignment = in.u8();
        x.align = align_of_code(alignment & 7);
        if (book.biff8 && in.left() >= 13) frame_of_xf(alignment, in, x);
        book.xfs.push_back(x);
    }

    // Wrapping, vertical alignment, borders and fill of an Excel 97 XF.
    static void frame_of_xf(uint8_t alignment, Cursor &in, XfRecord &x) {
        x.wraps = alignment & 0x08;
        const uint8_t vertical = alignment >> 4 & 7;
        x.vertical = vertical_of_code(vertical);
        in.skip(3);
        const uint32_t lines = in.u32(), more = in.u32();
        const uint16_t colours = in.u16();
        // Lines four bits a side: left, right, top, bottom; colours seven bits.
        constexpr uint32_t kSideOfLine[model::kSideCount] = {model::kSideLeft, model::kSideRight, model::kSideTop,
                                                             model::kSideBottom};
        for (uint32_t i = 0; i < model::kSideCount; ++i) x.borders[kSideOfLine[i]].line = lines >> (4 * i) & 0xF;
        x.borders[model::kSideLeft].colour = lines >> 16 & 0x7F;
        x.borders[model::kSideRight].colour = lines >> 23 & 0x7F;
        x.borders[model::kSideTop].colour = more & 0x7F;
        x.borders[model::kSideBottom].colour = more >> 7 & 0x7F;
        x.pattern = more >> 26 & 0x3F;
        x.pattern_colour = colours & 0x7F;
        x.background_colour = colours >> 7 & 0x7F;
    }

    void palette(Cursor &in) {
        const uint16_t count = in.u16();
        for (uint16_t i = 0; i < count && i < book.palette.size(); ++i) {
            const auto rgb = in.take(4);
            book.palette[i] = uint32_t{rgb[0]} << 16 | uint32_t{rgb[1]} << 8 | rgb[2];
        }
    }

    void code_page(Cursor &in) {
        const uint16_t number = in.u16();
        if (!book.biff8 && !page.set(number))
            diagnostics.warn("code page " + std::to_string(number) + " is not known; Windows-1252 is used");
    }

    // One record; false at the end of the globals.
    bool take(const Record &r) {
        Cursor in(r);
        switch (r.type) {
        case kEof: return false;
        case kBoundSheet: bound_sheet(in); break;
        case kSst: shared_strings(in); break;
        case kFont: font(in); break;
        case kFont3: old_font(in); break;
        case kFormat: format(in); break;
        case kFormat3: old_format(in); break;
        case kXf: xf(in); break;
        case kXf3: old_xf(in, false); break;
        case kXf4: old_xf(in, true); break;
        case kPalette: palette(in); break;
        case kDateMode: book.date1904 = in.u16() != 0; break;
        case kCodePage: code_page(in); break;
        default: break;
        }
        return true;
    }
};

}  // namespace

Biff stream_version(std::span<const uint8_t> stream) {
    RecordReader reader(stream);
    Record first;
    if (!reader.next(first)) broken("the workbook stream is empty");
    const bool old = first.type == kBof3 || first.type == kBof4;
    // An Excel 3 or 4 worksheet names its kind, 0x10, after its version.
    if (first.type == kBof2 || (old && (first.data.size() < 4 || le16_of(first.data, 2) != 0x0010)))
        throw ImportError(IM_ERR_UNSUPPORTED,
                          "an Excel 2.x workbook or an Excel 4 workbook of several sheets, which is not read; save "
                          "it as .xls (Excel 97) or .xlsx");
    if (old) return first.type == kBof3 ? Biff::V3 : Biff::V4;
    if (first.type != kBof || first.data.size() < 4) broken("the workbook stream does not start with a BOF record");
    return le16_of(first.data, 0) >= 0x0600 ? Biff::V8 : Biff::V5;
}

Globals read_globals(std::span<const uint8_t> stream, Biff version, CodePage &page, TextStore &texts,
                     Diagnostics &diagnostics) {
    Globals book;
    book.version = version;
    book.biff8 = version == Biff::V8;
    std::copy(std::begin(kLegacyPalette) + 8, std::end(kLegacyPalette), book.palette.begin());
    GlobalsReader reader{book, page, texts, diagnostics};
    RecordReader records(stream);
    Record r;
    records.next(r);  // the BOF record
    RecordFaults faults(diagnostics, "the workbook globals");
    while (records.next(r)) {
        try {
            if (!reader.take(r)) break;
        } catch (const RecordTooShort &) {
            faults.short_record(r);
        }
    }
    if (version == Biff::V3 || version == Biff::V4) book.sheets = {SheetEntry{"Sheet1", 0, false, 0}};
    return book;
}

}  // namespace qrv::import::xls
