// Reading characters out of the document's stores and turning wide text into
// the UTF-8 that every reference filter writes.
#pragma once

#include <qrvex/types.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace qrv::filters {

// UTF-8 of wide text, through the library's converter.
std::string utf8_of(const QRVWCHAR *chars, size_t count);
std::string utf8_of(std::u16string_view chars);

// The same conversion into a buffer kept from call to call, for text that
// is written out at once: each view holds until the next conversion.
class Utf8Scratch {
public:
    std::string_view convert(const QRVWCHAR *chars, size_t count);
    std::string_view convert(std::u16string_view chars) {
        return convert(reinterpret_cast<const QRVWCHAR *>(chars.data()), chars.size());
    }

private:
    std::unique_ptr<char[]> bytes_;
    size_t capacity_ = 0;
};

// Wide text of a zero-terminated wide buffer of at most capacity characters.
std::u16string_view wide_view(const QRVWCHAR *chars, size_t capacity);

// The text of a string item (a property string: a style's name, a list
// level's text, a comment's author); empty when the item cannot be read.
std::u16string property_text(CHHandle h, uint32_t string_item_id);

// The characters of a text run (offset and length in store 2).  An unreadable
// run gives false and leaves out empty.
bool read_text_run(CHHandle h, uint32_t offset, uint32_t length, std::u16string &out);

// A text run is read and converted a piece at a time, so a run of a
// hundred megabytes costs a piece's memory beside what it is written to.
inline constexpr uint32_t kTextPieceChars = 64 * 1024;

// The first piece of the run (offset, length): at most kTextPieceChars
// characters, ending before a surrogate pair the piece would split.  False
// when it cannot be read.
bool read_text_piece(CHHandle h, uint32_t offset, uint32_t length, std::u16string &out);

// Hands take the UTF-8 text of each piece of a text run in turn; false
// when a piece cannot be read (the pieces before it were handed on).
template <class Take>
bool for_each_text_piece(CHHandle h, uint32_t offset, uint32_t length, std::u16string &chars, Utf8Scratch &utf8,
                         Take &&take) {
    while (length > 0) {
        if (!read_text_piece(h, offset, length, chars)) return false;
        take(utf8.convert(chars));
        offset += static_cast<uint32_t>(chars.size());
        length -= static_cast<uint32_t>(chars.size());
    }
    return true;
}

}  // namespace qrv::filters
