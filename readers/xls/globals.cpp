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

    void font(Cursor &in) {
        FontRecord f;
        f.half_points = in.u16() / 10;
        const uint16_t options = in.u16();
        f.italic = options & 0x02;
        f.strike = options & 0x08;
        f.colour = in.u16();
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
        book.formats[id] = utf8_of(string(in, !book.biff8));
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
        case kFilePass:
            throw ImportError(IM_ERR_ENCRYPTED,
                              "the workbook is encrypted (password-protected); save it without a password to export it");
        case kBoundSheet: bound_sheet(in); break;
        case kSst: shared_strings(in); break;
        case kFont: font(in); break;
        case kFormat: format(in); break;
        case kXf: xf(in); break;
        case kPalette: palette(in); break;
        case kDateMode: book.date1904 = in.u16() != 0; break;
        case kCodePage: code_page(in); break;
        default: break;
        }
        return true;
    }
};

}  // namespace

bool stream_is_biff8(std::span<const uint8_t> stream) {
    RecordReader reader(stream);
    Record first;
    if (!reader.next(first)) broken("the workbook stream is empty");
    if (first.type == kBof2 || first.type == kBof3 || first.type == kBof4)
        throw ImportError(IM_ERR_UNSUPPORTED,
                          "an Excel 2.x to 4.x workbook, which is not read; save it as .xls (Excel 97) or .xlsx");
    if (first.type != kBof || first.data.size() < 4) broken("the workbook stream does not start with a BOF record");
    return le16_of(first.data, 0) >= 0x0600;
}

Globals read_globals(std::span<const uint8_t> stream, bool biff8, CodePage &page, TextStore &texts,
                     Diagnostics &diagnostics) {
    Globals book;
    book.biff8 = biff8;
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
    return book;
}

}  // namespace qrv::import::xls
