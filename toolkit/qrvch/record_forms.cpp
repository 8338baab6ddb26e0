#include "record_forms.hpp"

namespace qrv::ch {

namespace {

// A style definition's record: kind, predefined type, the item whose string
// is its name, and its parent style (-1 for none).
constexpr RecordField kStyleFields[] = {
    {"kind", 8, 4, 0, true},    {"predefined", 12, 4, 0, true},
    {"name", 16, 4, 0, true},   {"parent", 20, 4, CH_NO_ITEM, true},
    {"word1", 0, 4, 0, false},  {"word2", 4, 4, 0, false},
    {"word7", 24, 4, 0, false},
};

// A list level: nine words; the bullet character is the low half of word 2,
// word 3 the counter word, word 7 the key of the level's own definition and
// word 9 the numbering word.
constexpr RecordField kListLevelFields[] = {
    {"word1", 0, 4, 0, true},       {"word2", 4, 4, 0, true},   {"word3", 8, 4, 0, true},    {"word4", 12, 4, 0, true},
    {"word5", 16, 4, 0, true},      {"word6", 20, 4, 0, true},  {"word7", 24, 4, 0, true},   {"word8", 28, 4, 0, true},
    {"word9", 32, 4, 0, true},      {"bullet", 4, 2, 0, false}, {"counter", 8, 4, 0, false}, {"key", 24, 4, 0, false},
    {"numbering", 32, 4, 0, false},
};

constexpr RecordField kFrameFields[] = {
    {"flags", 16, 4, 0, true},  {"word1", 0, 4, 0, false},   {"word2", 4, 4, 0, false},  {"word3", 8, 4, 0, false},
    {"word4", 12, 4, 0, false}, {"word6", 20, 4, 0, false},  {"word7", 24, 4, 0, false}, {"word8", 28, 4, 0, false},
    {"word9", 32, 4, 0, false}, {"word10", 36, 4, 0, false},
};

constexpr RecordField kPropertyIdFields[] = {{"id", 0, 4, 0, true}};

constexpr RecordField kRowFields[] = {
    {"height", 0, 4, 0, true}, {"flags", 4, 4, 0, true}, {"word3", 8, 4, 0, true}, {"word4", 12, 4, 0, true}};

constexpr RecordField kCellFields[] = {
    {"width", 0, 4, 0, true}, {"flags", 4, 4, 0, true}, {"columns", 8, 4, 0, true}, {"rows", 12, 4, 0, true}};

constexpr RecordForm kForms[] = {
    {"style-record", CH_STORE_STYLE_DATA, CH_SIZE_STYLE_RECORD, kStyleFields},
    {"list-level", CH_STORE_STYLE_DATA, CH_SIZE_LIST_LEVEL, kListLevelFields},
    {"property-id", CH_STORE_STYLE_DATA, CH_SIZE_PROPERTY_ID, kPropertyIdFields},
    {"frame", CH_STORE_TEXT_FRAMES, CH_SIZE_TEXT_FRAME, kFrameFields},
    {"row", CH_STORE_TABLE_ROWS, sizeof(CHTableRowRecord), kRowFields},
    {"cell", CH_STORE_TABLE_CELLS, sizeof(CHTableCellRecord), kCellFields},
};

}  // namespace

const RecordForm *find_record_form(std::string_view directive) {
    for (const auto &form : kForms)
        if (form.directive == directive) return &form;
    return nullptr;
}

}  // namespace qrv::ch
