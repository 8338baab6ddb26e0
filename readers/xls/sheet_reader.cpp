#include "sheet_reader.hpp"

#include <cmath>
#include <map>

#include "core/column_width.hpp"
#include "biff_text.hpp"
#include "cell_notes.hpp"
#include "error_codes.hpp"
#include "hyperlink.hpp"
#include "record_faults.hpp"
#include "rk_number.hpp"

namespace qrv::import::xls {
namespace {

using namespace record;

class SheetReader {
public:
    SheetReader(SheetContext &c, SheetBuilder &sheet) : c_(c), sheet_(sheet), notes_(c.book.biff8, c.page) {}

    void finish() { notes_.finish(sheet_); }

    void take(const Record &r) {
        Cursor in(r);
        switch (r.type) {
        case kNumber: number(in); break;
        case kRk: rk(in); break;
        case kMulRk: mul_rk(in, r.data.size()); break;
        case kLabelSst: label_sst(in); break;
        case kLabel:
        case kRString: label(in); break;
        case kBoolErr: bool_err(in); break;
        case kFormula:
        case kFormula3:
        case kFormula4: formula(in); break;
        case kString: formula_string(in); break;
        case kMergedCells: merged_cells(in); break;
        case kColInfo: column_info(in); break;
        case kDefColWidth: default_width(in); break;
        case kRow: row(in); break;
        case kHLink: hyperlink(in); break;
        case kWindow2: window(in); break;
        case kPane: pane(in); break;
        case kBlank: blank(in); break;
        case kMulBlank: mul_blank(in, r.data.size()); break;
        case kObj: notes_.object(in); break;
        case kTxo: notes_.text_box(in); break;
        case kNote: notes_.note(in); break;
        default: break;
        }
        // The text result of a formula follows it, after any shared or array formula.
        if (!is_formula(r.type) && r.type != kString && r.type != kSharedFormula && r.type != kArray)
            pending_string_ = false;
    }

private:
    // The sheet's view: its options' bit 1 shows gridlines, bit 3 freezes
    // its panes (the pane record after it tells where), bit 4 shows zero
    // values.
    void window(Cursor &in) {
        if (in.left() < 2) return;
        const uint16_t options = in.u16();
        if (!(options & 0x0010)) sheet_.set_zeros_shown(false);
        if (!(options & 0x0002)) sheet_.set_gridlines(false);
        frozen_ = options & 0x0008;
    }
    // Frozen panes: the rows above the split stay in view.
    void pane(Cursor &in) {
        in.skip(2);
        const uint16_t rows = in.u16();
        if (frozen_) sheet_.set_frozen_rows(rows);
    }
    // Cells without a value that may show a fill or borders.
    void blank(Cursor &in) {
        const Where w = cell(in);
        sheet_.empty(w.row, w.column, w.look);
    }
    void mul_blank(Cursor &in, size_t size) {
        const uint16_t row = in.u16();
        uint16_t column = in.u16();
        for (size_t n = (size - 6) / 2; n > 0; --n, ++column) sheet_.empty(row, column, c_.looks[in.u16()]);
    }

    struct Where {
        uint16_t row, column;
        CellLook look;
    };
    Where cell(Cursor &in) {
        const uint16_t row = in.u16(), column = in.u16();
        return {row, column, c_.looks[in.u16()]};
    }

