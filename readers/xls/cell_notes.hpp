// The comments of a worksheet's cells.  Excel 97 and later keep each as a
// drawing object: an OBJ record naming it a comment, then a TXO record
// whose continuations hold its text, and at the sheet's end a NOTE record
// with the cell, the object's id and the author.  Excel 5 and 95 keep the
// text in the NOTE records themselves, a long one continued in NOTE records
// of row 0xFFFF.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "sheet/sheet_builder.hpp"
#include "biff_record.hpp"
#include "cfb/code_page.hpp"

namespace qrv::import::xls {

class CellNotes {
public:
    CellNotes(bool biff8, const CodePage &page) : biff8_(biff8), page_(page) {}

    void object(Cursor &in);     // OBJ
    void text_box(Cursor &in);   // TXO
    void note(Cursor &in);       // NOTE
    // Hands the comments to the sheet.
    void finish(SheetBuilder &sheet) const;

private:
    struct Note {
        uint16_t row, column;
        std::u16string author, text;
    };
    void old_note(Cursor &in);

    bool biff8_;
    const CodePage &page_;
    int32_t comment_object_ = -1;  // the id of the comment object the next TXO belongs to
    std::map<uint16_t, std::u16string> texts_;  // of comment objects, by id
    std::vector<Note> notes_;
};

}  // namespace qrv::import::xls
