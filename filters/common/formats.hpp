// The formatting a writer sees, read from the library's change records.
#pragma once

#include <qrvex/styles.h>

#include "writer.hpp"

namespace qrv::filters {

// Character formatting of the attributes the change walk gathered.
TextFormat text_format_of(const CUTextChangeInfo &text);

// Alignment and indents of a paragraph record.
void apply_paragraph_layout(const CUParaChangeInfo &para, ParaFormat &format);

// Kind of paragraph from its paragraph style: title, heading (with its
// level, 1 to 6) or body.  The style's outline level counts first, then a
// name "heading N"; an outline level item in the paragraph overrides both.
void classify_paragraph(CUStyleSheet *sheet, const CUParaChangeInfo &para, ParaFormat &format);

// An empty paragraph record: no style, no list style.
void clear_paragraph_record(CUParaChangeInfo &para);

}  // namespace qrv::filters
