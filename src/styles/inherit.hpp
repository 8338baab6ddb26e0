// Copying a style's settings into change records: what a style passes on to
// a style based on it, and what applying a style copies.  Source and target
// may be the same records (a rotated slot shared by a style and its parent),
// so every copy tolerates overlap.
#pragma once

#include <qrvex/changes.h>

namespace qrv::styles {

// ListStyleIndex, ListKind, ListLevel and ListFlags, when the source's
// paragraph flags hold a list style; sets the list style and level bits.
void take_list_settings(const CUParaChangeInfo &from, CUParaChangeInfo &to);
// ListLevelInfo when the source holds one (ListFlags bit 0).
void take_list_level_info(const CUParaChangeInfo &from, CUParaChangeInfo &to);
// The tab stops, when the source has any.
void take_tab_stops(const CUParaChangeInfo &from, CUParaChangeInfo &to);
// The item-88 value, unless the source's is 0xFFFF.
void take_item88_value(const CUParaChangeInfo &from, CUParaChangeInfo &to);
// The four paragraph settings above, in that order.
void take_paragraph_settings(const CUParaChangeInfo &from, CUParaChangeInfo &to);
// The five font slots (FontId, FontName, FontInfo) and MultiFont.
void take_fonts(const CUTextChangeInfo &from, CUTextChangeInfo &to);

}  // namespace qrv::styles
