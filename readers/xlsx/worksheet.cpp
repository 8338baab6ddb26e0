#include "worksheet.hpp"

#include <charconv>
#include <cmath>
#include <unordered_map>

#include "core/column_width.hpp"
#include "package/root_check.hpp"
#include "sheet/day_numbers.hpp"
#include "cell_ref.hpp"
#include "escapes.hpp"
#include "rich_text.hpp"
#include "package/xml_boolean.hpp"

namespace qrv::import::xlsx {
namespace {

std::optional<double> double_of(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '+')) text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<uint32_t> index_of(std::string_view text) {
    uint32_t n = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return n;
}

enum class CellType : uint8_t { Number, Shared, FormulaText, Inline, Truth, Error, Date };

CellType type_of(std::string_view t) {
    if (t.empty() || t == "n") return CellType::Number;
    if (t == "s") return CellType::Shared;
    if (t == "str") return CellType::FormulaText;
    if (t == "inlineStr") return CellType::Inline;
    if (t == "b") return CellType::Truth;
    if (t == "e") return CellType::Error;
    if (t == "d") return CellType::Date;
    return CellType::Number;
}

class WorksheetReader final : public XmlHandler {
public:
    WorksheetReader(WorkbookContext &book, const std::string &part, SheetBuilder &sheet)
        : book_(book), part_(part), sheet_(sheet), diagnostics_(book.package.diagnostics()) {}

    void start(const XmlName &name, const XmlAttributes &a) override {
        if (in_inline_) return inline_.start(name, a);
        if (name.ns != Ns::Spreadsheet) return;
        const std::string_view l = name.local;
        if (l == "c")
            start_cell(a);
        else if (l == "v")
            capturing_ = in_cell_, value_.clear();
        else if (l == "row")
            start_row(a);
        else if (l == "is")
            start_inline();
        else if (l == "col")
            column(a);
        else if (l == "mergeCell")
            merge(a);
        else if (l == "hyperlink")
            hyperlink(a);
        else if (l == "sheetFormatPr")
            format(a);
        else if (l == "sheetView")
            view(a);
        else if (l == "pane")
            pane(a);
    }

    void end(const XmlName &name) override {
        if (in_inline_) {
            if (name.is(Ns::Spreadsheet, "is"))
                in_inline_ = false;
            else
                inline_.end(name);
            return;
        }
        if (name.ns != Ns::Spreadsheet) return;
        if (name.local == "v") {
            capturing_ = false;
            has_value_ = in_cell_;
        } else if (name.local == "c") {
            end_cell();
        } else if (name.local == "sheetView") {
            in_first_view_ = false;
        }
    }

    void text(std::string_view chars) override {
        if (capturing_)
            value_ += chars;
        else if (in_inline_)
            inline_.text(chars);
    }

private:
    void warn(const std::string &what) {
        if (warnings_++ < 3) diagnostics_.warn(what);
    }

    void start_inline() {
        if (!in_cell_) return;
        in_inline_ = has_value_ = true;
        type_ = CellType::Inline;
        inline_ = RichTextReader{};
    }

    void start_row(const XmlAttributes &a) {
        const std::string_view r = a.get(Ns::None, "r");
        if (r.empty()) {
            ++row_;
        } else if (auto n = index_of(r); n && *n >= 1 && *n <= kMaxRows) {
            row_ = *n - 1;
        } else {
            warn("row '" + std::string(r) + "' is out of range; its cells are left out");
            row_ = kMaxRows;
        }
        next_column_ = 0;
        if (row_ >= kMaxRows) return;
        if (xml_true(a.get(Ns::None, "hidden"))) sheet_.hide_row(row_);
        // A height of the row's own, or one its program fitted to larger text.
        const auto height = double_of(a.get(Ns::None, "ht"));
        if (height && *height > 0 && *height < 4096 &&
            (xml_true(a.get(Ns::None, "customHeight")) || std::abs(*height - default_height_) > 0.01))
            sheet_.set_row_height(row_, static_cast<uint32_t>(std::lround(*height * 20)));
    }

