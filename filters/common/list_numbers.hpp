// Numbers and bullets of list items, counted per list style and level with
// the library's counter track, written as the list level asks
// (decimal, letters, Roman numerals or a bullet).
#pragma once

#include <qrvex/lists.h>
#include <qrvex/styles.h>

#include <string>

#include "writer.hpp"

namespace qrv::filters {

class ListNumbers {
public:
    ListNumbers();
    ~ListNumbers();
    ListNumbers(const ListNumbers &) = delete;
    ListNumbers &operator=(const ListNumbers &) = delete;

    // 0, or the code of the counter track that could not be made.
    uint32_t status() const { return status_; }

    // Fills the list fields of a paragraph that is a list item (ListLevel
    // above 0); position is the paragraph's first item id.  Returns false
    // when the paragraph is no list item.
    bool describe(CUStyleSheet *sheet, const CUParaChangeInfo &para, uint32_t position, ParaFormat &format);

private:
    int32_t next_value(uint32_t counter, uint32_t level, uint32_t position);

    LUList *track_ = nullptr;
    uint32_t status_ = 0;
};

}  // namespace qrv::filters
