// Every chunk-reading, style, table, cell, tab and document-tree operation
// over a document grown from the input, with chunker faults injected now
// and then.  Beyond the sanitizers, each operation must give back every
// item range it locked (unless the unlock itself was made to fail), and the
// records it fills must be released by their free operations without leaks.
//
// Input: the document (see random_document.hpp), then the faults, then a
// sequence of operations, each a selector and its arguments.
#include "random_document.hpp"

#include <qrvex/cells.h>
#include <qrvex/datavalue.h>
#include <qrvex/doctree.h>
#include <qrvex/gather.h>
#include <qrvex/navigate.h>
#include <qrvex/numformat.h>
#include <qrvex/properties.h>
#include <qrvex/tables.h>
#include <qrvex/tabs.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

using qrv::fuzz::RandomDocument;
using qrv::fuzz::Vocabulary;

const uint32_t kItemTypes[] = {
    0,   5,   7,   8,   9,   10,  12,  13,  14,  16,  17,  18,  19,  20,  21,  22,  23,  24,  25,  26,  28,
    29,  30,  31,  45,  56,  57,  58,  59,  60,  61,  62,  63,  64,  65,  67,  68,  70,  71,  72,  73,  74,
    75,  76,  77,  78,  80,  81,  82,  83,  84,  87,  88,  93,  94,  95,  97,  98,  99,  100, 101, 102, 103,
    110, 119, 122, 128, 137, 147, 148, 150, 151, 152, 153, 154, 193, 194, 200, 208, 209, 210, 224, 804, 1025,
};
const uint32_t kTagCodes[] = {
    CH_TAG_SKIP_FOR_TEXT_17,
    CH_TAG_SKIP_FOR_TEXT_18,
    CH_TAG_CUSTOM_DOC_PROPERTY,
    CH_TAG_SS_CELL,
    CH_TAG_DOC_PROPERTY,
    CH_TAG_STYLE_DEFINITION,
    CH_TAG_STYLE_DEFINITION,
    CH_TAG_NUMBER_FORMAT,
    CH_TAG_LIST_LEVEL_DEF,
    CH_TAG_FONT_WALK_END,
    CH_TAG_STYLE_SKIP_MASK,
    0x20000001u,
    0x40000002u,
    0x00000003u,
};
const uint32_t kSpecials[] = {0, 1, 2, 3, 4, 5, 12, 13, 0x100, 0x103, 0x10B, 0x120};

const Vocabulary kWords{kItemTypes, kTagCodes, kSpecials, 96};

[[noreturn]] void fail(const char *what, int op) {
    std::fprintf(stderr, "operation %d: %s\n", op, what);
    std::abort();
}

struct TreeDeleter {
    void operator()(EXDTTree *t) const {
        EXDTDeInit(t);
        delete t;
    }
};

// What the operations share: the records a filter keeps between calls.
struct Session {
    Session(FuzzedDataProvider &input, RandomDocument &document)
        : in(input), doc(document), h(document.handle()), tree(new EXDTTree{}) {
        EXDTInit(tree.get());
        EXDTInitState(&state);
        state.Words[0] = in.ConsumeIntegral<uint32_t>();
        CUCreateStyleSheet(&sheet, in.ConsumeIntegralInRange<uint32_t>(1, 6), h);
        merges = LUCreateList(sizeof(CUSSMergeRange), 2, 2);
        cell_state.SectionNumber = CH_NO_ITEM;
    }
    ~Session() {
        CUFreeTableInfo(&table);
        LUFreeList(&merges);
        CUDestroyStyleSheet(&sheet);
    }

    uint32_t id() { return doc.item_id(); }
    uint32_t any() { return doc.values().any(); }
    uint32_t small(uint32_t most) { return in.ConsumeIntegralInRange<uint32_t>(0, most); }
    CHItem item_at(uint32_t at, uint32_t *next) {
        CHItem item{};
        *next = CH_NO_ITEM;
        CHGetItem(h, CH_STORE_ITEMS, at, &item, next);
        return item;
    }
    EXDTSection *section() {
        const LUList *s = tree->Sections;
        if (!s) return nullptr;
        const uint32_t used = s->Capacity - uint32_t(s->FreeSlots);
        if (used == 0) return nullptr;
        return static_cast<EXDTSection *>(s->Items) + small(used - 1);
    }

