#include "worksheet.hpp"

#include <cmath>
#include <map>

#include "core/column_width.hpp"
#include "xls/error_codes.hpp"
#include "xls/rk_number.hpp"
#include "xlsx/cell_ref.hpp"
#include "writer/utf16.hpp"
#include "cell_range.hpp"
#include "record_stream.hpp"
#include "record_types.hpp"
#include "wide_string.hpp"

namespace qrv::import::xlsb {
namespace {

class BinarySheetReader {
public:
    BinarySheetReader(BinaryBook &book, const std::string &part, SheetBuilder &sheet)
        : book_(book), part_(part), sheet_(sheet) {}

    void take(const Record &r, Cursor &in) {
        switch (r.type) {
        case brt::kRowHeader: row(in); break;
        case brt::kCellBlank: blank(in); break;
        case brt::kCellRk: number_of_rk(in); break;
        case brt::kCellError:
        case brt::kFormulaError: error(in); break;
        case brt::kCellBool:
        case brt::kFormulaBool: truth(in); break;
        case brt::kCellReal:
        case brt::kFormulaNumber: real(in); break;
        case brt::kCellString:
        case brt::kFormulaString: own_text(in); break;
        case brt::kCellRichString: rich_text(in); break;
        case brt::kCellSharedString: shared_text(in); break;
        case brt::kColumnInfo: column(in); break;
        case brt::kMergeCell: merge(in); break;
        case brt::kSheetFormatInfo: format(in); break;
        case brt::kBeginSheetView: view(in); break;
        case brt::kPane: pane(in); break;
        case brt::kHyperlink: hyperlink(in); break;
        default: break;
        }
    }

private:
    void warn(const std::string &what) {
        if (warnings_++ < 3) book_.package.diagnostics().warn(part_ + ": " + what);
    }

    // A row's number, cell format and height in twips, then its options:
    // bit 12 hides it, bit 13 gives it a height of its own.
    void row(Cursor &in) {
        const uint32_t number = in.u32();
        in.skip(4);
        const uint16_t height = in.u16(), options = in.u16();
        if (number >= xlsx::kMaxRows) {
            warn("row " + std::to_string(number) + " is out of range; its cells are left out");
            row_ = xlsx::kMaxRows;
            return;
        }
        row_ = number;
        if (options & 0x1000) sheet_.hide_row(row_);
        if (height > 0 && ((options & 0x2000) || height != default_height_)) sheet_.set_row_height(row_, height);
    }

    // Every cell starts with its column and its cell format (24 bits).
    struct BinaryCell {
        uint32_t column;
        const CellLook *look;
    };
    std::optional<BinaryCell> cell(Cursor &in) {
        const uint32_t column = in.u32(), style = in.u32() & 0xFFFFFF;
        if (row_ >= xlsx::kMaxRows) return std::nullopt;
        if (column >= xlsx::kMaxColumns) {
            warn("a cell of row " + std::to_string(row_ + 1) + " is in column " + std::to_string(column) +
                 ", out of range; it is left out");
            return std::nullopt;
        }
        return BinaryCell{column, &book_.styles.look(style)};
    }

    void blank(Cursor &in) {
        if (auto c = cell(in)) sheet_.empty(row_, c->column, *c->look);
    }
    void put_number(const std::optional<BinaryCell> &c, double value) {
        if (c && std::isfinite(value)) sheet_.number(row_, c->column, value, *c->look);
    }
    void number_of_rk(Cursor &in) {
        const auto c = cell(in);
        put_number(c, xls::rk_number(in.u32()));
    }
    void real(Cursor &in) {
        const auto c = cell(in);
        put_number(c, in.f64());
    }
    // A truth value under a number format of its own shows as that number.
    void truth(Cursor &in) {
        const auto c = cell(in);
        const bool value = in.u8() != 0;
        if (!c) return;
        if (c->look->format_key == 0)
            sheet_.truth(row_, c->column, value, *c->look);
        else
            sheet_.number(row_, c->column, value ? 1 : 0, *c->look);
    }
    void error(Cursor &in) {
        const auto c = cell(in);
        const uint8_t code = in.u8();
        if (!c) return;
        auto id = errors_.find(code);
        if (id == errors_.end()) id = errors_.emplace(code, book_.texts.add(xls::error_code_text(code))).first;
        sheet_.error(row_, c->column, id->second, *c->look);
    }
    void own_text(Cursor &in) {
        const auto c = cell(in);
        const std::u16string chars = wide_string(in);
        if (c) sheet_.text(row_, c->column, book_.texts.add(chars), *c->look);
    }
    void rich_text(Cursor &in) {
        const auto c = cell(in);
        const uint32_t text = book_.rich.read(in);
        if (c) sheet_.text(row_, c->column, text, *c->look);
    }
    void shared_text(Cursor &in) {
        const auto c = cell(in);
        const uint32_t index = in.u32();
        if (!c) return;
        if (index < book_.shared_strings.size())
            sheet_.text(row_, c->column, book_.shared_strings[index], *c->look);
        else
            warn("a cell names shared string " + std::to_string(index) + " of " +
                 std::to_string(book_.shared_strings.size()) + "; left out");
    }

