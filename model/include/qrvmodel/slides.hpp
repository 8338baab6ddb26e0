// How a presentation is laid out in the document model: a slide section
// each, in the order the presentation shows them.
#pragma once

#include <cstdint>

#include "sheets.hpp"
#include "tags.hpp"

namespace qrv::model {

// Section kind (CHSectionInfo.SectionKind) of one slide; a document whose
// sections are slide sections is a presentation.
inline constexpr uint32_t kSlideSection = 3;

// A slide section starts with an empty skippable tag: data1 the slide's
// number in the presentation (from 1, hidden slides counted), data2 kSlide*
// bits.  The slide's text follows as a text flow: its title a heading of
// outline level 0, then the other shapes' paragraphs and tables.
inline constexpr uint32_t kSlideTag = 0x20470000u;
inline constexpr uint32_t kSlideHidden = 0x1;  // a hidden slide shown on request

// The slide's speaker notes: a skippable tag around their plain text
// (paragraphs ended by paragraph breaks), after the slide's text, last in
// the section.  Not part of the flow; filters show them beside the slide.
inline constexpr uint32_t kSlideNotesTag = 0x20480000u;

static_assert(kSlideSection != kSpreadsheetSection && kSlideSection != 0);
static_assert(skippable(kSlideTag) && skippable(kSlideNotesTag), "a slide's marks are not text");
static_assert(kSlideTag != kNoteTag && kSlideTag != kBookmarkTag && kSlideTag != kObjectTag &&
              kSlideTag != kCommentTag && kSlideTag != kHyperlinkTag && kSlideTag != kSheetRowTag);
static_assert(kSlideNotesTag != kNoteTag && kSlideNotesTag != kBookmarkTag && kSlideNotesTag != kObjectTag &&
              kSlideNotesTag != kCommentTag && kSlideNotesTag != kHyperlinkTag && kSlideNotesTag != kSheetRowTag);
static_assert(kRunningTag != kSlideTag && kRunningTag != kSlideNotesTag);

}  // namespace qrv::model
