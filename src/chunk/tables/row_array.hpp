// The row array of a CUTableInfo: a memory block of CUTableRow that starts
// with room for 5 rows and grows by 10 rows at a time.
#pragma once

#include <qrvex/memory.h>
#include <qrvex/tables.h>

#include <cstdint>

namespace qrv::tables {

inline constexpr uint32_t kFirstRowCapacity = 5;
inline constexpr uint32_t kRowCapacityStep = 10;

// Makes the block hold `rows` rows (a block from an earlier walk is reused
// and never shrinks).  0, or the memory code.
uint32_t reserve_rows(CUTableInfo &info, uint32_t rows);

// Releases the block and clears the handle and the pointer.
void free_rows(CUTableInfo &info);

// Row `index` starts empty: no cells, no row or cell item met yet.
void start_row(CUTableInfo &info, uint32_t index);

}  // namespace qrv::tables