    FuzzedDataProvider &in;
    RandomDocument &doc;
    CHHandle h;
    CUStyleSheet *sheet = nullptr;
    CUParaChangeInfo para{};
    CUTextChangeInfo text{};
    CUCellChangeInfo cell{};
    CUTableInfo table{};
    CUSSCellState cell_state{};
    LUList *merges = nullptr;
    std::unique_ptr<EXDTTree, TreeDeleter> tree;
    EXDTState state{};
};

void navigate(Session &s) {
    const uint32_t id = s.id(), limit = s.id(), h = s.h;
    uint32_t tag = 0, begin = 0, end = 0;
    switch (s.small(12)) {
    case 0: CUSkipTag(id, h); break;
    case 1: CUSkipTagReverse(id, h); break;
    case 2: CUFindTagEndId(id, h); break;
    case 3: CUFindTagBeginId(id, limit, s.doc.values().pick(kTagCodes), h); break;
    case 4: CUIsBeginTag(id, &tag, h); break;
    case 5: CUFindBreakEndId(id, limit, s.id(), s.any(), h); break;
    case 6: CUFindBreakBeginId(id, s.any(), h); break;
    case 7: CUFindSpecialCharId(s.any(), id, limit, h); break;
    case 8: CUFindVectorHeaderId(id, limit, h); break;
    case 9: CUFindTextFrameId(id, limit, s.any(), h); break;
    case 10: CUFindTableBeginId(id, s.any(), h); break;
    case 11: CUFindTableEndId(id, h); break;
    default: CUGetTagListChangeId(s.any(), s.doc.values().pick(kTagCodes), s.small(1), &begin, &end, h); break;
    }
}

void gather(Session &s) {
    uint32_t next = CH_NO_ITEM;
    const uint32_t first = s.id();
    const CHItem item = s.item_at(first, &next);
    switch (s.small(7)) {
    case 0:
    case 1: CUGatherChangeInfo(s.sheet, &s.para, &s.text, &s.cell, item, &next, s.id(), s.h); break;
    case 2: CUGatherTextInfo(s.sheet, &s.text, next, item, s.h); break;
    case 3: CUGatherParaFontInfo(s.sheet, &s.text, first, s.id(), CHItem{}, s.h); break;
    case 4: CUGatherChunkStateInfo(s.sheet, &s.para, &s.text, s.h, first); break;
    case 5: CUCheckForText(s.sheet, first, s.id(), s.any(), s.h); break;
    case 6: {
        const CUParaChangeInfo para = s.para;
        const CUTextChangeInfo text = s.text;
        CUGatherChangeInfo(s.sheet, &s.para, &s.text, &s.cell, item, &next, s.id(), s.h);
        CUOptimizeTextChangeFlags(&text, &s.text);
        CUOptimizeParaChangeFlags(&para, &s.para);
        break;
    }
    default: s.para = {}, s.text = {}, s.cell = {}; break;
    }
}

// The table's shape, then every row and cell record it names (and one past).
void table(Session &s) {
    if (s.small(3) == 0) CUFreeTableInfo(&s.table);
    if (CUGetTableInfo(s.id(), &s.table, s.h) != 0 || !s.table.Rows) return;
    CHTableRowRecord row{};
    CHTableCellRecord cell{};
    const uint16_t rows = uint16_t(std::min<uint32_t>(s.table.RowCount, 32));
    for (uint16_t r = 0; r <= rows; ++r) {
        CUGetRowInfo(&s.table, r, &row, s.h);
        const uint16_t cells = r < s.table.RowCount ? uint16_t(std::min<uint32_t>(s.table.Rows[r].CellCount, 32)) : 1;
        for (uint16_t c = 0; c <= cells; ++c) CUGetCellInfo(&s.table, r, c, &cell, s.h);
    }
}

