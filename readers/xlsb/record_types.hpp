// The record types of binary workbook parts that the reader takes.
#pragma once

#include <cstdint>

namespace qrv::import::xlsb::brt {

// Worksheet cells and rows.
inline constexpr uint16_t kRowHeader = 0, kCellBlank = 1, kCellRk = 2, kCellError = 3, kCellBool = 4,
                          kCellReal = 5, kCellString = 6, kCellSharedString = 7, kFormulaString = 8,
                          kFormulaNumber = 9, kFormulaBool = 10, kFormulaError = 11, kCellRichString = 62;
// Worksheet layout.
inline constexpr uint16_t kColumnInfo = 60, kSheetDimension = 148, kBeginSheetView = 137, kPane = 151, kMergeCell = 176,
                          kSheetFormatInfo = 485, kHyperlink = 494;
// Comments.
inline constexpr uint16_t kCommentAuthor = 632, kBeginComment = 635, kEndComment = 636, kCommentText = 637;
// Workbook.
inline constexpr uint16_t kWorkbookProperties = 153, kBundleSheet = 156;
// Shared strings.
inline constexpr uint16_t kStringItem = 19;
// Styles.
inline constexpr uint16_t kFont = 43, kNumberFormat = 44, kFill = 45, kBorder = 46, kXf = 47,
                          kBeginCellXfs = 617, kEndCellXfs = 618;

}  // namespace qrv::import::xlsb::brt