    // First and last column, width in 256ths of a character, cell format,
    // then the options: bit 0 hides the columns.
    void column(Cursor &in) {
        const uint32_t first = in.u32(), last = in.u32(), width = in.u32();
        in.skip(4);
        const bool hidden = in.u16() & 0x01;
        if (first > last || first >= xlsx::kMaxColumns) return;
        sheet_.set_columns(first, std::min(last, xlsx::kMaxColumns - 1), twips_of_width(width / 256.0), hidden);
    }

    // The sheet's default column width (256ths of a character, all ones for
    // none), its base width in characters and its default row height.
    void format(Cursor &in) {
        const uint32_t width = in.u32();
        const uint16_t base = in.u16(), height = in.u16();
        sheet_.set_default_width(twips_of_width(width != 0xFFFFFFFFu ? width / 256.0 : width_of_base(base)));
        if (height > 0) {
            default_height_ = height;
            sheet_.set_default_height(height);
        }
    }

    void merge(Cursor &in) {
        const BinaryRange r = BinaryRange::read(in);
        if (r.sound())
            sheet_.merge(r.top, r.left, r.bottom, r.right);
        else
            warn("a merged range is out of range; left out");
    }

    // The first view's options: bit 2 shows gridlines, bit 4 zero values.
    void view(Cursor &in) {
        if (seen_view_) return;
        seen_view_ = in_first_view_ = true;
        const uint16_t options = in.u16();
        if (!(options & 0x0010)) sheet_.set_zeros_shown(false);
        if (!(options & 0x0004)) sheet_.set_gridlines(false);
    }
    // The split across and down, the top row and left column, the active
    // pane, then whether the panes are frozen: the rows above stay in view.
    void pane(Cursor &in) {
        if (!in_first_view_) return;
        in_first_view_ = false;
        in.skip(8);
        const double rows = in.f64();
        in.skip(12);
        if ((in.u8() & 0x01) && rows >= 1 && rows < xlsx::kMaxRows) sheet_.set_frozen_rows(static_cast<uint32_t>(rows));
    }

    // The range, the relationship of its target and a place in the workbook.
    void hyperlink(Cursor &in) {
        const BinaryRange r = BinaryRange::read(in);
        const std::string id = utf8_of(nullable_wide_string(in));
        const std::string location = wide_string_utf8(in);
        if (!r.sound()) return;
        std::string url;
        if (!id.empty())
            if (const Relationship *rel = book_.package.relationship(part_, id)) url = rel->target;
        if (!location.empty()) url.append(1, '#').append(location);
        if (url.empty()) return;
        // A link over a range goes to each of its cells, within reason.
        unsigned budget = 256;
        for (uint32_t row = r.top; row <= r.bottom && budget; ++row)
            for (uint32_t col = r.left; col <= r.right && budget; ++col, --budget) sheet_.link(row, col, url);
    }

    BinaryBook &book_;
    const std::string &part_;
    SheetBuilder &sheet_;
    unsigned warnings_ = 0;
    uint32_t row_ = 0;
    uint16_t default_height_ = 300;  // twips
    bool seen_view_ = false, in_first_view_ = false;
    std::map<uint8_t, uint32_t> errors_;  // error code -> text number
};

}  // namespace

void read_worksheet(BinaryBook &book, const std::string &part, SheetBuilder &sheet) {
    BinarySheetReader reader(book, part, sheet);
    read_records(book.package, part, [&reader](const Record &r, Cursor &in) { reader.take(r, in); });
}

}  // namespace qrv::import::xlsb