    void start_cell(const XmlAttributes &a) {
        in_cell_ = true;
        has_value_ = false;
        value_.clear();
        type_ = type_of(a.get(Ns::None, "t"));
        const std::string_view s = a.get(Ns::None, "s");
        style_ = s.empty() ? 0 : index_of(s).value_or(0);
        const std::string_view r = a.get(Ns::None, "r");
        if (r.empty()) {
            ref_ = CellRef{row_, next_column_};
            ref_ok_ = row_ < kMaxRows && next_column_ < kMaxColumns;
        } else if (auto ref = parse_cell(r)) {
            ref_ = *ref, ref_ok_ = true;
        } else {
            ref_ok_ = false;
            warn("cell reference '" + std::string(r) + "' is malformed or out of range; the cell is left out");
        }
        if (ref_ok_) row_ = ref_.row, next_column_ = ref_.column + 1;
    }

    void end_cell() {
        in_cell_ = false;
        if (!ref_ok_) return;
        const CellLook &look = book_.styles.look(style_);
        if (!has_value_) return sheet_.empty(ref_.row, ref_.column, look);
        const uint32_t row = ref_.row, col = ref_.column;
        switch (type_) {
        case CellType::Number:
            if (auto v = double_of(value_))
                sheet_.number(row, col, *v, look);
            else
                warn("cell " + name_of(ref_) + ": '" + value_.substr(0, 40) + "' is not a number; left out");
            break;
        case CellType::Shared: shared(row, col, look); break;
        case CellType::FormulaText: sheet_.text(row, col, text_of(value_), look); break;
        case CellType::Inline: sheet_.text(row, col, inline_.finish(book_.texts, book_.fonts), look); break;
        case CellType::Truth: truth(row, col, value_ != "0" && value_ != "false", look); break;
        case CellType::Error: sheet_.error(row, col, error_text(value_), look); break;
        case CellType::Date:
            if (auto v = day_number_of_iso(value_, book_.date1904))
                sheet_.number(row, col, *v, look);
            else
                sheet_.text(row, col, text_of(value_), look);
            break;
        }
    }

    // A truth value under a number format of its own shows as that number.
    void truth(uint32_t row, uint32_t col, bool value, const CellLook &look) {
        if (look.format_key == 0)
            sheet_.truth(row, col, value, look);
        else
            sheet_.number(row, col, value ? 1 : 0, look);
    }

    void shared(uint32_t row, uint32_t col, const CellLook &look) {
        const auto index = index_of(value_);
        if (index && *index < book_.shared_strings.size()) {
            sheet_.text(row, col, book_.shared_strings[*index], look);
            return;
        }
        warn("cell " + name_of(ref_) + " names shared string '" + value_.substr(0, 20) + "' of " +
             std::to_string(book_.shared_strings.size()) + "; left out");
    }

    uint32_t text_of(std::string_view utf8) {
        scratch_.clear();
        append_unescaped(utf8, scratch_);
        return book_.texts.add(scratch_);
    }

    // Error texts are few; each is stored once.
    uint32_t error_text(const std::string &utf8) {
        auto found = errors_.find(utf8);
        if (found != errors_.end()) return found->second;
        return errors_[utf8] = text_of(utf8);
    }

    void column(const XmlAttributes &a) {
        const auto first = index_of(a.get(Ns::None, "min")), last = index_of(a.get(Ns::None, "max"));
        if (!first || !last || *first < 1 || *first > *last) return;
        const uint32_t end = std::min<uint32_t>(*last, kMaxColumns);
        const auto width = double_of(a.get(Ns::None, "width"));
        sheet_.set_columns(*first - 1, end - 1, width ? twips_of_width(*width) : default_width_,
                           xml_true(a.get(Ns::None, "hidden")));
    }