void cells(Session &s) {
    const uint32_t id = s.id(), h = s.h;
    // One array word per item is as many entries as any list can have.
    std::vector<uint32_t> words(s.doc.items().size() + 1);
    CUSSSectionParams params{};
    switch (s.small(10)) {
    case 0: CUGetSSSectionParams(s.small(4), &params, h); break;
    case 1: CUGatherSSDBCellWidths(id, words.data(), h); break;
    case 2: CUFindSSDBCellNameIds(id, words.data(), h); break;
    case 3:
        if (s.in.ConsumeBool()) s.cell_state = CUSSCellState{}, s.cell_state.SectionNumber = CH_NO_ITEM;
        CUGetSSCellBeginId(&s.cell_state, s.small(3), s.small(20), s.small(20), h);
        break;
    case 4: CUFindSSDBCellEndId(id, h); break;
    case 5: CUFindSSCellTagInLineId(id, h); break;
    case 6: CUFindDBStartFieldInfoId(id, s.id(), h); break;
    case 7: CUGetDBCellFormatId(id, s.small(4), h); break;
    case 8: CUGatherSSDBCellInfo(s.sheet, &s.cell, id, s.id(), CHItem{}, h); break;
    default: CUGetSSCellMergeInfo(id, s.id(), s.merges, h); break;
    }
}

void tabs(Session &s) {
    uint32_t id = s.id();
    const uint32_t most = s.in.ConsumeBool() ? 32 : s.small(40);
    switch (s.small(2)) {
    case 0: CUParseParaTabs(s.h, &id, &s.para, most); break;
    case 1: CUParseParaTabMod(s.h, &id, &s.para, most); break;
    default: CUGatherCounterTabStopInfo(s.sheet, &s.para, s.h); break;
    }
}

void properties(Session &s) {
    const uint32_t id = s.id(), h = s.h;
    auto ps = std::make_unique<CUPropertyString>();
    switch (s.small(5)) {
    case 0: CUGetPropertyString(id, ps.get(), h); break;
    case 1: {
        uint16_t attribute = 0;
        CUMapFontIdToName(s.small(8), ps.get(), &attribute, h);
        break;
    }
    case 2:
    case 3: {
        CUObjectLocator locator{};
        if (CUGetObjectLocator(&locator, id, h) != 0 && s.in.ConsumeBool()) break;
        // An exact-sized buffer, so that a write past its size is seen.
        const uint32_t size = s.small(24);
        std::unique_ptr<char[]> buffer(new char[size ? size : 1]);
        uint32_t attribute = 0;
        CUGetLinkLocatorString(&locator, buffer.get(), size, &attribute, h);
        break;
    }
    case 4: {
        const uint32_t size = s.small(16);
        std::unique_ptr<QRVWCHAR[]> buffer(new QRVWCHAR[size ? size : 1]);
        CUFindCustomDocPropName(id, s.any(), buffer.get(), size, h);
        break;
    }
    default: {
        uint32_t found = 0, property = s.any();
        CUFindDocPropertyId(id, s.any(), &found, &property, h);
        break;
    }
    }
}

void styles(Session &s) {
    CUStyleSlot *slot = nullptr;
    uint32_t index = 0, number = s.small(8);
    const uint32_t style = s.in.ConsumeBool() ? s.small(7) : s.any();
    switch (s.small(10)) {
    case 0: CIStyleNumber(s.sheet, style); break;
    case 1: CIGetSlot(s.sheet, &number); break;
    case 2: CUCheckStyleType(s.h, style); break;
    case 3: CUStyleGetPredefinedType(s.sheet, s.small(8)); break;
    case 4: CUStyleGetOutlineLevel(s.sheet, s.small(8)); break;
    case 5: CUStyleCheckTitleStyle(s.sheet, s.small(8)); break;
    case 6: CUStyleCheckHeadingStyle(s.sheet, s.id()); break;
    case 7: CULoadListStyle(s.sheet, style); break;
    case 8: {
        CUListLevelRecord level{};
        CULoadListLevelStyle(s.sheet, style, s.small(12), &level);
        break;
    }
    case 9: CURangeHasPutCounter(s.id(), s.id(), s.h); break;
    default: CULoadStyle(s.sheet, style, s.in.ConsumeBool() ? s.small(7) : s.any(), &slot, &index); break;
    }
}

