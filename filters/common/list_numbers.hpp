// Numbers and bullets of list items, counted with the library's counter
// track, written as the list level asks: its level text ("%1.%2.") with
// each level's number as decimal, letters or Roman numerals, or its bullet;
// a level without a level text shows its own number and a full stop.
// Levels start at their start value and lists that name one counter
// continue each other's numbers (qrvmodel/conventions.hpp).
#pragma once

#include <qrvex/lists.h>
#include <qrvex/styles.h>

#include <map>
#include <string>
#include <utility>

#include "writer.hpp"

namespace qrv::filters {

class ListNumbers {
public:
    explicit ListNumbers(CHHandle h);
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
    int32_t next_value(uint32_t counter, uint32_t level, uint32_t position, int32_t start);
    int32_t value_at(uint32_t counter, uint32_t level, uint32_t position, int32_t start);
    const std::u16string *level_text(uint32_t style, uint32_t level, const CUListLevelRecord &record);
    std::string expand(CUStyleSheet *sheet, uint32_t style, uint32_t level, const CUListLevelRecord &record,
                       const std::u16string &text, uint32_t counter, uint32_t position, int32_t value);

    CHHandle chunker_;
    LUList *track_ = nullptr;
    uint32_t status_ = 0;
    // Level texts by (list style, level); an empty text for a level that has none.
    std::map<std::pair<uint32_t, uint32_t>, std::u16string> texts_;
};

}  // namespace qrv::filters