    // The first view's showZeros="0" hides the sheet's zero values.
    void view(const XmlAttributes &a) {
        if (seen_view_) return;
        seen_view_ = true;
        const std::string_view zeros = a.get(Ns::None, "showZeros");
        if (zeros == "0" || zeros == "false") sheet_.set_zeros_shown(false);
        const std::string_view grid = a.get(Ns::None, "showGridLines");
        if (grid == "0" || grid == "false") sheet_.set_gridlines(false);
        in_first_view_ = true;
    }

    // Rows frozen at the top of the first view.
    void pane(const XmlAttributes &a) {
        if (!in_first_view_) return;
        in_first_view_ = false;
        const std::string_view state = a.get(Ns::None, "state");
        const auto rows = double_of(a.get(Ns::None, "ySplit"));
        if ((state == "frozen" || state == "frozenSplit") && rows && *rows >= 1 && *rows < kMaxRows)
            sheet_.set_frozen_rows(static_cast<uint32_t>(*rows));
    }

    void format(const XmlAttributes &a) {
        auto width = double_of(a.get(Ns::None, "defaultColWidth"));
        if (!width) width = width_of_base(double_of(a.get(Ns::None, "baseColWidth")).value_or(8));
        default_width_ = twips_of_width(*width);
        sheet_.set_default_width(default_width_);
        const auto height = double_of(a.get(Ns::None, "defaultRowHeight"));
        default_height_ = height && *height > 0 && *height < 4096 ? *height : 15;
        sheet_.set_default_height(static_cast<uint32_t>(std::lround(default_height_ * 20)));
    }

    void merge(const XmlAttributes &a) {
        if (auto range = parse_range(a.get(Ns::None, "ref")))
            sheet_.merge(range->first.row, range->first.column, range->last.row, range->last.column);
        else
            warn("merged range '" + std::string(a.get(Ns::None, "ref")) + "' is malformed; left out");
    }

    void hyperlink(const XmlAttributes &a) {
        const auto range = parse_range(a.get(Ns::None, "ref"));
        if (!range) return;
        std::string url;
        const std::string_view id = a.get(Ns::Relationships, "id");
        if (!id.empty()) {
            if (const Relationship *r = book_.package.relationship(part_, id)) url = r->target;
        }
        const std::string_view location = a.get(Ns::None, "location");
        if (!location.empty()) url.append(1, '#').append(location);
        if (url.empty()) return;
        // A link over a range goes to each of its cells, within reason.
        unsigned budget = 256;
        for (uint32_t r = range->first.row; r <= range->last.row && budget; ++r)
            for (uint32_t c = range->first.column; c <= range->last.column && budget; ++c, --budget)
                sheet_.link(r, c, url);
    }

    static std::string name_of(const CellRef &ref) {
        std::string letters;
        for (uint32_t c = ref.column + 1; c > 0; c = (c - 1) / 26)
            letters.insert(letters.begin(), static_cast<char>('A' + (c - 1) % 26));
        return letters + std::to_string(ref.row + 1);
    }

    WorkbookContext &book_;
    const std::string &part_;
    SheetBuilder &sheet_;
    Diagnostics &diagnostics_;
    unsigned warnings_ = 0;
    uint32_t default_width_ = 0;
    double default_height_ = 15;  // points

    uint32_t row_ = UINT32_MAX, next_column_ = 0;  // a first <row> without r is row 1
    bool in_cell_ = false, ref_ok_ = false, has_value_ = false, capturing_ = false, in_inline_ = false;
    bool seen_view_ = false, in_first_view_ = false;
    CellRef ref_;
    CellType type_ = CellType::Number;
    uint32_t style_ = 0;
    std::string value_;
    std::u16string scratch_;
    RichTextReader inline_;
    std::unordered_map<std::string, uint32_t> errors_;
};

}  // namespace

void read_worksheet(WorkbookContext &book, const std::string &part, SheetBuilder &sheet) {
    WorksheetReader reader(book, part, sheet);
    RootCheck worksheet(reader, Ns::Spreadsheet, "worksheet", "SpreadsheetML");
    book.package.read(part, worksheet);
}

}  // namespace qrv::import::xlsx