void doctree(Session &s) {
    EXDTTree *t = s.tree.get();
    const EXDTState *state = s.in.ConsumeBool() ? &s.state : nullptr;
    const uint32_t record[5] = {s.any(), s.any(), s.any(), s.any(), s.any()};
    switch (s.small(14)) {
    case 0: EXDTAddSection(t, s.id(), s.id(), s.any()); break;
    case 1:
    case 2: EXDTAddHeadingLevel(t, s.id(), state, s.small(1), s.small(11)); break;
    case 3: EXDTEndParagraph(t, state, 0, s.id()); break;
    case 4: EXDTSetSectionTitle(t, state, s.id(), s.id()); break;
    case 5: EXDTSetSectionTitlePropertyString(t, s.any()); break;
    case 6: EXDTAddNote(t, s.small(4), record); break;
    case 7: EXDTAddSubdoc(t, s.in.PickValueInArray({8u, 16u, 9u}), record); break;
    case 8: EXDTAddBookmark(t, s.any(), s.any()); break;
    case 9: EXDTAddPalette(t, s.any()); break;
    case 10: EXDTAddProperty(t, record); break;
    case 11: EXDTPatchup(t, s.h); break;
    case 12:
        if (EXDTSection *section = s.section()) EXDTPatchupHeadingLevel(&section->Node.Body, s.id(), s.h);
        break;
    case 13:
        if (EXDTSection *section = s.section()) {
            EXDTHeading *heading = nullptr;
            EXDTLocateCurrentHeading(t, section, &heading);
        }
        break;
    default:
        if (s.in.ConsumeBool()) {
            EXDTRestartHeadings(t);
        } else {
            EXDTCleanup(t);
            EXDTInit(t);
        }
        break;
    }
}

void values(Session &s) {
    double value = 0;
    uint32_t v60 = 0, v25 = 0;
    if (s.in.ConsumeBool())
        FUDataVal(s.h, s.id(), &value);
    else
        FUFormatTextCell(s.h, s.id(), &v60, &v25);
}

using Operation = void (*)(Session &);
const Operation kOperations[] = {navigate, navigate,   gather, gather, gather,  table,   cells, cells,
                                 tabs,     properties, styles, styles, doctree, doctree, values};

// Faults of the chunker for the operations that follow; true when an unlock
// may fail, so that a range may stay locked without anyone's fault.
bool inject_faults(FuzzedDataProvider &in, RandomDocument &doc) {
    bool unlock_may_fail = false;
    const size_t count = in.ConsumeIntegralInRange<size_t>(0, 3);
    const CHHandle h = doc.handle();
    for (size_t i = 0; i < count; ++i) {
        const uint32_t op = in.ConsumeIntegralInRange<uint32_t>(0, CH_OP_COUNT - 1);
        const CHStore store =
            in.ConsumeBool() ? CH_ANY_STORE : in.PickValueInArray<CHStore>({0, 1, 2, 3, 9, 14, 16, 17});
        switch (in.ConsumeIntegralInRange<int>(0, 3)) {
        case 0:
            CHFaultAfterCalls(h, op, store, in.ConsumeIntegralInRange<uint32_t>(1, 64), CH_ERR_INJECTED,
                              in.ConsumeBool());
            break;
        case 1: CHFaultAtId(h, op, store, doc.item_id(), CH_ERR_INJECTED); break;
        case 2: CHFaultRedirectId(h, op, store, doc.item_id(), doc.item_id()); continue;
        default: CHFaultReportCount(h, store, in.ConsumeIntegralInRange<uint32_t>(0, 40)); continue;
        }
        if (op == CH_OP_UNLOCK_RANGE) unlock_may_fail = true;
    }
    return unlock_may_fail;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzedDataProvider in(data, size);
    RandomDocument doc(in, kWords);
    if (!doc.handle()) return 0;
    const bool unlock_may_fail = inject_faults(in, doc);
    {
        Session session(in, doc);
        for (int op = 0; op < 48 && in.remaining_bytes() > 0; ++op) {
            in.PickValueInArray(kOperations)(session);
            uint32_t locked = 0;
            CHLockedRangeCount(doc.handle(), &locked);
            if (locked != 0 && !unlock_may_fail) fail("an item range was left locked", op);
        }
    }
    return 0;
}
