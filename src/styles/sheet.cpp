// Creating and destroying a style sheet.
#include "styles/sheet.hpp"

#include "styles/run_index.hpp"

#include <qrvplatform/platform.h>

#include <cstring>

namespace {

void release_block(QRVHGLOBAL handle) {
    if (!handle) return;
    GlobalUnlock(handle);
    GlobalFree(handle);
}

}  // namespace

// Makes a sheet with slotCount slots for the document h.  Results: 0; 13 when
// the memory cannot be had; 15 for a null out-pointer.  The sheet starts
// with no cached list style (ListStyleId -1).  A sheet of 0 slots is made
// too: it numbers and describes styles, but whatever needs a slot on it
// (CULoadStyle, a style item of a change walk) gives 15, and CIGetSlot
// gives none.
extern "C" QRVAPI uint32_t CUCreateStyleSheet(CUStyleSheet **pSheet, uint32_t slotCount, CHHandle h) {
    using namespace qrv::styles;
    if (!pSheet) return kBadArg;
    HGLOBAL handle = GlobalAlloc(GMEM_MOVEABLE, sizeof(CUStyleSheet));
    if (!handle) return kNoMemory;
    auto *sheet = static_cast<CUStyleSheet *>(GlobalLock(handle));
    if (!sheet) {
        GlobalFree(handle);
        return kNoMemory;
    }
    std::memset(sheet, 0, sizeof *sheet);
    sheet->ChunkerHandle = h;
    sheet->SlotCount = slotCount;
    sheet->SheetHandle = handle;
    sheet->ListStyleId = kNoStyle;
    init_slot(sheet->DefaultSlot);
    sheet->DefaultSlot.Loaded = 1;
    *pSheet = sheet;
    return kOk;
}

// Frees the sheet, its style table and its slot array and sets the caller's
// pointer to null.  Always 0; a null pointer (or pointer to null) is ignored.
extern "C" QRVAPI uint32_t CUDestroyStyleSheet(CUStyleSheet **pSheet) {
    if (!pSheet || !*pSheet) return 0;
    CUStyleSheet *sheet = *pSheet;
    qrv::styles::RunIndex::forget(*sheet);
    void *table = sheet->StyleTable;
    MUFreeMemory(&sheet->StyleTableHandle, &table, &sheet->Memory.BytesHeld);
    release_block(sheet->SlotArrayHandle);
    release_block(sheet->SheetHandle);
    *pSheet = nullptr;
    return 0;
}
