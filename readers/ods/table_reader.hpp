// The body of a spreadsheet (<office:spreadsheet>): each <table:table>
// streamed into a SheetBuilder and appended as a section when it ends, so
// memory follows one table's cells.  Repeated rows and cells
// (number-rows-repeated, number-columns-repeated) cost nothing when empty
// and are written once for each repeat otherwise; a row repeated a
// million times with nothing in it is one step of the row count.  A
// covered cell's content is hidden under its merged range and is passed
// over.  A cell's annotation is its comment, on the first place it repeats
// to only.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "odf/frame_pictures.hpp"
#include "writer/object_ref.hpp"
#include "writer/diagnostics.hpp"
#include "writer/limits.hpp"
#include "package/xml_reader.hpp"
#include "sheet/general_numbers.hpp"
#include "view_settings.hpp"
#include "sheet/sheet_builder.hpp"
#include "cell_annotation.hpp"
#include "cell_styles.hpp"
#include "cell_text.hpp"

namespace qrv::import::odf {

// What the tables of a document share.
struct SpreadsheetContext {
    DocumentWriter &writer;
    CellStyles &styles;
    const StyleSheet &style_sheet;
    TextStore &texts;
    const CharFormatTable &formats;
    Diagnostics &diagnostics;
    const Limits &limits;
    // Called once when the spreadsheet begins, before its first table:
    // what must come ahead of the sheets (styles, properties) is written.
    std::function<void()> prepare;
    // The general-cell definitions, made by prepare().
    const std::optional<GeneralNumbers> &general;
    // The formats whose cells' text the importer writes (fractions).
    const NumberTexts &number_texts;
    // Which sheets show their zero values (the view settings).
    const ViewSettingsReader &view_settings;
};

class TableReader final : public XmlHandler {
public:
    // The largest sheet: rows and columns past these are left out.
    static constexpr uint32_t kMaxRows = 1u << 20;
    static constexpr uint32_t kMaxColumns = 1u << 14;

    explicit TableReader(SpreadsheetContext context);
    // Pictures of frames in cells are kept through pictures (else shown by name).
    void keep_pictures(FramePictures &pictures) { pictures_ = &pictures; }

    // The elements inside <office:body>.
    void start(const XmlName &name, const XmlAttributes &attributes) override;
    void end(const XmlName &name) override;
    void text(std::string_view chars) override;

    bool saw_spreadsheet() const { return prepared_; }
    uint32_t tables() const { return tables_; }

private:
    enum class Kind : uint8_t { kNone, kNumber, kText, kTruth, kError };
    // What one cell element holds, written at each place it repeats to.
    struct CellContent {
        Kind kind = Kind::kNone;
        double number = 0;
        uint32_t text = 0;
        CellLook look;
        uint32_t column_span = 1, row_span = 1;
        std::string link;
        std::vector<ObjectRef> objects;
    };
    struct RowCell {
        uint32_t column, repeat;
        CellContent content;
    };
    struct RowComment {
        uint32_t column;
        std::string author, text;
    };
    struct ColumnDefault {
        uint64_t first, last;
        const CellStyle *style;
    };
    struct OpenCell {
        uint32_t repeat = 1;
        const CellStyle *style = nullptr;
        std::string value_type, calc_type, value;
        uint32_t column_span = 1, row_span = 1;
    };

    void start_spreadsheet();
    void start_table(const XmlAttributes &a);
    void end_table();
    void column(const XmlAttributes &a);
    void start_row(const XmlAttributes &a);
    void end_row();
    void start_cell(const XmlAttributes &a);
    void end_cell();
    void write_comments(uint32_t row);
    const CellStyle &style_of(std::string_view name, uint64_t column) const;
    CellContent content_of_cell();
    ObjectRef object_of_frame(const CellTextReader::Frame &frame);
    bool take_value(CellContent &content);
    bool take_date(CellContent &content, std::optional<double> day, DataStyleKind kind);
    void take_text(CellContent &content, Kind kind);
    void write(uint32_t row, uint32_t column, const CellContent &content);
    void count_cells(uint64_t rows, uint64_t cells_per_row);
    void warn(const std::string &what);

    SpreadsheetContext c_;
    uint32_t depth_ = 0;       // elements open inside the body
    uint32_t skip_depth_ = 0;  // of an element passed over whole; 0: none
    bool prepared_ = false;
    bool date1904_ = false;
    uint32_t tables_ = 0;
    uint64_t cells_left_;  // the document's cell budget
    unsigned warnings_ = 0;

    std::optional<SheetBuilder> sheet_;
    std::string table_name_;
    uint64_t next_column_ = 0;  // of the next column element
    std::vector<ColumnDefault> column_defaults_;

    uint64_t row_ = 0;  // the first source row of the open row element
    uint32_t row_repeat_ = 1;
    bool row_hidden_ = false;
    const CellStyle *row_style_ = nullptr;
    uint32_t row_height_ = 0;  // twips, of the open row; 0: as its text needs
    uint64_t column_ = 0;  // of the next cell element
    std::vector<RowCell> row_cells_;
    std::vector<RowComment> row_comments_;  // on the row's first repeat only

    uint32_t cell_depth_ = 0;  // of the open cell element; 0: none
    OpenCell cell_;
    CellTextReader text_;
    CellAnnotation annotation_;
    FramePictures *pictures_ = nullptr;
};

}  // namespace qrv::import::odf
