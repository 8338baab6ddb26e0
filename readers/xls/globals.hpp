// The workbook globals: the first substream of a workbook stream, with the
// list of sheets, the shared strings, number formats, fonts, cell formats,
// palette, date system and code page that the sheets refer to.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "sheet/sheet_builder.hpp"
#include "sheet/text_store.hpp"
#include "writer/diagnostics.hpp"
#include "cfb/code_page.hpp"

namespace qrv::import::xls {

enum class SheetKind : uint8_t { Worksheet = 0, Macro = 1, Chart = 2, Module = 6 };

struct SheetEntry {
    std::string name;  // UTF-8
    uint32_t offset;   // of the sheet's BOF record in the stream
    bool hidden;
    uint8_t kind;  // a SheetKind
};

struct FontRecord {
    bool bold = false, italic = false, underline = false, strike = false;
    bool superscript = false, subscript = false;
    std::string name;           // UTF-8
    uint32_t half_points = 0;   // size
    uint16_t colour = 0x7FFF;   // palette index; 0x7FFF automatic
};

// A side's border as an XF record gives it: its line kind and palette index.
struct XfBorder {
    uint8_t line = 0;
    uint8_t colour = 64;
};

struct XfRecord {
    uint16_t font = 0;
    uint16_t format = 0;
    CellAlign align = CellAlign::General;
    uint8_t vertical = model::kAlignBottom;
    bool wraps = false;
    uint8_t pattern = 0;  // 0 none, 1 solid, then the patterns of densities
    uint8_t pattern_colour = 64, background_colour = 65;  // palette indexes; 64, 65 the window's
    std::array<XfBorder, model::kSideCount> borders{};     // top, right, bottom, left
};

// Excel 97 and later (BIFF8), Excel 5 and 95 (BIFF5), and Excel 3 and 4,
// whose streams hold one worksheet, its formats and cells together.
enum class Biff : uint8_t { V3, V4, V5, V8 };

struct Globals {
    bool biff8 = true;
    Biff version = Biff::V8;
    bool date1904 = false;
    std::vector<SheetEntry> sheets;
    std::vector<uint32_t> shared_strings;  // TextStore numbers
    std::map<uint16_t, std::string> formats;  // format id -> code (UTF-8)
    std::vector<FontRecord> fonts;            // in the order cell formats number them
    std::vector<XfRecord> xfs;
    std::array<uint32_t, 56> palette{};       // colours 8 to 63, 0x00RRGGBB
};

// Reads the globals at the start of stream, of the version the BOF record
// named.  An Excel 3 or 4 stream lists its one sheet as "Sheet1".
Globals read_globals(std::span<const uint8_t> stream, Biff version, CodePage &page, TextStore &texts,
                     Diagnostics &diagnostics);

// Excel's version of a stream from its first BOF record; refuses Excel 2,
// Excel 4 workbooks (several sheets in one stream, of which Excel 4 saved
// few), and anything that does not start with a BOF record.
Biff stream_version(std::span<const uint8_t> stream);

}  // namespace qrv::import::xls
