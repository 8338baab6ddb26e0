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
#include "code_page.hpp"

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

struct Globals {
    bool biff8 = true;
    bool date1904 = false;
    std::vector<SheetEntry> sheets;
    std::vector<uint32_t> shared_strings;  // TextStore numbers
    std::map<uint16_t, std::string> formats;  // format id -> code (UTF-8)
    std::vector<FontRecord> fonts;            // in the order cell formats number them
    std::vector<XfRecord> xfs;
    std::array<uint32_t, 56> palette{};       // colours 8 to 63, 0x00RRGGBB
};

// Reads the globals at the start of stream; biff8 is the version the BOF
// record named.  An encrypted workbook is refused (IM_ERR_ENCRYPTED).
Globals read_globals(std::span<const uint8_t> stream, bool biff8, CodePage &page, TextStore &texts,
                     Diagnostics &diagnostics);

// Excel's version of a stream from its first BOF record: true for Excel 97
// and later, false for Excel 5 and 95; refuses the older formats and
// anything that does not start with a BOF record.
bool stream_is_biff8(std::span<const uint8_t> stream);

}  // namespace qrv::import::xls