    void number(Cursor &in) {
        const Where w = cell(in);
        put_number(w, in.f64());
    }
    void put_number(const Where &w, double value) {
        if (std::isfinite(value)) sheet_.number(w.row, w.column, value, w.look);
    }
    void rk(Cursor &in) {
        const Where w = cell(in);
        put_number(w, rk_number(in.u32()));
    }
    // A row of packed numbers: each its own cell format; the last column
    // closes the record.
    void mul_rk(Cursor &in, size_t size) {
        const uint16_t row = in.u16();
        uint16_t column = in.u16();
        for (size_t n = (size - 6) / 6; n > 0; --n, ++column) {
            const CellLook look = c_.looks[in.u16()];
            put_number({row, column, look}, rk_number(in.u32()));
        }
    }
    void label_sst(Cursor &in) {
        const Where w = cell(in);
        const uint32_t index = in.u32();
        if (index < c_.book.shared_strings.size()) {
            sheet_.text(w.row, w.column, c_.book.shared_strings[index], w.look);
        } else if (!warned_string_) {
            warned_string_ = true;
            c_.diagnostics.warn("a cell names shared string " + std::to_string(index) + " of " +
                                std::to_string(c_.book.shared_strings.size()) + "; such cells are left empty");
        }
    }
    void label(Cursor &in) {
        const Where w = cell(in);
        put_text(w, read_string(in, c_.book.biff8, c_.page));
    }
    void put_text(const Where &w, const std::u16string &text) {
        if (!text.empty()) sheet_.text(w.row, w.column, c_.texts.add(text), w.look);
    }
    void put_error(const Where &w, uint8_t code) {
        auto id = errors_.find(code);
        if (id == errors_.end()) id = errors_.emplace(code, c_.texts.add(error_code_text(code))).first;
        sheet_.error(w.row, w.column, id->second, w.look);
    }
    void bool_err(Cursor &in) {
        const Where w = cell(in);
        const uint8_t value = in.u8();
        if (in.u8()) {
            put_error(w, value);
        } else {
            sheet_.truth(w.row, w.column, value != 0, w.look);
        }
    }
    // The cached result of a formula; a text result follows in a STRING
    // record.
    void formula(Cursor &in) {
        const Where w = cell(in);
        const auto result = in.take(8);
        if (result[6] != 0xFF || result[7] != 0xFF) return put_number(w, le_double(result.data()));
        switch (result[0]) {
        case 0: pending_ = w, pending_string_ = true; break;
        case 1: sheet_.truth(w.row, w.column, result[2] != 0, w.look); break;
        case 2: put_error(w, result[2]); break;
        default: break;  // an empty text
        }
    }
    void formula_string(Cursor &in) {
        if (!pending_string_) return;
        pending_string_ = false;
        put_text(pending_, read_string(in, c_.book.biff8, c_.page));
    }
    void merged_cells(Cursor &in) {
        for (uint16_t n = in.u16(); n > 0; --n) {
            const uint16_t top = in.u16(), bottom = in.u16(), left = in.u16(), right = in.u16();
            if (top <= bottom && left <= right) sheet_.merge(top, left, bottom, right);
        }
    }
    void column_info(Cursor &in) {
        const uint16_t first = in.u16(), last = in.u16(), width = in.u16();
        in.skip(2);
        const bool hidden = in.u16() & 0x01;
        if (first <= last) sheet_.set_columns(first, last, twips_of_width(width / 256.0), hidden);
    }
    void default_width(Cursor &in) {
        sheet_.set_default_width(twips_of_width(width_of_base(in.u16())));
    }
    // A row's options: bit 5 hides it, bit 6 gives it a height of its own.
    void row(Cursor &in) {
        const uint16_t number = in.u16();
        in.skip(4);
        const uint16_t height = in.u16() & 0x7FFF;
        in.skip(4);
        const uint16_t options = in.u16();
        if (options & 0x20) sheet_.hide_row(number);
        if (options & 0x40) sheet_.set_row_height(number, height);
    }
    void hyperlink(Cursor &in) {
        const uint16_t top = in.u16(), bottom = in.u16(), left = in.u16(), right = in.u16();
        const std::string url = hyperlink_target(in);
        if (!url.empty() && top <= bottom && left <= right) sheet_.link(top, left, url);
    }

    SheetContext &c_;
    SheetBuilder &sheet_;
    CellNotes notes_;
    bool frozen_ = false;  // the view's panes are frozen
    std::map<uint8_t, uint32_t> errors_;  // error code -> text number
    Where pending_{};
    bool pending_string_ = false;
    bool warned_string_ = false;
};

}  // namespace

void read_sheet(SheetContext &context, std::span<const uint8_t> stream, uint32_t offset, SheetBuilder &sheet) {
    RecordReader records(stream, offset);
    Record r;
    if (!records.next(r) || !is_bof(r.type)) {
        context.diagnostics.warn("a sheet does not start with a BOF record; it is left empty");
        return;
    }
    SheetReader reader(context, sheet);
    RecordFaults faults(context.diagnostics, "a sheet");
    unsigned depth = 0;  // charts and other substreams inside the sheet
    while (records.next(r)) {
        if (is_bof(r.type)) ++depth;
        if (r.type == kEof && depth-- == 0) break;
        if (depth > 0) continue;
        try {
            reader.take(r);
        } catch (const RecordTooShort &) {
            faults.short_record(r);
        }
    }
    reader.finish();
}

}  // namespace qrv::import::xls
